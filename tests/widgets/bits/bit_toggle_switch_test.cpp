#include "widgets/bits/bit_toggle_switch.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

#include "tests/support/pixels.h"
#include "tests/support/shown_form.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

using Log = std::vector<std::string>;

// What a lever over content rows top..bottom shows at content (x, y): a black
// outline, two raised frames (the shadow owns the far corners), the face, and
// one grip pair five rows below its top.
TColor LeverPixel(int x, int y, int top, int bottom) {
  if (y == top || y == bottom || x == 0 || x == 10) return clBlack;
  for (int k = 1; k <= 2; ++k) {
    if (x < k || x > 10 - k || y < top + k || y > bottom - k) continue;
    if (x == 10 - k || y == bottom - k) return clBtnShadow;
    if (x == k || y == top + k) return clBtnHighlight;
  }
  if (x == 4 || x == 5) {
    if (y == top + 5) return clBtnHighlight;
    if (y == top + 6) return clBtnShadow;
  }
  return clBtnFace;
}

// The colour of pixel (x, y) of the window's 17 x 33 switch: the lowered
// bevel, the black outline from (1, 1) to (15, 31), the content (3, 3)-(14, 30)
// with the lever up (shown on) or down; clNone on the state field.
TColor SwitchPixel(int x, int y, bool shownOn) {
  if (y == 32 || x == 16) return clBtnHighlight;
  if (y == 0 || x == 0) return clBtnShadow;
  if (y == 1 || y == 31 || x == 1 || x == 15) return clBlack;
  if (y == 2 || y == 30 || x == 2 || x == 14) return clBtnShadow;
  const int top = shownOn ? 0 : 13, bottom = shownOn ? 12 : 26;
  if (y - 3 < top || y - 3 > bottom) return clNone;
  return LeverPixel(x - 3, y - 3, top, bottom);
}

class ToggleSwitch : public ShownFormTest {
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
    sw->OnStatusChanged = [this](TObject*) { log.push_back(sw->Checked() ? "on" : "off"); };
    sw->OnStatusIntChanged = [this](TObject*) { log.push_back("int"); };
    QApplication::processEvents();  // the first full paint
  }
  void ExpectPicture(bool shownOn, TColor field, int textCentreY) {
    const QImage img = Rendered(*form);
    for (int y = 0; y < 33; ++y) {
      for (int x = 0; x < 17; ++x) {
        if (SwitchPixel(x, y, shownOn) != clNone) {
          EXPECT_TRUE(PixelIs(img, 10 + x, 10 + y, SwitchPixel(x, y, shownOn)));
        }
      }
    }
    // The field holds nothing but the state text, centred in it within a pixel.
    const QRect ink = InkBox(img, QRect(13, shownOn ? 26 : 13, 11, shownOn ? 14 : 13), field);
    ASSERT_FALSE(ink.isNull());
    EXPECT_LE(ink.width() * ink.height(), 8 * 10);
    EXPECT_NEAR((ink.left() + ink.right()) / 2.0 - 13, 5, 1.0);
    EXPECT_NEAR((ink.top() + ink.bottom()) / 2.0 - 13, textCentreY, 1.0);
  }
  void Click(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(sw, b, {}, QPoint(x, y));
  }
  void DoubleClick(QPoint first, QPoint second) {
    QTest::mousePress(sw, Qt::LeftButton, {}, first);
    QTest::mouseRelease(sw, Qt::LeftButton, {}, first);
    QTest::mouseDClick(sw, Qt::LeftButton, {}, second);
    QTest::mouseRelease(sw, Qt::LeftButton, {}, second);
  }

  TBitToggleSwitch* sw = nullptr;
  Log log;
};

TEST_F(ToggleSwitch, OffShowsZeroOnRedAboveTheLeverAndOnShowsOneOnGreenBelowIt) {
  ExpectPicture(false, clRed, 6);
  sw->SetChecked(true);
  ExpectPicture(true, clLime, 21);
}

TEST_F(ToggleSwitch, SwappedGraphicSwapsTheHalvesButNotColourOrText) {
  sw->SetSwapGraphic(true);
  ExpectPicture(true, clRed, 21);
  Click(8, 5);
  EXPECT_FALSE(sw->Checked());
  Click(8, 25);
  EXPECT_TRUE(sw->Checked());
}

