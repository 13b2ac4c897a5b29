#pragma once

#include "framework/controls/win_control.h"

namespace bitcalc::framework {

enum TFormStyle { fsNormal, fsStayOnTop };
enum TPosition { poDesigned, poScreenCenter };

// A top-level window. A form subclass builds its components in its
// constructor between BeginLoading() and FinishCreation(): the components take
// their stored settings with no handler running, then OnCreate follows.
class TForm : public TWinControl, public TDialogHost {
 public:
  explicit TForm(TComponent* owner);

  // Client size; a form that is not sizeable keeps it fixed.
  void SetClientSize(int width, int height);
  TRect ClientRect() const override { return Rect(0, 0, Width(), Height()); }

  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle v);
  TFormStyle FormStyle() const { return form_style_; }
  void SetFormStyle(TFormStyle v);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition v) { position_ = v; }

  // Ends loading and raises OnCreate.
  void FinishCreation();

  void Show();
  void Hide();
  // A form placed in the screen's middle is moved there as it first shows.
  void setVisible(bool visible) override;
  void Close() { close(); }
  bool Active() const { return isActiveWindow(); }

  // A window named by its caption.
  QAccessibleInterface* CreateAccessible() override;

  // The focused control of the form, or nullptr.
  TWinControl* ActiveControl() const override;

  // Moves the focus to the next (or previous) tab stop after current.
  void SelectNext(TWinControl* current, bool forward) override;

  // Offers a dialog key to every windowed control of the form.
  bool DialogKey(std::uint16_t key, TShiftState shift) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnClose;

 protected:
  void TextChanged() override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ApplyWindowFlags();

  TBorderStyle border_style_ = bsSizeable;
  TFormStyle form_style_ = fsNormal;
  TPosition position_ = poDesigned;
  bool centred_ = false;
};

}  // namespace bitcalc::framework
