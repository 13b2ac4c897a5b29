#pragma once

#include <QPoint>
#include <string>

#include "framework/standard/hint_window.h"

namespace bitcalc::widgets {

// The small pop-up that shows a track bar's value while its thumb is dragged.
class TTrackHintWindow : public framework::THintWindow {
 public:
  using framework::THintWindow::THintWindow;

  // Shows text with the window's top-left corner at the screen point at.
  void ShowAt(QPoint at, const std::string& text);
};

}  // namespace bitcalc::widgets
