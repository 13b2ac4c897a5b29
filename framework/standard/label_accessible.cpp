#include "framework/accessibility/accessible_control.h"
#include "framework/standard/label.h"
#include "framework/text/draw_text.h"
#include "framework/text/text.h"

namespace bitcalc::framework {

namespace {

// A label reads as the text it shows: prefixes resolved when it has them.
class TAccessibleLabel : public TAccessibleControl {
 public:
  explicit TAccessibleLabel(TLabel* label) : TAccessibleControl(label, QAccessible::StaticText) {}

 protected:
  QString OwnName() const override {
    const auto* label = static_cast<const TLabel*>(Control());
    const QString caption = CaptionToQString(label->Caption());
    return label->ShowAccelChar() ? StripPrefixes(caption) : caption;
  }
};

}  // namespace

QAccessibleInterface* TLabel::CreateAccessible() {
  return new TAccessibleLabel(this);
}

}  // namespace bitcalc::framework
