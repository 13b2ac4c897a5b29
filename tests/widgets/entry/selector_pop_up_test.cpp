#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>

#include "framework/controls/pop_up.h"
#include "tests/widgets/entry/selector_fixture.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// The grid where the compositor places pop-ups (Wayland), emulated off
// screen: a Qt pop-up, which Qt hands every press and key while it is open.
class SelectorPopUp : public SelectorTest {
 protected:
  SelectorPopUp() { OverrideCompositorPlacesPopUps(true); }
  ~SelectorPopUp() override { OverrideCompositorPlacesPopUps(std::nullopt); }

  void OpenGrid() {
    ClickSelector();
    ASSERT_TRUE(Open());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(DropDown()));
  }
  // A press and release through the form's platform window, as the
  // compositor delivers them, at a point of the form.
  void ClickForm(QPoint at) {
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, at);
    QTest::qWait(50);  // the replayed press and the hide timer have run
  }
};

TEST_F(SelectorPopUp, OpensAsAPopUpOfTheWindowBelowTheSelectorWhateverTheWorkArea) {
  // So low on the screen that placed against the work area it would open upward.
  form->move(100, Screen->WorkAreaRect().Bottom - form->height());
  OpenGrid();
  EXPECT_EQ(DropDown()->windowType(), Qt::Popup);
  EXPECT_EQ(DropDown()->windowHandle()->transientParent(), form->windowHandle());
  EXPECT_FALSE(DropDown()->OpensUpward());
  EXPECT_EQ(DropDown()->pos(), selector->mapToGlobal(QPoint(0, selector->Height() - 1)));
}

TEST_F(SelectorPopUp, EscapeLeavesItOpenAndARightClickOnACellPicks) {
  OpenGrid();
  QTest::keyClick(DropDown()->windowHandle(), Qt::Key_Escape);
  QTest::qWait(20);
  ASSERT_TRUE(Open());
  HoverCell(66);
  Press(66, Qt::RightButton);
  Release(CellCentre(66), Qt::RightButton);
  EXPECT_FALSE(Open());
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(Panel()->PanelItemIndex(), 66);
}

TEST_F(SelectorPopUp, APressElsewhereOrOnTheSelectorClosesItUnpicked) {
  const QPoint onSelector = selector->mapTo(form.get(), QPoint(4, 13));
  for (const QPoint at : {QPoint(110, 30), onSelector}) {
    SCOPED_TRACE(at.x());
    OpenGrid();
    ClickForm(at);
    EXPECT_FALSE(Open());
    EXPECT_EQ(selector->DropState(), 0);
    EXPECT_EQ(selects, 0);
  }
}

}  // namespace
