#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <string>
#include <vector>

#include "tests/support/shown_form.h"
#include "tests/widgets/bits/paint_spy.h"
#include "tests/widgets/bits/pixels.h"
#include "widgets/bits/bit_toggle_switch.h"

namespace {

using Log = std::vector<std::string>;

class ToggleSwitchInput : public ShownFormTest {
 protected:
  void SetUp() override {
    ShownFormTest::SetUp();
    sw = Place(new TBitToggleSwitch(form.get()), 10, 10, 17, 33);
    sw->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState, int, int) {
      log.push_back(b == mbLeft ? "down" : "down right");
    };
    sw->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
    sw->OnClick = [this](TObject*) { log.push_back("click"); };
    sw->OnDblClick = [this](TObject*) { log.push_back("dblclick"); };
    sw->OnStatusChanged = [this](TObject*) {
      log.push_back(sw->Checked() ? "status on" : "status off");
    };
    sw->OnStatusIntChanged = [this](TObject*) {
      log.push_back("int " + std::to_string(sw->StatusInt()));
    };
    QApplication::processEvents();  // the first full paint
  }
  void Press(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mousePress(sw, b, {}, QPoint(x, y));
  }
  void Release(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseRelease(sw, b, {}, QPoint(x, y));
  }

  TBitToggleSwitch* sw = nullptr;
  Log log;
};

TEST_F(ToggleSwitchInput, PressOnTheRedHalfTogglesAndTheReleaseClicks) {
  Press(8, 15);
  EXPECT_TRUE(sw->Checked());
  EXPECT_EQ(log, (Log{"down", "int 1", "status on"}));
  Release(8, 15);
  EXPECT_EQ(log, (Log{"down", "int 1", "status on", "click", "up"}));
}

TEST_F(ToggleSwitchInput, PressOnTheMiddleRowNeverToggles) {
  QTest::mouseClick(sw, Qt::LeftButton, {}, QPoint(8, 16));
  EXPECT_FALSE(sw->Checked());
  sw->SetChecked(true);
  log.clear();
  QTest::mouseClick(sw, Qt::LeftButton, {}, QPoint(3, 16));
  EXPECT_TRUE(sw->Checked());
  EXPECT_EQ(log, (Log{"click", "up"}));
  // While on, the free half is below the middle.
  QTest::mouseClick(sw, Qt::LeftButton, {}, QPoint(8, 17));
  EXPECT_FALSE(sw->Checked());
}

TEST_F(ToggleSwitchInput, PressOnTheLeverIsDroppedButItsReleaseStillClicks) {
  Press(8, 25);
  EXPECT_FALSE(sw->Checked());
  EXPECT_TRUE(log.empty());
  Release(8, 25);
  EXPECT_EQ(log, (Log{"click", "up"}));
}

// Through the window, as the platform delivers input, so that the mouse
// capture brings the release to the switch.
TEST_F(ToggleSwitchInput, ReleaseOutsideKeepsTheToggleButRaisesNoClick) {
  QWindow* window = form->windowHandle();
  QTest::mousePress(window, Qt::LeftButton, {}, QPoint(18, 15));
  QTest::mouseMove(window, QPoint(150, 120));
  QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(150, 120));
  EXPECT_TRUE(sw->Checked());
  EXPECT_EQ(log, (Log{"down", "int 1", "status on", "up"}));
}

TEST_F(ToggleSwitchInput, DoubleClickInOneSpotTogglesOnceAndClicksOnce) {
  Press(8, 5);
  Release(8, 5);
  QTest::mouseDClick(sw, Qt::LeftButton, {}, QPoint(8, 5));
  Release(8, 5);
  EXPECT_TRUE(sw->Checked());
  // The second press lands on the lever's new place and is dropped.
  EXPECT_EQ(log, (Log{"down", "int 1", "status on", "click", "up", "dblclick", "up"}));
}

TEST_F(ToggleSwitchInput, DoubleClickStraddlingTheMiddleTogglesTwiceAndClicksOnce) {
  Press(8, 15);
  Release(8, 15);
  QTest::mouseDClick(sw, Qt::LeftButton, {}, QPoint(8, 17));
  Release(8, 17);
  EXPECT_FALSE(sw->Checked());
  EXPECT_EQ(log, (Log{"down", "int 1", "status on", "click", "up", "dblclick", "down", "int 0",
                      "status off", "up"}));
}

TEST_F(ToggleSwitchInput, RightButtonNeverToggles) {
  QTest::mouseClick(sw, Qt::RightButton, {}, QPoint(8, 5));
  EXPECT_FALSE(sw->Checked());
  EXPECT_EQ(log, (Log{"down right", "up"}));
}

