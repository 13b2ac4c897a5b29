#include <QAccessibleValueInterface>
#include <algorithm>

#include "framework/accessibility/accessible_control.h"
#include "framework/text/text.h"
#include "widgets/trackbar/custom_track_bar.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// The track bar as a slider. Its value is Position, read out through
// ValueText, which is its description too; a new value is set the way the
// mouse sets one, by dragging the thumb there.
class TAccessibleTrackBar : public TAccessibleControl, public QAccessibleValueInterface {
 public:
  explicit TAccessibleTrackBar(TCustomTrackBar* bar)
      : TAccessibleControl(bar, QAccessible::Slider) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return TAccessibleControl::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    // Qt's AT-SPI bridge carries no value text, so the description repeats
    // it: a screen reader then reads "Operation", the position and its text.
    if (t == QAccessible::Value || t == QAccessible::Description)
      return FromCp1250(Bar()->ValueText(Bar()->Position()));
    return TAccessibleControl::text(t);
  }

  QVariant currentValue() const override { return Bar()->Position(); }
  void setCurrentValue(const QVariant& value) override {
    TCustomTrackBar* bar = Bar();
    const int v = std::clamp(value.toInt(), bar->Min(), bar->Max());
    DragControl(bar, bar->GetThumbRect().Centre(), DragPointFor(bar->Layout(), v));
  }
  QVariant maximumValue() const override { return Bar()->Max(); }
  QVariant minimumValue() const override { return Bar()->Min(); }
  QVariant minimumStepSize() const override { return 1; }

 private:
  TCustomTrackBar* Bar() const { return static_cast<TCustomTrackBar*>(Control()); }
};

}  // namespace

std::string TCustomTrackBar::ValueText(int value) {
  std::string text = std::to_string(value);
  if (OnGetValueText) OnGetValueText(this, value, text);
  return text;
}

QAccessibleInterface* TCustomTrackBar::CreateAccessible() {
  return new TAccessibleTrackBar(this);
}

}  // namespace bitcalc::widgets
