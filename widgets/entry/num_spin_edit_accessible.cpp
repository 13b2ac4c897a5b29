#include <QAccessibleValueInterface>
#include <QLineEdit>
#include <QWidget>

#include "framework/accessibility/accessible_control.h"
#include "framework/text/text.h"
#include "widgets/entry/num_spin_edit.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// The field as a spin box: its value is Value and reads as the text shown. A
// value set from outside is a program's write of Value (clamped, not bound by
// MaxLength, one OnChange when the text changes), and Increase and Decrease
// are the field's own steps, so they beep and stop on a read-only field as the
// arrow keys do.
class TAccessibleSpinEdit : public framework::TAccessibleControl,
                            public QAccessibleValueInterface {
 public:
  explicit TAccessibleSpinEdit(TNumSpinEdit* edit)
      : TAccessibleControl(edit, QAccessible::SpinBox) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return TAccessibleControl::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? framework::FromCp1250(Edit()->Text())
                                   : TAccessibleControl::text(t);
  }

  QStringList actionNames() const override {
    return QStringList{increaseAction(), decreaseAction()} + TAccessibleControl::actionNames();
  }
  void doAction(const QString& name) override {
    if (name == increaseAction())
      Edit()->StepUp();
    else if (name == decreaseAction())
      Edit()->StepDown();
    else
      TAccessibleControl::doAction(name);
  }

  QVariant currentValue() const override { return double(Edit()->Value()); }
  void setCurrentValue(const QVariant& value) override {
    bool number = false;
    const double v = value.toDouble(&number);
    if (number) Edit()->SetValue(v);
  }
  QVariant maximumValue() const override { return double(Edit()->MaxValue()); }
  QVariant minimumValue() const override { return double(Edit()->MinValue()); }
  QVariant minimumStepSize() const override { return double(Edit()->Increment()); }

 protected:
  // The text field is the spin box's one part; the button beside it is for
  // the mouse, and Increase and Decrease stand for it.
  QList<QWidget*> AccessibleChildWidgets() const override {
    return {Edit()->Editor()};
  }

 private:
  TNumSpinEdit* Edit() const { return static_cast<TNumSpinEdit*>(Control()); }
};

}  // namespace

QAccessibleInterface* TNumSpinEdit::CreateAccessible() {
  return new TAccessibleSpinEdit(this);
}

}  // namespace bitcalc::widgets
