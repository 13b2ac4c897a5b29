#include "widgets/trackbar/track_hint_window.h"

namespace bitcalc::widgets {

namespace {
constexpr int kMaxHintWidth = 300;
}

void TTrackHintWindow::ShowAt(QPoint at, const std::string& text) {
  ActivateHint(CalcHintRect(kMaxHintWidth, text, nullptr).Offset(at.x(), at.y()), text);
}

}  // namespace bitcalc::widgets