TEST_F(ToggleSwitchInput, SwappedGraphicSwapsTheHalvesThatTakeAPress) {
  sw->SetSwapGraphic(true);
  QTest::mouseClick(sw, Qt::LeftButton, {}, QPoint(8, 5));
  EXPECT_FALSE(sw->Checked());
  QTest::mouseClick(sw, Qt::LeftButton, {}, QPoint(8, 25));
  EXPECT_TRUE(sw->Checked());
  QTest::mouseClick(sw, Qt::LeftButton, {}, QPoint(8, 28));
  EXPECT_TRUE(sw->Checked());
  QTest::mouseClick(sw, Qt::LeftButton, {}, QPoint(8, 3));
  EXPECT_FALSE(sw->Checked());
}

TEST_F(ToggleSwitchInput, HorizontalOrientationTurnsTheSwitchAndItsHalves) {
  sw->SetOrientation(boHorizontal);
  EXPECT_EQ(sw->BoundsRect(), Bounds(10, 10, 33, 17));
  QTest::mouseClick(sw, Qt::LeftButton, {}, QPoint(16, 8));
  EXPECT_FALSE(sw->Checked());
  QTest::mouseClick(sw, Qt::LeftButton, {}, QPoint(24, 8));
  EXPECT_FALSE(sw->Checked());
  QTest::mouseClick(sw, Qt::LeftButton, {}, QPoint(15, 8));
  EXPECT_TRUE(sw->Checked());
  QTest::mouseClick(sw, Qt::LeftButton, {}, QPoint(17, 3));
  EXPECT_FALSE(sw->Checked());
  sw->SetOrientation(boVertical);
  EXPECT_EQ(sw->BoundsRect(), Bounds(10, 10, 17, 33));
}

TEST_F(ToggleSwitchInput, CheckedFromCodeRaisesNoClickAndAnEqualValueNothing) {
  sw->SetChecked(true);
  sw->SetChecked(true);
  EXPECT_EQ(log, (Log{"int 1", "status on"}));
}

TEST_F(ToggleSwitchInput, CheckedRepaintsOnlyTheButtonAreaBeforeReturning) {
  PaintSpy spy(sw);
  sw->SetChecked(true);
  ASSERT_EQ(spy.areas.size(), 1u);
  EXPECT_EQ(spy.areas[0], QRect(3, 3, 11, 27));
  // Already on the window, with no event processed in between: the lever
  // is up and the green field below it.
  const QImage shown = Shown(*form);
  EXPECT_TRUE(PixelIs(shown, 13, 13, clBlack));
  EXPECT_TRUE(PixelIs(shown, 13, 30, clLime));
  EXPECT_TRUE(PixelIs(shown, 10, 10, clBtnShadow));  // the bevel as it was

  sw->SetChecked(true);
  EXPECT_EQ(spy.areas.size(), 1u);
  QApplication::processEvents();
  EXPECT_EQ(spy.areas.size(), 1u);
}

TEST_F(ToggleSwitchInput, RedrawRepaintsTheWholeSwitchAtOnce) {
  PaintSpy spy(sw);
  sw->SetTextOff("O");
  ASSERT_EQ(spy.areas.size(), 1u);
  EXPECT_EQ(spy.areas[0], QRect(0, 0, 17, 33));
  // Lever colours repaint only the button area.
  sw->SetBtnColorFace(clYellow);
  ASSERT_EQ(spy.areas.size(), 2u);
  EXPECT_EQ(spy.areas[1], QRect(3, 3, 11, 27));
  sw->SetBtnColorFace(clYellow);
  sw->SetBtnBevelWidth(-1);
  EXPECT_EQ(spy.areas.size(), 2u);
  // A change of the bevel repaints everything.
  sw->BevelOuter().SetPenColor(clRed);
  EXPECT_EQ(spy.areas.size(), 3u);
}

TEST_F(ToggleSwitchInput, BeforeItsFirstPaintAStateChangeDrawsNothing) {
  auto* fresh = Place(new TBitToggleSwitch(form.get()), 60, 10, 17, 33);
  PaintSpy spy(fresh);
  fresh->SetChecked(true);
  EXPECT_TRUE(spy.areas.empty());
  EXPECT_TRUE(fresh->ContentRect().IsEmpty());
  QApplication::processEvents();
  EXPECT_EQ(fresh->ContentRect(), Rect(3, 3, 14, 30));
}

}  // namespace
