#include <functional>
#include <utility>

#include "framework/accessibility/accessible_control.h"
#include "widgets/bits/bit_led.h"
#include "widgets/bits/bit_switch.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// A bit as a check box, checked with the bit. It is read-only where the mouse
// cannot change it; elsewhere it toggles by a click at the point the control
// gives.
class TAccessibleBit : public TAccessibleControl {
 public:
  TAccessibleBit(TBitControl* bit, std::function<TPoint()> clickPoint)
      : TAccessibleControl(bit, QAccessible::CheckBox), click_point_(std::move(clickPoint)) {}

  QAccessible::State state() const override {
    QAccessible::State s = TAccessibleControl::state();
    s.checkable = true;
    s.checked = Bit()->Checked();
    s.readOnly = ReadOnly();
    return s;
  }
  QStringList actionNames() const override {
    QStringList names = TAccessibleControl::actionNames();
    if (!ReadOnly()) names.prepend(toggleAction());
    return names;
  }
  void doAction(const QString& name) override {
    if (name == toggleAction() && !ReadOnly())
      ClickControl(Bit(), click_point_());
    else
      TAccessibleControl::doAction(name);
  }

 private:
  TBitControl* Bit() const { return static_cast<TBitControl*>(Control()); }
  bool ReadOnly() const { return Bit()->Mode() == mIndicator; }

  std::function<TPoint()> click_point_;
};

}  // namespace

QAccessibleInterface* TBitSwitch::CreateAccessible() {
  return new TAccessibleBit(
      this, [this] { return FreeHalfCentre(Width(), Height(), vertical_, ShownState()); });
}

QAccessibleInterface* TBitLED::CreateAccessible() {
  return new TAccessibleBit(this, [this] { return ClientRect().Centre(); });
}

}  // namespace bitcalc::widgets
