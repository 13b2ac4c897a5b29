#include <QAccessibleWidget>
#include <QPushButton>

#include "framework/accessibility/accessible_control.h"
#include "framework/standard/button.h"
#include "framework/text/draw_text.h"
#include "framework/text/text.h"

namespace bitcalc::framework {

namespace {

// The platform button of a TButton, standing in the control's place: named as
// the window names the control (or by its caption), pressed the way the mouse
// presses it, so OnClick runs once as for a click.
class TAccessibleButton : public QAccessibleWidget {
 public:
  TAccessibleButton(QPushButton* inner, TButton* owner)
      : QAccessibleWidget(inner, QAccessible::Button), owner_(owner) {}

  QAccessibleInterface* parent() const override { return AccessibleParentOf(owner_); }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
    if (!owner_->accessibleName().isEmpty()) return owner_->accessibleName();
    return StripPrefixes(CaptionToQString(owner_->Caption()));
  }
  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && widget()->isEnabled())
      ClickControl(widget(), TPoint{widget()->width() / 2, widget()->height() / 2});
    else
      QAccessibleWidget::doAction(name);
  }

 private:
  TButton* owner_;
};

}  // namespace

QAccessibleInterface* TButton::CreateInnerAccessible(QWidget* inner) {
  return inner == Widget() ? new TAccessibleButton(Widget(), this) : nullptr;
}

}  // namespace bitcalc::framework
