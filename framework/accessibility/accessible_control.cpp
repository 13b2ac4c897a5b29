#include "framework/accessibility/accessible_control.h"

#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>

#include "framework/text/text.h"

namespace bitcalc::framework {

namespace {

QAccessibleInterface* ControlInterface(const QString&, QObject* object) {
  auto* control = object && object->isWidgetType() ? dynamic_cast<TControl*>(object) : nullptr;
  return control ? control->CreateAccessible() : nullptr;
}

void SendMouse(TControl* control, QEvent::Type type, TPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
  const QPointF local(at.X, at.Y);
  QMouseEvent event(type, local, control->mapToGlobal(local), button, held, Qt::NoModifier);
  // A time on the monotonic clock, as the platform stamps its events, so the
  // double-click rule judges these presses as it judges the user's.
  event.setTimestamp(quint64(QDeadlineTimer::current(Qt::PreciseTimer).deadline()));
  QApplication::sendEvent(control, &event);
}

}  // namespace

bool AccessibilityListens(const TControl* control) {
  return QAccessible::isActive() && control->isVisible();
}

void InstallAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(ControlInterface);
}

TAccessibleControl::TAccessibleControl(TControl* control, QAccessible::Role role)
    : QAccessibleWidget(control, role) {}

TAccessibleControl::~TAccessibleControl() {
  for (const auto& [index, id] : parts_) QAccessible::deleteAccessibleInterface(id);
}

QString TAccessibleControl::text(QAccessible::Text t) const {
  if (t != QAccessible::Name) return QAccessibleWidget::text(t);
  const QString given = widget()->accessibleName();
  return given.isEmpty() ? OwnName() : given;
}

QString TAccessibleControl::OwnName() const {
  return CaptionToQString(Control()->Caption());
}

int TAccessibleControl::childCount() const {
  const int parts = PartCount();
  return parts < 0 ? QAccessibleWidget::childCount() : parts;
}

QAccessibleInterface* TAccessibleControl::child(int index) const {
  if (PartCount() < 0) return QAccessibleWidget::child(index);
  if (index < 0 || index >= PartCount()) return nullptr;
  if (const auto made = parts_.find(index); made != parts_.end())
    return QAccessible::accessibleInterface(made->second);
  // Qt asks for children through a const interface, yet a part holds its
  // parent as the interface it is.
  QAccessibleInterface* part = CreatePart(const_cast<TAccessibleControl*>(this), index);
  if (part) parts_[index] = QAccessible::registerAccessibleInterface(part);
  return part;
}

int TAccessibleControl::indexOfChild(const QAccessibleInterface* c) const {
  if (PartCount() < 0) return QAccessibleWidget::indexOfChild(c);
  for (const auto& [index, id] : parts_)
    if (QAccessible::accessibleInterface(id) == c) return index < PartCount() ? index : -1;
  return -1;
}

QAccessibleInterface* TAccessibleControl::childAt(int x, int y) const {
  if (PartCount() < 0) return QAccessibleWidget::childAt(x, y);
  for (int i = 0; i < PartCount(); ++i)
    if (QAccessibleInterface* part = child(i); part && part->rect().contains(x, y)) return part;
  return nullptr;
}

void ClickControl(TControl* control, TPoint p) {
  SendMouse(control, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
  SendMouse(control, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
  SendMouse(control, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
}

void DragControl(TControl* control, TPoint from, TPoint to) {
  SendMouse(control, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  SendMouse(control, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  SendMouse(control, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

void NotifyAccessibleState(TControl* control, QAccessible::State changed) {
  if (!AccessibilityListens(control)) return;
  QAccessibleStateChangeEvent event(control, changed);
  QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleValue(TControl* control, const QVariant& value) {
  if (!AccessibilityListens(control)) return;
  QAccessibleValueChangeEvent event(control, value);
  QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleName(TControl* control) {
  if (!AccessibilityListens(control)) return;
  QAccessibleEvent event(control, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace bitcalc::framework
