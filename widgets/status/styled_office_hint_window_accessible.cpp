#include <QStringList>

#include "framework/accessibility/accessible_control.h"
#include "framework/text/text.h"
#include "widgets/status/styled_office_hint.h"
#include "widgets/status/styled_office_hint_window.h"

namespace bitcalc::widgets {

namespace {

// The hint shown, as a tool tip: in the office layout its title is the name
// and its lines the description, and a hint without a title is named by its
// lines; a plain hint is named by the text it shows.
class TAccessibleOfficeHint : public framework::TAccessibleControl {
 public:
  explicit TAccessibleOfficeHint(TStyledOfficeHintWindow* window)
      : TAccessibleControl(window, QAccessible::ToolTip) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Description) return TAccessibleControl::text(t);
    const TStyledOfficeHint* hint = Office();
    return hint && !Title(*hint).isEmpty() ? Lines(*hint) : QString();
  }

 protected:
  QString OwnName() const override {
    const TStyledOfficeHint* hint = Office();
    if (!hint) return TAccessibleControl::OwnName();
    return Title(*hint).isEmpty() ? Lines(*hint) : Title(*hint);
  }

 private:
  static const TStyledOfficeHint* Office() {
    const TStyledOfficeHint* hint = MainFormOfficeHint();
    return hint && hint->OfficeLayout() ? hint : nullptr;
  }
  static QString Title(const TStyledOfficeHint& hint) {
    return framework::FromCp1250(hint.Content().Title);
  }
  static QString Lines(const TStyledOfficeHint& hint) {
    QStringList lines;
    for (const std::string& note : hint.Content().Notes) lines << framework::FromCp1250(note);
    return lines.join('\n');
  }
};

}  // namespace

QAccessibleInterface* TStyledOfficeHintWindow::CreateAccessible() {
  return new TAccessibleOfficeHint(this);
}

}  // namespace bitcalc::widgets
