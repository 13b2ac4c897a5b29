#include <gtest/gtest.h>

#include <QTest>

#include "framework/standard/panel.h"
#include "tests/widgets/entry/selector_fixture.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// These run under a real X server as well, where activation is the server's
// and no window manager moves it on a click.
class SelectorActivation : public SelectorTest {
 protected:
  void OpenActive() {
    ClickSelector();
    ASSERT_TRUE(Open());
    ASSERT_TRUE(QTest::qWaitForWindowActive(DropDown()));
  }
  bool StaysClosed() {
    const bool closed = QTest::qWaitFor([this] { return !Open(); }, 2000);
    QTest::qWait(50);  // the hide timer and any late activation have run
    return closed && !Open() && selector->DropState() == 0;
  }
};

TEST_F(SelectorActivation, AnotherWindowTakingTheActivationClosesTheGrid) {
  OpenActive();
  ShownForm other(120, 80);
  other->move(500, 20);
  other->Show();
  EXPECT_TRUE(StaysClosed());
  EXPECT_EQ(selects, 0);
}

TEST_F(SelectorActivation, AClickOnTheOpenSelectorClosesTheGridForGood) {
  OpenActive();
  ClickSelector();
  EXPECT_TRUE(StaysClosed());
  EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
  EXPECT_EQ(selects, 0);
}

TEST_F(SelectorActivation, AClickElsewhereClosesTheGridWithoutAPickAndStillLands) {
  auto* target = new TPanel(form.get());
  target->SetParent(form.get());
  target->SetBounds(100, 20, 80, 40);
  int presses = 0;
  target->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++presses; };
  OpenActive();
  QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(presses, 1);
  EXPECT_TRUE(StaysClosed());
  EXPECT_EQ(selects, 0);
  EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

}  // namespace
