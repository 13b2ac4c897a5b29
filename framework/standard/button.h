#pragma once

#include "framework/controls/win_control.h"

class QPushButton;

namespace bitcalc::framework {

class TPushButtonWidget;

// The platform push button: a windowed control filled by a QPushButton.
//
// The caption's '&' marks the accelerator ("&&" shows one '&'). OnClick is
// raised once per click, whatever makes it: the mouse released over the
// button it was pressed on, Space released on the focused button, a dialog
// key, or Click() from code. Enter clicks the focused button, or the Default
// button while the focus is on a control that is not a button; Escape clicks
// the Cancel button. Keys of the focused button run through the control's key
// pipeline first. A tab stop by default.
class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  ~TButton() override;

  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }

  // Raises OnClick.
  void Click() override;

  bool DialogKey(std::uint16_t key, TShiftState shift) override;
  void SetBounds(int left, int top, int width, int height) override;

  // The platform button inside: the part that takes the focus.
  QPushButton* Widget() const;

  // Screen readers meet the platform button alone, as a push button named
  // like the control.
  TAccessiblePresence AccessiblePresence() const override { return apInner; }
  QAccessibleInterface* CreateInnerAccessible(QWidget* inner) override;

 protected:
  void TextChanged() override;
  void FontChanged() override;
  void ApplyQtFont(const QFont& font) override;
  void UpdateFocusPolicy() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  friend class TPushButtonWidget;

  TPushButtonWidget* button_ = nullptr;
  bool default_ = false;
  bool cancel_ = false;
};

}  // namespace bitcalc::framework
