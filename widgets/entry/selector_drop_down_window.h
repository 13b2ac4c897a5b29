#pragma once

#include "framework/runtime/form.h"
#include "framework/runtime/timer.h"
#include "widgets/entry/styled_selector_panel.h"

namespace bitcalc::widgets {

// The borderless, stay-on-top window a selector drops down, filled by its
// panel. It sits just below the selector, its top row over the selector's
// bottom row, or above it when there is no room below, and is aligned with
// the selector's left edge unless that would run off the work area's right.
//
// It goes away when it loses activation, and also at any press elsewhere in
// the program, since without a window manager a click on another window does
// not move the activation. Where the compositor places pop-ups (Wayland) it is
// a Qt pop-up instead, which the compositor closes when another program is
// used, and which sees the program's presses outside it itself. Either way HideTimer hides it once more at its
// first tick, and until then the selector does not drop it down again: the
// press that closed it, when it lands on the selector, must not reopen it.
class TSelectorDropDownWindow : public framework::TForm {
 public:
  // Created by and owned by the selector it drops down from.
  explicit TSelectorDropDownWindow(framework::TControl* selector);
  ~TSelectorDropDownWindow() override;

  TStyledCustomSelectorPanel* SelectorPanel() const { return selector_panel_; }
  void SetSelectorPanel(TStyledCustomSelectorPanel* v) { selector_panel_ = v; }

  bool HideOnDeactivate() const { return hide_on_deactivate_; }
  void SetHideOnDeactivate(bool v) { hide_on_deactivate_ = v; }

  // How the window was placed at the last drop-down.
  bool OpensUpward() const { return opens_upward_; }
  bool RightAligned() const { return right_aligned_; }
  bool ComboStyle() const { return combo_style_; }

  framework::TTimer* HideTimer() const { return hide_timer_; }

  // Sizes the window to its panel, places it at the selector and shows it
  // as the active window.
  void DropDown(bool comboStyle);
  void CloseDropDown();

  // A window named like the selector it drops down from.
  QAccessibleInterface* CreateAccessible() override;

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Deactivated();
  bool IsPopUp() const { return windowType() == Qt::Popup; }

  framework::TControl* selector_;
  TStyledCustomSelectorPanel* selector_panel_ = nullptr;
  framework::TTimer* hide_timer_;
  bool hide_on_deactivate_ = true;
  bool opens_upward_ = false;
  bool right_aligned_ = false;
  bool combo_style_ = false;
};

}  // namespace bitcalc::widgets
