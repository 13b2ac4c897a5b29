#include "widgets/trackbar/track_hint_window.h"

#include <QWidget>

#include "framework/controls/pop_up.h"

namespace bitcalc::widgets {

namespace {
constexpr int kMaxHintWidth = 300;
}

void TTrackHintWindow::ShowAt(QPoint at, const std::string& text) {
  SetPopUpParent(this, dynamic_cast<QWidget*>(Owner()));
  ActivateHint(CalcHintRect(kMaxHintWidth, text, nullptr).Offset(at.x(), at.y()), text);
}

}  // namespace bitcalc::widgets
