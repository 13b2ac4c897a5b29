#include "framework/accessibility/accessible_control.h"

#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>

#include "framework/text/text.h"

namespace bitcalc::framework {

namespace {

TControl* AsControl(QObject* object) {
  return object && object->isWidgetType() ? dynamic_cast<TControl*>(object) : nullptr;
}

QAccessibleInterface* ControlInterface(const QString&, QObject* object) {
  if (TControl* control = AsControl(object)) return control->CreateAccessible();
  if (!object || !object->isWidgetType()) return nullptr;
  TControl* owner = AsControl(object->parent());
  return owner && owner->AccessiblePresence() == apInner
             ? owner->CreateInnerAccessible(static_cast<QWidget*>(object))
             : nullptr;
}

void CollectPresented(const QWidget* parent, QList<QWidget*>& out) {
  for (QObject* o : parent->children()) {
    if (!o->isWidgetType()) continue;
    auto* w = static_cast<QWidget*>(o);
    if (w->isWindow()) continue;
    const TControl* control = AsControl(w);
    const TAccessiblePresence presence = control ? control->AccessiblePresence() : apSelf;
    if (presence == apSelf) out << w;
    if (presence == apInner) CollectPresented(w, out);
  }
}

void SendMouse(QWidget* control, QEvent::Type type, TPoint at, Qt::MouseButton button,
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
  QString name = given.isEmpty() ? OwnName() : given;
  if (Control()->OnGetAccessibleName) Control()->OnGetAccessibleName(Control(), name);
  return name;
}

QString TAccessibleControl::OwnName() const {
  return CaptionToQString(Control()->Caption());
}

QAccessibleInterface* AccessibleParentOf(const QWidget* widget) {
  QWidget* up = widget->parentWidget();
  while (up && !up->isWindow() && AsControl(up) && AsControl(up)->AccessiblePresence() == apInner)
    up = up->parentWidget();
  return up ? QAccessible::queryAccessibleInterface(up) : nullptr;
}

QAccessibleInterface* TAccessibleControl::parent() const {
  return widget()->isWindow() ? QAccessibleWidget::parent() : AccessibleParentOf(widget());
}

QList<QWidget*> TAccessibleControl::AccessibleChildWidgets() const {
  QList<QWidget*> children;
  CollectPresented(widget(), children);
  return children;
}

int TAccessibleControl::childCount() const {
  const int parts = PartCount();
  return parts < 0 ? int(AccessibleChildWidgets().size()) : parts;
}

QAccessibleInterface* TAccessibleControl::child(int index) const {
  if (PartCount() < 0) {
    const QList<QWidget*> children = AccessibleChildWidgets();
    return index >= 0 && index < children.size()
               ? QAccessible::queryAccessibleInterface(children[index])
               : nullptr;
  }
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
  if (PartCount() < 0) {
    QObject* object = c ? c->object() : nullptr;
    return object && object->isWidgetType()
               ? int(AccessibleChildWidgets().indexOf(static_cast<QWidget*>(object)))
               : -1;
  }
  for (const auto& [index, id] : parts_)
    if (QAccessible::accessibleInterface(id) == c) return index < PartCount() ? index : -1;
  return -1;
}

QAccessibleInterface* TAccessibleControl::childAt(int x, int y) const {
  for (int i = 0; i < childCount(); ++i)
    if (QAccessibleInterface* c = child(i); c && !c->state().invisible && c->rect().contains(x, y))
      return c;
  return nullptr;
}

void ClickControl(QWidget* control, TPoint p) {
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

void NotifyAccessibleDescription(TControl* control) {
  if (!AccessibilityListens(control)) return;
  QAccessibleEvent event(control, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleShown(TControl* control) {
  if (!AccessibilityListens(control)) return;
  QAccessibleEvent event(control, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&event);
}

}  // namespace bitcalc::framework
