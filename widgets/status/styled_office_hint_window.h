#pragma once

#include <string>

#include "framework/standard/hint_window.h"

namespace bitcalc::widgets {

// The application's hint window while a TStyledOfficeHint is installed. It
// takes its look and content from the office hint on the application's main
// form and shows nothing when there is none.
class TStyledOfficeHintWindow : public framework::THintWindow {
 public:
  explicit TStyledOfficeHintWindow(framework::TComponent* owner);

  // rect arrives the size of text plus the frame's margins, at the hint's
  // place; the window sizes itself from the office hint's content instead,
  // kept inside the desktop and at least kMinHeight tall.
  void ActivateHint(const framework::TRect& rect, const std::string& text) override;

  static constexpr int kMinHeight = 22;

  // A tool tip named by the hint's title, its lines the description.
  QAccessibleInterface* CreateAccessible() override;

 protected:
  void Paint() override;
  void Resize() override;
  void hideEvent(QHideEvent* event) override;

 private:
  bool busy_ = false;  // sizing: no painting and no second activation meanwhile
};

}  // namespace bitcalc::widgets
