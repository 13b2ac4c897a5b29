#include "widgets/bits/bit_led.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "framework/runtime/timer.h"
#include "framework/standard/shape.h"
#include "tests/support/pixel_probe.h"
#include "tests/support/pixels.h"
#include "tests/support/shown_form.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// A result LED of the window, 25 x 33 with a round lamp 20 high, over a
// white shape as on the window.
class BitLED : public ShownFormTest {
 protected:
  void SetUp() override {
    ShownFormTest::SetUp();
    auto* frame = Place(new TShape(form.get()), 40, 40, 40, 50);
    frame->Pen().SetColor(clWhite);
    led = Place(new TBitLED(form.get()), 45, 45, 25, 33);
    led->LED().SetHeight(20);
  }
  void ExpectLamp(const QImage& img, TColor fill) const {
    auto at = [&](TPoint p, TColor c) { EXPECT_TRUE(PixelIs(img, 45 + p.X, 45 + p.Y, c)); };
    // The circle in (0, 6)-(20, 26), outlined on all four sides; the corners
    // of its box and everything around it show the shape behind.
    for (TPoint p : {TPoint{0, 15}, {0, 16}, {19, 16}, {9, 6}, {10, 6}, {10, 25}})
      at(p, clBtnShadow);
    for (TPoint p : {TPoint{0, 6}, {19, 6}, {0, 25}, {19, 25}, {1, 7}, {10, 5}, {10, 26}})
      at(p, clWhite);
    for (TPoint p : {TPoint{10, 16}, {14, 20}, {3, 20}, {7, 13}, {10, 10}, {4, 16}}) at(p, fill);
    // The highlight, two pixels wide inside the circle in (4, 10)-(16, 22),
    // over its upper-left quarter only.
    for (TPoint p : {TPoint{9, 10}, {8, 10}, {9, 11}, {6, 11}, {4, 14}, {5, 15}})
      at(p, clBtnHighlight);
    EXPECT_TRUE(InkBox(img, QRect(45 + 20, 45, 5, 33), clWhite).isNull());
  }
  TBitLED* led = nullptr;
};

TEST_F(BitLED, ShowsAGreenOrButtonFaceCircleWithItsHighlight) {
  ExpectLamp(Rendered(*form), clBtnFace);
  led->SetChecked(true);
  ExpectLamp(Rendered(*form), clLime);
}

TEST_F(BitLED, CheckedRepaintsOnlyTheLampAtOnceAndAppearanceLater) {
  QApplication::processEvents();
  PaintSpy spy(led);
  led->SetChecked(true);
  ASSERT_EQ(spy.areas, (std::vector<QRect>{QRect(0, 6, 20, 20)}));
  EXPECT_TRUE(PixelIs(Shown(*form), 55, 61, clLime));
  led->SetChecked(true);
  led->LED().SetColorOn(clRed);
  led->SetSpacing(6);
  EXPECT_EQ(spy.areas.size(), 1u);
  QApplication::processEvents();
  EXPECT_EQ(spy.areas.back(), QRect(0, 0, 25, 33));
  EXPECT_EQ(spy.areas.size(), 2u);
  EXPECT_TRUE(PixelIs(Shown(*form), 55, 61, clRed));
}

TEST_F(BitLED, IgnoresTheMouseAndLampSizesOutsideFourToForty) {
  int clicks = 0;
  led->OnClick = [&](TObject*) { ++clicks; };
  QTest::mouseClick(led, Qt::LeftButton, {}, QPoint(10, 16));
  EXPECT_FALSE(led->Checked());
  EXPECT_EQ(clicks, 1);
  led->LED().SetWidth(41);
  led->LED().SetWidth(3);
  EXPECT_EQ(led->LED().Width(), 13);
  led->LED().SetWidth(40);
  EXPECT_EQ(led->LED().Width(), 40);
}

