#include "framework/runtime/form.h"

#include <QApplication>
#include <functional>

#include "framework/accessibility/accessible_control.h"
#include "framework/runtime/screen.h"
#include "framework/text/text.h"

namespace bitcalc::framework {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetParentFont(false);
  ApplyWindowFlags();
}

QAccessibleInterface* TForm::CreateAccessible() {
  return new TAccessibleControl(this, QAccessible::Window);
}

void TForm::SetClientSize(int width, int height) {
  if (border_style_ == bsSizeable || border_style_ == bsSizeToolWin)
    resize(width, height);
  else
    setFixedSize(width, height);
}

void TForm::SetBorderStyle(TBorderStyle v) {
  if (v == border_style_) return;
  border_style_ = v;
  ApplyWindowFlags();
}

void TForm::SetFormStyle(TFormStyle v) {
  if (v == form_style_) return;
  form_style_ = v;
  ApplyWindowFlags();
}

void TForm::ApplyWindowFlags() {
  Qt::WindowFlags flags = Qt::Window;
  switch (border_style_) {
    case bsNone:
      flags |= Qt::FramelessWindowHint;
      break;
    case bsToolWindow:
    case bsSizeToolWin:
      flags = Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
      break;
    case bsSingle:
    case bsDialog:
      flags |= Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
      break;
    case bsSizeable:
      break;
  }
  if (form_style_ == fsStayOnTop) flags |= Qt::WindowStaysOnTopHint;
  const bool shown = isVisible();
  setWindowFlags(flags);
  if (border_style_ != bsSizeable && border_style_ != bsSizeToolWin) setFixedSize(size());
  if (shown) show();
}

void TForm::FinishCreation() {
  EndLoading();
  Notify(OnCreate, this);
}

void TForm::Show() {
  SetVisible(true);
  activateWindow();
}

void TForm::Hide() {
  SetVisible(false);
}

TWinControl* TForm::ActiveControl() const {
  for (QWidget* w = focusWidget(); w; w = w->parentWidget()) {
    if (w == this) return nullptr;
    if (auto* c = qobject_cast<TWinControl*>(w)) return c;
  }
  return nullptr;
}

void TForm::SelectNext(TWinControl* current, bool forward) {
  QWidget* w = current;
  // Walk the focus chain until a control that takes the focus by tab comes up.
  for (int guard = 0; guard < 1000; ++guard) {
    w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
    if (!w || w == current) return;
    auto* c = qobject_cast<TWinControl*>(w);
    if (c && c->TabStop() && c->CanFocus() && c->window() == this) {
      c->SetFocus();
      return;
    }
  }
}

bool TForm::DialogKey(std::uint16_t key, TShiftState shift) {
  bool handled = false;
  std::function<void(QWidget*)> offer = [&](QWidget* parent) {
    for (QObject* o : parent->children()) {
      if (handled) return;
      auto* c = qobject_cast<TWinControl*>(o);
      if (!c || !c->isVisible() || !c->isEnabled()) continue;
      handled = c->DialogKey(key, shift);
      if (!handled) offer(c);
    }
  };
  offer(this);
  return handled;
}

void TForm::TextChanged() {
  setWindowTitle(FromCp1250(CaptionText(Caption())));
}

void TForm::setVisible(bool visible) {
  // The place is settled before the window first appears: moving it once
  // shown would ask the window system for its frame and move it again. A
  // window that has never been shown has no frame yet, so its own size is
  // what is centred.
  if (visible && position_ == poScreenCenter && !centred_) {
    centred_ = true;
    const TRect area = Screen->WorkAreaRect();
    move(area.Left + (area.Width() - width()) / 2, area.Top + (area.Height() - height()) / 2);
  }
  TWinControl::setVisible(visible);
}

void TForm::showEvent(QShowEvent* event) {
  TWinControl::showEvent(event);
  Notify(OnShow, this);
}

void TForm::hideEvent(QHideEvent* event) {
  TWinControl::hideEvent(event);
  if (!event->spontaneous()) Notify(OnHide, this);
}

void TForm::closeEvent(QCloseEvent* event) {
  Notify(OnClose, this);
  TWinControl::closeEvent(event);
}

void TForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange)
    Notify(isActiveWindow() ? OnActivate : OnDeactivate, this);
  TWinControl::changeEvent(event);
}

}  // namespace bitcalc::framework
