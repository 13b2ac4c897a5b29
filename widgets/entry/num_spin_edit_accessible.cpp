#include <QAccessibleValueInterface>

#include "framework/accessibility/accessible_control.h"
#include "framework/text/text.h"
#include "widgets/entry/num_spin_edit.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// The field as a spin box: its value is Value and reads as the text shown.
// A value is entered by typing into the field, as the user does; it is not
// set from outside.
class TAccessibleSpinEdit : public TAccessibleControl, public QAccessibleValueInterface {
 public:
  explicit TAccessibleSpinEdit(TNumSpinEdit* edit)
      : TAccessibleControl(edit, QAccessible::SpinBox) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return TAccessibleControl::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? FromCp1250(Edit()->Text()) : TAccessibleControl::text(t);
  }

  QVariant currentValue() const override { return double(Edit()->Value()); }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return double(Edit()->MaxValue()); }
  QVariant minimumValue() const override { return double(Edit()->MinValue()); }
  QVariant minimumStepSize() const override { return double(Edit()->Increment()); }

 private:
  TNumSpinEdit* Edit() const { return static_cast<TNumSpinEdit*>(Control()); }
};

}  // namespace

QAccessibleInterface* TNumSpinEdit::CreateAccessible() {
  return new TAccessibleSpinEdit(this);
}

}  // namespace bitcalc::widgets
