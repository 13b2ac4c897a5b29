#include "framework/controls/control.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <cstdlib>

#include "framework/controls/win_control.h"
#include "framework/raster/canvas.h"

namespace bitcalc::framework {

namespace {

// A second press counts as a double click only this close to the first,
// as the Windows double-click rectangle (4 x 4 pixels) allows.
constexpr int kDoubleClickSlop = 2;

Qt::CursorShape ShapeOf(TCursor c) {
  switch (c) {
    case crHandPoint:
      return Qt::PointingHandCursor;
    case crIBeam:
      return Qt::IBeamCursor;
    case crSizeNS:
      return Qt::SizeVerCursor;
    case crSizeWE:
      return Qt::SizeHorCursor;
    case crDefault:
    case crArrow:
      break;
  }
  return Qt::ArrowCursor;
}

bool ButtonOf(Qt::MouseButton b, TMouseButton& out) {
  switch (b) {
    case Qt::LeftButton:
      out = mbLeft;
      return true;
    case Qt::RightButton:
      out = mbRight;
      return true;
    case Qt::MiddleButton:
      out = mbMiddle;
      return true;
    default:
      return false;
  }
}

}  // namespace

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState s = 0;
  if (modifiers & Qt::ShiftModifier) s |= ssShift;
  if (modifiers & Qt::AltModifier) s |= ssAlt;
  if (modifiers & Qt::ControlModifier) s |= ssCtrl;
  if (buttons & Qt::LeftButton) s |= ssLeft;
  if (buttons & Qt::RightButton) s |= ssRight;
  if (buttons & Qt::MiddleButton) s |= ssMiddle;
  return s;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), font_(std::make_unique<TFont>()), canvas_(std::make_unique<TCanvas>()) {
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  font_->OnChange = [this](TObject*) {
    if (!syncing_font_) parent_font_ = false;
    ApplyFont();
  };
  QWidget::setFont(font_->ToQFont());
}

TControl::~TControl() {
  // Children still owned elsewhere must not call back into a half-destroyed parent.
  for (QObject* child : children())
    if (auto* c = dynamic_cast<TControl*>(child)) c->parent_ = nullptr;
}

void TControl::SetName(const std::string& name) {
  TComponent::SetName(name);
  setObjectName(QString::fromStdString(name));
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  parent_ = parent;
  reparenting_ = true;
  setParent(parent);
  reparenting_ = false;
  if (parent) {
    parent->PlaceInZOrder(this);
    if (parent_font_) ParentFontChanged();
    if (parent_color_) ParentColorChanged();
    if (visible_) show();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  setGeometry(left, top, std::max(0, width), std::max(0, height));
}

void TControl::SetVisible(bool v) {
  if (v == visible_) return;
  // A control with no parent yet is only marked; it shows once it has one.
  if (parent_ || isWindow())
    setVisible(v);
  else
    StoreVisible(v);
}

void TControl::setVisible(bool visible) {
  if (reparenting_) {
    QWidget::setVisible(visible);
    return;
  }
  const bool changed = StoreChanged(visible_, visible);
  QWidget::setVisible(visible);
  if (changed) VisibleChanged();
}

void TControl::StoreVisible(bool v) {
  if (StoreChanged(visible_, v)) VisibleChanged();
}

void TControl::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  QWidget::setEnabled(v);
  EnabledChanged();
}

void TControl::SetParentFont(bool v) {
  if (v == parent_font_) return;
  parent_font_ = v;
  if (v && parent_) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parent_font_ || !parent_) return;
  syncing_font_ = true;
  font_->Assign(parent_->Font());
  syncing_font_ = false;
}

void TControl::ApplyFont() {
  qt_font_stale_ = true;
  if (isVisible()) SyncQtFont();
  FontChanged();
  for (QObject* child : children())
    if (auto* c = dynamic_cast<TControl*>(child)) c->ParentFontChanged();
}

void TControl::SyncQtFont() {
  if (!qt_font_stale_) return;
  qt_font_stale_ = false;
  ApplyQtFont(font_->ToQFont());
}

void TControl::ApplyQtFont(const QFont& font) {
  QWidget::setFont(font);
}

void TControl::SetColor(TColor v) {
  parent_color_ = false;
  if (v == color_) return;
  color_ = v;
  ColorChanged();
  for (QObject* child : children())
    if (auto* c = dynamic_cast<TControl*>(child)) c->ParentColorChanged();
}

