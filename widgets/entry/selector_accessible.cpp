#include "framework/accessibility/accessible_control.h"
#include "framework/accessibility/accessible_part.h"
#include "framework/text/text.h"
#include "widgets/entry/selector_drop_down_window.h"
#include "widgets/entry/styled_custom_selector.h"
#include "widgets/entry/styled_selector_panel.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// The selector as a button with a pop-up: pressing it is a click on its
// drop-down part, which opens the grid or closes it.
class TAccessibleSelector : public TAccessibleControl {
 public:
  explicit TAccessibleSelector(TStyledCustomSelector* selector)
      : TAccessibleControl(selector, QAccessible::ButtonDropDown) {}

  QAccessible::State state() const override {
    QAccessible::State s = TAccessibleControl::state();
    s.hasPopup = true;
    s.expandable = true;
    s.expanded = Selector()->DropState() != 0;
    s.collapsed = !s.expanded;
    return s;
  }
  QStringList actionNames() const override {
    return QStringList{pressAction()} + TAccessibleControl::actionNames();
  }
  void doAction(const QString& name) override {
    if (name != pressAction()) return TAccessibleControl::doAction(name);
    const TSelectorParts parts = Selector()->Parts();
    ClickControl(Selector(), (parts.HasDropDownPart ? parts.DR : parts.R).Centre());
  }

 private:
  TStyledCustomSelector* Selector() const { return static_cast<TStyledCustomSelector*>(Control()); }
};

// A cell of the grid, named by the item (or its caption) and picked by a click
// on it.
class TAccessibleCell : public TAccessiblePart {
 public:
  TAccessibleCell(QAccessibleInterface* grid, int index)
      : TAccessiblePart(grid, index, QAccessible::ListItem) {}

  QAccessible::State state() const override {
    QAccessible::State s = TAccessiblePart::state();
    s.selectable = Item().Selectable;
    s.selected = Panel()->PanelItemIndex() == Index();
    s.hotTracked = Panel()->HotItem() == Index();
    return s;
  }
  QStringList actionNames() const override {
    return Item().Selectable ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && isValid() && Item().Selectable)
      ClickControl(Panel(), Item().CellRect.Centre());
  }

 protected:
  TRect Bounds() const override { return Item().CellRect; }
  QString Name() const override {
    const TStyledSelectorItem& item = Item();
    return CaptionToQString(item.AccessibleName.empty() ? item.Caption : item.AccessibleName);
  }

 private:
  TStyledSelectorPanel* Panel() const { return static_cast<TStyledSelectorPanel*>(Control()); }
  const TStyledSelectorItem& Item() const { return Panel()->Items()[Index()]; }
};

// The name of the selector that owns the drop-down window, or of the
// drop-down window a grid lies in.
QString SelectorName(QObject* dropDownOrGrid) {
  QObject* window = dropDownOrGrid;
  if (!dynamic_cast<TSelectorDropDownWindow*>(window)) window = window->parent();
  auto* dropDown = dynamic_cast<TSelectorDropDownWindow*>(window);
  QWidget* selector = dropDown ? dynamic_cast<QWidget*>(dropDown->Owner()) : nullptr;
  QAccessibleInterface* named = selector ? QAccessible::queryAccessibleInterface(selector) : nullptr;
  return named ? named->text(QAccessible::Name) : QString();
}

class TAccessibleDropDown : public TAccessibleControl {
 public:
  explicit TAccessibleDropDown(TSelectorDropDownWindow* window)
      : TAccessibleControl(window, QAccessible::Window) {}

 protected:
  QString OwnName() const override { return SelectorName(Control()); }
};

// The grid as a list of its cells, named like the selector.
class TAccessibleSelectorGrid : public TAccessibleControl {
 public:
  explicit TAccessibleSelectorGrid(TStyledSelectorPanel* panel)
      : TAccessibleControl(panel, QAccessible::List) {}

 protected:
  QString OwnName() const override { return SelectorName(Control()); }
  int PartCount() const override {
    return static_cast<TStyledSelectorPanel*>(Control())->Items().Count();
  }
  QAccessibleInterface* CreatePart(QAccessibleInterface* parent, int index) const override {
    return new TAccessibleCell(parent, index);
  }
};

}  // namespace

QAccessibleInterface* TStyledCustomSelector::CreateAccessible() {
  return new TAccessibleSelector(this);
}

QAccessibleInterface* TSelectorDropDownWindow::CreateAccessible() {
  return new TAccessibleDropDown(this);
}

QAccessibleInterface* TStyledSelectorPanel::CreateAccessible() {
  return new TAccessibleSelectorGrid(this);
}

}  // namespace bitcalc::widgets