TEST_F(BitLED, ACaptionSitsBesideTheLampWithNoBackground) {
  led->SetBounds(45, 45, 35, 33);
  led->LED().SetHeight(13);
  led->SetCaption(std::string("Ab\0cd", 5));  // the caption ends at code 0
  const QImage img = Rendered(*form);
  EXPECT_TRUE(PixelIs(img, 45 + 6, 45 + 16, clBtnFace));  // lamp 13 x 13 at (0, 10)
  const QRect ink = InkBox(img, QRect(45 + 13, 45, 22, 33), clWhite);
  ASSERT_FALSE(ink.isNull());
  EXPECT_GE(ink.left() - 45, 18);  // 5 pixels right of the lamp
  EXPECT_NEAR((ink.top() + ink.bottom()) / 2.0 - 45, 16, 2.0);
  EXPECT_LE(ink.right() - 45, 18 + 15);
}

TEST_F(BitLED, FlashingAlternatesTheLampWhileChecked) {
  TManualClock clock;
  QApplication::processEvents();
  led->SetFrequency(ff8Hz);
  led->SetFlashing(true);
  led->SetChecked(true);
  clock.Advance(TFlashService::kTickMs);
  EXPECT_TRUE(PixelIs(Shown(*form), 55, 61, clBtnFace));
  clock.Advance(TFlashService::kTickMs);
  EXPECT_TRUE(PixelIs(Shown(*form), 55, 61, clLime));
  led->SetChecked(false);
}

// Odd sizes throughout, so that a halving rounded the wrong way shows.
TEST(LEDLayout, PutsTheCaptionOnTheSideAwayFromTheLamp) {
  struct TCase {
    TLEDPos Position;
    TLEDShape Shape;
    TRect Lamp;
    TPoint Caption;
    int Align;
  };
  const TCase cases[] = {
      {lpLeft, sRectangle, {0, 13, 11, 27}, {16, 20}, 3},
      {lpRight, sRectangle, {50, 13, 61, 27}, {45, 20}, 5},
      {lpTop, sRectangle, {25, 0, 36, 14}, {30, 19}, 1},
      {lpBottom, sRectangle, {25, 27, 36, 41}, {30, 22}, 7},
      {lpBottom, sRound, {23, 27, 37, 41}, {30, 22}, 7},
  };
  for (const TCase& c : cases) {
    const TLEDLayout l = LayoutLED(61, 41, 11, 14, c.Shape, c.Position, 5);
    EXPECT_EQ(l.lamp, c.Lamp) << "position " << c.Position;
    EXPECT_EQ(l.caption, c.Caption) << "position " << c.Position;
    EXPECT_EQ(l.align, c.Align) << "position " << c.Position;
  }
}

// Each shape in (2, 3)-(14, 12): its corners in the outline colour, a point
// inside filled, and the corners of the box it leaves out untouched.
TEST(LEDLamp, ArrowsAndRectangleReachTheirCorners) {
  struct TCase {
    TLEDShape Shape;
    std::vector<TPoint> Outline, Fill, Outside;
  };
  const TCase cases[] = {
      {sArrowLeft, {{2, 7}, {13, 3}, {13, 11}}, {{10, 7}}, {{3, 3}, {3, 11}, {14, 7}}},
      {sArrowRight, {{2, 3}, {13, 7}, {2, 11}}, {{5, 7}}, {{12, 3}, {12, 11}, {1, 7}}},
      {sArrowUp, {{8, 3}, {13, 11}, {2, 11}}, {{8, 9}}, {{2, 3}, {13, 3}, {8, 12}}},
      {sArrowDown, {{2, 3}, {13, 3}, {8, 11}}, {{8, 5}}, {{2, 11}, {13, 11}, {8, 2}}},
      {sRectangle, {{2, 7}, {13, 7}, {8, 3}, {8, 11}}, {{3, 4}, {12, 10}}, {{14, 7}, {8, 12}}},
  };
  for (const TCase& c : cases) {
    TBitmap bmp;
    Clear(bmp, 16, 14);
    DrawLamp(bmp.Canvas(), {2, 3, 14, 12}, c.Shape, clLime, clBtnShadow);
    const QImage img = bmp.Image();
    for (TPoint p : c.Outline) EXPECT_TRUE(PixelIs(img, p.X, p.Y, clBtnShadow)) << c.Shape;
    for (TPoint p : c.Fill) EXPECT_TRUE(PixelIs(img, p.X, p.Y, clLime)) << c.Shape;
    for (TPoint p : c.Outside) EXPECT_TRUE(PixelIs(img, p.X, p.Y, clWhite)) << c.Shape;
  }
}

}  // namespace