void TControl::SetParentColor(bool v) {
  if (v == parent_color_) return;
  parent_color_ = v;
  if (v && parent_) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!parent_color_ || !parent_) return;
  SetColor(parent_->Color());
  parent_color_ = true;
}

void TControl::SetCaption(const std::string& v) {
  if (v == caption_) return;
  caption_ = v;
  TextChanged();
}

bool TControl::ShowHint() const {
  if (parent_show_hint_ && parent_) return parent_->ShowHint();
  return show_hint_;
}

void TControl::SetShowHint(bool v) {
  show_hint_ = v;
  parent_show_hint_ = false;
}

void TControl::SetCursor(TCursor v) {
  if (v == cursor_) return;
  cursor_ = v;
  if (v == crDefault)
    unsetCursor();
  else
    QWidget::setCursor(ShapeOf(v));
}

void TControl::DrawNow(const TRect& area, const std::function<void(TCanvas&)>& draw) {
  if (painting_) {
    draw(*canvas_);
    return;
  }
  if (!isVisible() || area.IsEmpty()) return;
  direct_draw_ = &draw;
  repaint(area.ToQRect());
  direct_draw_ = nullptr;
}

bool TControl::HintShow(THintInfo&) {
  return true;
}

bool TControl::MouseCapture() const {
  return QWidget::mouseGrabber() == this || left_down_;
}

bool TControl::event(QEvent* event) {
  if (event->type() == QEvent::Show) SyncQtFont();
  return QWidget::event(event);
}

void TControl::paintEvent(QPaintEvent*) {
  // A control grabbed without ever being shown paints all the same.
  SyncQtFont();
  QPainter painter(this);
  canvas_->Attach(&painter);
  canvas_->Font().Assign(*font_);
  painting_ = true;
  if (direct_draw_)
    (*direct_draw_)(*canvas_);
  else
    Paint();
  painting_ = false;
  canvas_->Detach();
}

bool TControl::IsSecondPress(const QMouseEvent* event, TMouseButton button) const {
  if (!last_press_.valid || last_press_.wasDouble || last_press_.button != button) return false;
  const quint64 interval = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
  if (event->timestamp() < last_press_.timestamp ||
      event->timestamp() - last_press_.timestamp > interval)
    return false;
  const QPoint d = event->position().toPoint() - last_press_.pos;
  return std::abs(d.x()) <= kDoubleClickSlop && std::abs(d.y()) <= kDoubleClickSlop;
}

void TControl::HandlePress(QMouseEvent* event, bool reportedDouble) {
  TMouseButton button;
  if (!ButtonOf(event->button(), button)) return;
  const bool isDouble =
      (control_style_ & csDoubleClicks) && (reportedDouble || IsSecondPress(event, button));
  last_press_ = {button, event->position().toPoint(), event->timestamp(), true, isDouble};
  if (button == mbLeft) left_down_ = true;
  const int x = int(event->position().x());
  const int y = int(event->position().y());
  TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
  if (isDouble) {
    if (button == mbLeft) DblClick();
    MouseDown(button, shift | ssDouble, x, y);
    return;
  }
  if (button == mbLeft && (control_style_ & csClickEvents)) clicked_ = true;
  MouseDown(button, shift, x, y);
}

void TControl::mousePressEvent(QMouseEvent* event) {
  HandlePress(event, false);
}

void TControl::mouseDoubleClickEvent(QMouseEvent* event) {
  // A platform that reports the second press twice (as a press and as a
  // double click) gets it handled once.
  if (last_press_.valid && event->timestamp() == last_press_.timestamp) return;
  HandlePress(event, true);
}

void TControl::mouseMoveEvent(QMouseEvent* event) {
  MouseMove(ShiftStateOf(event->modifiers(), event->buttons()), int(event->position().x()),
            int(event->position().y()));
}

void TControl::mouseReleaseEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ButtonOf(event->button(), button)) return;
  const int x = int(event->position().x());
  const int y = int(event->position().y());
  if (button == mbLeft) {
    left_down_ = false;
    if (clicked_) {
      clicked_ = false;
      if (ClientRect().Contains(Point(x, y))) Click();
    }
  }
  MouseUp(button, ShiftStateOf(event->modifiers(), event->buttons()), x, y);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::enterEvent(QEnterEvent*) {
  MouseEnter();
}
void TControl::leaveEvent(QEvent*) {
  MouseLeave();
}
void TControl::resizeEvent(QResizeEvent*) {
  Resize();
}

}  // namespace bitcalc::framework
