#include <optional>

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
// rich text without the markup. A panel holding a link offers to press it,
// which is a click on the link's first point along the panel's middle row,
// so the link opens through the path a click takes.
class TAccessibleStatusPanel : public TAccessiblePart {
 public:
  TAccessibleStatusPanel(QAccessibleInterface* bar, int index)
      : TAccessiblePart(bar, index, QAccessible::StaticText) {}

  QStringList actionNames() const override {
    return isValid() && LinkPoint() ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& name) override {
    if (name != pressAction() || !isValid()) return;
    if (const std::optional<TPoint> p = LinkPoint()) ClickControl(BarOf(Control()), *p);
  }

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

 private:
  std::optional<TPoint> LinkPoint() const {
    const TRect r = Bounds();
    const int y = (r.Top + r.Bottom) / 2;
    for (int x = r.Left; x < r.Right; ++x)
      if (!BarOf(Control())->AnchorAt(x, y).empty()) return TPoint{x, y};
    return std::nullopt;
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