TEST_F(ToggleSwitch, APressOnTheFreeHalfTogglesAndItsReleaseClicks) {
  Click(8, 15);
  EXPECT_EQ(log, (Log{"down", "int", "on", "click", "up"}));
  Click(8, 17);
  EXPECT_FALSE(sw->Checked());
  log.clear();
  sw->SetChecked(true);  // from code: no click
  sw->SetChecked(true);
  EXPECT_EQ(log, (Log{"int", "on"}));
}

TEST_F(ToggleSwitch, PressesOnTheLeverTheMiddleRowOrWithTheRightButtonAreDropped) {
  Click(8, 16);
  Click(8, 25);
  Click(8, 5, Qt::RightButton);
  EXPECT_FALSE(sw->Checked());
  // Left presses dropped by the filter raise no OnMouseDown, yet still click.
  EXPECT_EQ(log, (Log{"click", "up", "click", "up", "down right", "up"}));
  sw->SetChecked(true);
  Click(3, 16);
  EXPECT_TRUE(sw->Checked());
  Click(8, 15);
  EXPECT_TRUE(sw->Checked());
}

TEST_F(ToggleSwitch, AReleaseOutsideKeepsTheToggleButRaisesNoClick) {
  // Through the window, so that the mouse capture brings the release here.
  QWindow* window = form->windowHandle();
  QTest::mousePress(window, Qt::LeftButton, {}, QPoint(18, 15));
  QTest::mouseMove(window, QPoint(150, 120));
  QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(150, 120));
  EXPECT_TRUE(sw->Checked());
  EXPECT_EQ(log, (Log{"down", "int", "on", "up"}));
}

TEST_F(ToggleSwitch, ADoubleClickInOneSpotTogglesOnce) {
  DoubleClick({8, 5}, {8, 5});
  EXPECT_TRUE(sw->Checked());
  EXPECT_EQ(log, (Log{"down", "int", "on", "click", "up", "dblclick", "up"}));
}

TEST_F(ToggleSwitch, ADoubleClickStraddlingTheMiddleTogglesTwiceAndClicksOnce) {
  DoubleClick({8, 15}, {8, 17});
  EXPECT_FALSE(sw->Checked());
  EXPECT_EQ(log, (Log{"down", "int", "on", "click", "up", "dblclick", "down", "int", "off", "up"}));
}

TEST_F(ToggleSwitch, HorizontalOrientationTurnsTheSwitchAndItsHalves) {
  sw->SetOrientation(boHorizontal);
  EXPECT_EQ(sw->BoundsRect(), Bounds(10, 10, 33, 17));
  const QImage img = Rendered(*form);
  EXPECT_TRUE(PixelIs(img, 13 + 13, 18, clBlack));  // the lever's left edge
  EXPECT_TRUE(PixelIs(img, 13 + 12, 18, clRed));
  EXPECT_TRUE(PixelIs(img, 13 + 18, 18, clBtnShadow));  // a grip pair
  EXPECT_TRUE(PixelIs(img, 13 + 19, 18, clBtnHighlight));
  Click(16, 8);
  Click(24, 8);
  EXPECT_FALSE(sw->Checked());
  Click(15, 8);
  EXPECT_TRUE(sw->Checked());
}

TEST_F(ToggleSwitch, CheckedRepaintsOnlyTheButtonAreaAtOnceAndRedrawAllOfIt) {
  PaintSpy spy(sw);
  sw->SetChecked(true);
  ASSERT_EQ(spy.areas, (std::vector<QRect>{QRect(3, 3, 11, 27)}));
  // On the window already, with no event processed in between.
  const QImage shown = Shown(*form);
  EXPECT_TRUE(PixelIs(shown, 13, 13, clBlack));
  EXPECT_TRUE(PixelIs(shown, 13, 30, clLime));
  sw->SetChecked(true);
  QApplication::processEvents();
  EXPECT_EQ(spy.areas.size(), 1u);
  sw->SetTextOn("I");
  sw->BevelOuter().SetPenColor(clRed);
  EXPECT_EQ(spy.areas,
            (std::vector<QRect>{QRect(3, 3, 11, 27), QRect(0, 0, 17, 33), QRect(0, 0, 17, 33)}));
}

TEST_F(ToggleSwitch, BeforeItsFirstPaintAStateChangeDrawsNothing) {
  auto* fresh = Place(new TBitToggleSwitch(form.get()), 60, 10, 17, 33);
  PaintSpy spy(fresh);
  fresh->SetChecked(true);
  EXPECT_TRUE(spy.areas.empty());
}

}  // namespace
