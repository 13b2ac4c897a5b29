#include <QStringList>

#include "framework/accessibility/accessible_control.h"
#include "framework/text/text.h"
#include "widgets/status/styled_office_hint.h"
#include "widgets/status/styled_office_hint_window.h"

namespace bitcalc::widgets {

namespace {

// The hint shown, as a tool tip: its title is the name and its lines the
// description; a hint without a title is named by its lines. Without an
// office hint on the main form the window shows its caption, and is named so.
class TAccessibleOfficeHint : public framework::TAccessibleControl {
 public:
  explicit TAccessibleOfficeHint(TStyledOfficeHintWindow* window)
      : TAccessibleControl(window, QAccessible::ToolTip) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description) return Title().isEmpty() ? QString() : Lines();
    return TAccessibleControl::text(t);
  }

 protected:
  QString OwnName() const override {
    if (!MainFormOfficeHint()) return TAccessibleControl::OwnName();
    return Title().isEmpty() ? Lines() : Title();
  }

 private:
  static QString Title() {
    const TStyledOfficeHint* hint = MainFormOfficeHint();
    return hint ? framework::FromCp1250(hint->Content().Title) : QString();
  }
  static QString Lines() {
    const TStyledOfficeHint* hint = MainFormOfficeHint();
    if (!hint) return {};
    QStringList lines;
    for (const std::string& note : hint->Content().Notes) lines << framework::FromCp1250(note);
    return lines.join('\n');
  }
};

}  // namespace

QAccessibleInterface* TStyledOfficeHintWindow::CreateAccessible() {
  return new TAccessibleOfficeHint(this);
}

}  // namespace bitcalc::widgets
