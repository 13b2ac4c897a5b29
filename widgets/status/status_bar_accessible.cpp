#include "framework/accessibility/accessible_control.h"
#include "framework/accessibility/accessible_part.h"
#include "framework/text/text.h"
#include "widgets/status/markup_text.h"
#include "widgets/status/styled_office_status_bar.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

TStyledOfficeStatusBar* BarOf(TControl* control) {
  return static_cast<TStyledOfficeStatusBar*>(control);
}

// A panel, or the simple panel standing for them all, as static text: its
// rich text without the markup.
class TAccessibleStatusPanel : public TAccessiblePart {
 public:
  TAccessibleStatusPanel(QAccessibleInterface* bar, int index)
      : TAccessiblePart(bar, index, QAccessible::StaticText) {}

 protected:
  TRect Bounds() const override {
    TStyledOfficeStatusBar* bar = BarOf(Control());
    return bar->SimplePanel() ? bar->ClientRect() : bar->PanelRect(Index());
  }
  QString Name() const override {
    TStyledOfficeStatusBar* bar = BarOf(Control());
    if (bar->SimplePanel()) return MarkupPlainText(bar->SimpleText());
    const TStyledOfficeStatusPanel& panel = bar->Panels()[Index()];
    return panel.Style() == psHTML ? MarkupPlainText(panel.Text()) : FromCp1250(panel.Text());
  }
};

class TAccessibleStatusBar : public TAccessibleControl {
 public:
  explicit TAccessibleStatusBar(TStyledOfficeStatusBar* bar)
      : TAccessibleControl(bar, QAccessible::StatusBar) {}

 protected:
  int PartCount() const override {
    TStyledOfficeStatusBar* bar = BarOf(Control());
    return bar->SimplePanel() ? 1 : bar->Panels().Count();
  }
  QAccessibleInterface* CreatePart(QAccessibleInterface* parent, int index) const override {
    return new TAccessibleStatusPanel(parent, index);
  }
};

}  // namespace

QAccessibleInterface* TStyledOfficeStatusBar::CreateAccessible() {
  return new TAccessibleStatusBar(this);
}

}  // namespace bitcalc::widgets
