#pragma once

#include <string>

#include "framework/controls/win_control.h"

namespace bitcalc::framework {

// The pop-up that shows a hint: a borderless, top-most window that never
// takes the focus. Subclasses draw richer hints; this one draws its caption
// on clInfoBk with a thin frame.
class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* owner);

  // The size the window needs for text (and data, for subclasses that
  // understand it), no wider than maxWidth.
  virtual TRect CalcHintRect(int maxWidth, const std::string& text, const void* data);

  // Shows the window at rect (screen coordinates) with text.
  virtual void ActivateHint(const TRect& rect, const std::string& text);
  virtual void ActivateHintData(const TRect& rect, const std::string& text, const void* data);
  void ReleaseHandle() { SetVisible(false); }

 protected:
  void Paint() override;
};

}  // namespace bitcalc::framework
