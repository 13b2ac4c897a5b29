#include "framework/controls/win_control.h"

#include <QPainter>
#include <algorithm>
#include <vector>

#include "framework/text/text.h"

namespace bitcalc::framework {

namespace {

bool IsArrow(std::uint16_t key) {
  return key >= VK_LEFT && key <= VK_DOWN;
}

}  // namespace

bool IsWindowActivation(Qt::FocusReason r) {
  return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
}

std::uint16_t VirtualKeyOf(int k) {
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return std::uint16_t('A' + (k - Qt::Key_A));
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return std::uint16_t('0' + (k - Qt::Key_0));
  if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return std::uint16_t(VK_F1 + (k - Qt::Key_F1));
  switch (k) {
    case Qt::Key_Backspace:
      return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN;
    case Qt::Key_Shift:
      return VK_SHIFT;
    case Qt::Key_Control:
      return VK_CONTROL;
    case Qt::Key_Alt:
      return VK_MENU;
    case Qt::Key_Escape:
      return VK_ESCAPE;
    case Qt::Key_Space:
      return VK_SPACE;
    case Qt::Key_PageUp:
      return VK_PRIOR;
    case Qt::Key_PageDown:
      return VK_NEXT;
    case Qt::Key_End:
      return VK_END;
    case Qt::Key_Home:
      return VK_HOME;
    case Qt::Key_Left:
      return VK_LEFT;
    case Qt::Key_Up:
      return VK_UP;
    case Qt::Key_Right:
      return VK_RIGHT;
    case Qt::Key_Down:
      return VK_DOWN;
    case Qt::Key_Insert:
      return VK_INSERT;
    case Qt::Key_Delete:
      return VK_DELETE;
    default:
      return 0;
  }
}

char CharacterOf(const QKeyEvent* event) {
  const int k = event->key();
  // Control combinations type control characters (Ctrl+V is code 22),
  // whatever text the platform attaches to them.
  if ((event->modifiers() & Qt::ControlModifier) && k >= Qt::Key_A && k <= Qt::Key_Z)
    return char(1 + (k - Qt::Key_A));
  switch (k) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    default:
      break;
  }
  // One character, even one beyond the basic plane, is one byte of the code
  // page: '?' for a character it lacks, as the field will hold it.
  const QString text = event->text();
  const std::string bytes = ToCp1250(text);
  return bytes.size() == 1 && StartsWithPrintable(text) ? bytes[0] : 0;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
  UpdateFocusPolicy();
}

void TWinControl::SetTabStop(bool v) {
  if (v == tab_stop_) return;
  tab_stop_ = v;
  UpdateFocusPolicy();
  ApplyTabOrder();
}

void TWinControl::SetTabOrder(int v) {
  if (v == tab_order_) return;
  tab_order_ = v;
  ApplyTabOrder();
}

void TWinControl::SetParent(TWinControl* parent) {
  TControl::SetParent(parent);
  ApplyTabOrder();
}

void TWinControl::UpdateFocusPolicy() {
  setFocusPolicy(tab_stop_ ? Qt::TabFocus : Qt::NoFocus);
}

bool TWinControl::CanFocus() const {
  for (const QWidget* w = this; w; w = w->parentWidget()) {
    if (w->isWindow()) return w->isVisible() && w->isEnabled();
    if (w->isHidden() || !w->isEnabled()) return false;
  }
  return false;
}

void TWinControl::SetFocus() {
  setFocus(Qt::OtherFocusReason);
}

bool TWinControl::DialogKey(std::uint16_t, TShiftState) {
  return false;
}

TDialogHost* TWinControl::ParentForm() const {
  for (QWidget* w = const_cast<TWinControl*>(this); w; w = w->parentWidget())
    if (auto* f = dynamic_cast<TDialogHost*>(w)) return f;
  return nullptr;
}

void TWinControl::PlaceInZOrder(TControl* child) {
  if (qobject_cast<TWinControl*>(child)) {
    child->raise();
    return;
  }
  // A graphic control goes just below the lowest windowed sibling.
  for (QObject* o : children()) {
    auto* sibling = qobject_cast<TWinControl*>(o);
    if (sibling && sibling != child) {
      child->stackUnder(sibling);
      return;
    }
  }
  child->raise();
}

void TWinControl::ApplyTabOrder() {
  auto* parent = Parent();
  if (!parent) return;
  std::vector<TWinControl*> stops;
  for (QObject* o : parent->children())
    if (auto* c = qobject_cast<TWinControl*>(o); c && c->tab_stop_) stops.push_back(c);
  std::stable_sort(stops.begin(), stops.end(), [](const TWinControl* a, const TWinControl* b) {
    return a->tab_order_ < b->tab_order_;
  });
  for (size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1], stops[i]);
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

bool TWinControl::ProcessKeyPress(QKeyEvent* event) {
  std::uint16_t key = VirtualKeyOf(event->key());
  const TShiftState shift = ShiftStateOf(event->modifiers());
  if (key == VK_TAB) return false;  // focus navigation belongs to the platform
  if (key != 0) {
    KeyDown(key, shift);
    if (key == 0) return true;
    if (IsArrow(key) && !(DialogCode() & DLGC_WANTARROWS)) {
      if (TDialogHost* form = ParentForm())
        form->SelectNext(this, key == VK_RIGHT || key == VK_DOWN);
      return true;
    }
    if ((key == VK_RETURN || key == VK_ESCAPE) && !(DialogCode() & DLGC_WANTALLKEYS)) {
      if (TDialogHost* form = ParentForm(); form && form->DialogKey(key, shift)) return true;
    }
  }
  char ch = CharacterOf(event);
  if (ch == 0) return false;
  const char typed = ch;
  KeyPress(ch);
  return ch != typed;
}

bool TWinControl::ProcessKeyRelease(QKeyEvent* event) {
  std::uint16_t key = VirtualKeyOf(event->key());
  if (key == 0) return false;
  KeyUp(key, ShiftStateOf(event->modifiers()));
  return key == 0;
}

// A key belongs to the focused control alone: it is not handed on to the
// parent, which would otherwise run it through its own handlers again.
void TWinControl::keyPressEvent(QKeyEvent* event) {
  ProcessKeyPress(event);
  event->accept();
}

void TWinControl::keyReleaseEvent(QKeyEvent* event) {
  ProcessKeyRelease(event);
  event->accept();
}

void TWinControl::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (!IsWindowActivation(event->reason())) DoEnter();
}

void TWinControl::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  if (!IsWindowActivation(event->reason())) DoExit();
}

void TWinControl::paintEvent(QPaintEvent* event) {
  if (!(ControlStyle() & csOpaque)) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
  }
  TControl::paintEvent(event);
}

}  // namespace bitcalc::framework
