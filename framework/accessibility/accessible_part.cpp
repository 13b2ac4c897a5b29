#include "framework/accessibility/accessible_part.h"

namespace bitcalc::framework {

TAccessiblePart::TAccessiblePart(QAccessibleInterface* parent, int index, QAccessible::Role role)
    : parent_(parent), index_(index), role_(role) {}

bool TAccessiblePart::isValid() const {
  return parent_->isValid() && index_ < parent_->childCount();
}

QAccessible::State TAccessiblePart::state() const {
  QAccessible::State s;
  s.invisible = !Control()->isVisible();
  s.disabled = !Control()->isEnabled();
  return s;
}

QString TAccessiblePart::text(QAccessible::Text t) const {
  return t == QAccessible::Name && isValid() ? Name() : QString();
}

QRect TAccessiblePart::rect() const {
  if (!isValid()) return {};
  const QRect local = Bounds().ToQRect();
  return QRect(Control()->mapToGlobal(local.topLeft()), local.size());
}

void* TAccessiblePart::interface_cast(QAccessible::InterfaceType t) {
  return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                           : nullptr;
}

}  // namespace bitcalc::framework
