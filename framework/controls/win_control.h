#pragma once

#include <QKeyEvent>

#include "framework/controls/control.h"
#include "framework/controls/dialog_host.h"

namespace bitcalc::framework {

// A control with a window of its own: it can hold child controls, take the
// keyboard focus in tab order and receive keys.
//
// Keys: OnKeyDown comes first. An arrow key the control does not claim
// (DialogCode without DLGC_WANTARROWS) then moves the focus; Enter and Escape
// the control does not claim are offered to the form as dialog keys. A key
// with a character then goes through KeyPress/OnKeyPress.
class TWinControl : public TControl {
  // For qobject_cast: telling a windowed control among a parent's children
  // with dynamic_cast, as stacking and tab order do for every new child, was
  // a tenth of a large window's start-up.
  Q_OBJECT

 public:
  explicit TWinControl(TComponent* owner);

  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool v);
  int TabOrder() const { return tab_order_; }
  void SetTabOrder(int v);
  // A control usually takes its tab order before its parent: joining the
  // parent puts it in its place among the siblings.
  void SetParent(TWinControl* parent) override;

  bool Focused() const { return hasFocus() || (focusProxy() && focusProxy()->hasFocus()); }
  virtual bool CanFocus() const;
  void SetFocus();

  bool DoubleBuffered() const { return double_buffered_; }
  void SetDoubleBuffered(bool v) { double_buffered_ = v; }

  // Keys the control keeps for itself (DLGC_* bits).
  virtual unsigned DialogCode() const { return 0; }

  // A dialog key (Enter, Escape) offered by a focused control of the same
  // form; true when this control acted on it.
  virtual bool DialogKey(std::uint16_t key, TShiftState shift);

  // The window this control sits on, or nullptr.
  TDialogHost* ParentForm() const;

  // Runs a key press through the control's key pipeline; true when the key
  // was consumed and the platform should not act on it.
  bool ProcessKeyPress(QKeyEvent* event);
  bool ProcessKeyRelease(QKeyEvent* event);

  // Stacks child: windowed controls lie above graphic ones, and within each
  // kind the later-created one lies on top.
  void PlaceInZOrder(TControl* child);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

 protected:
  virtual void DoEnter() { Notify(OnEnter, this); }
  virtual void DoExit() { Notify(OnExit, this); }
  virtual void KeyDown(std::uint16_t& key, TShiftState shift);
  virtual void KeyUp(std::uint16_t& key, TShiftState shift);
  virtual void KeyPress(char& key);

  // Windowed controls fill their background with Color before painting,
  // unless they are opaque and cover it themselves.
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  virtual void UpdateFocusPolicy();

 private:
  void ApplyTabOrder();

  bool tab_stop_ = false;
  int tab_order_ = -1;
  bool double_buffered_ = false;
};

// A windowed control that paints itself on its canvas.
class TCustomControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
};

// Focus moves that come from window activation are not focus changes within
// the window, so they raise no enter or exit.
bool IsWindowActivation(Qt::FocusReason reason);

// The virtual key code of a Qt key, 0 when it has none.
std::uint16_t VirtualKeyOf(int qtKey);
// The 8-bit character a key event types, or 0 when it types none.
char CharacterOf(const QKeyEvent* event);

}  // namespace bitcalc::framework
