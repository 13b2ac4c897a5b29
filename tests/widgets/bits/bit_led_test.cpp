#include "widgets/bits/bit_led.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "framework/bitmap.h"
#include "framework/shape.h"
#include "framework/timer.h"
#include "tests/support/shown_form.h"
#include "tests/widgets/bits/paint_spy.h"
#include "tests/widgets/bits/pixels.h"

namespace {

// A result LED of the calculator window, 25 x 33 with a round lamp 20 high,
// on a white shape as on the window.
class BitLED : public ShownFormTest {
 protected:
  static constexpr int kLeft = 45, kTop = 45;

  void SetUp() override {
    ShownFormTest::SetUp();
    auto* frame = Place(new TShape(form.get()), 40, 40, 40, 50);
    frame->Pen().SetColor(clWhite);
    frame->Brush().SetColor(clWhite);
    led = Place(new TBitLED(form.get()), kLeft, kTop, 25, 33);
    led->LED().SetHeight(20);
    led->OnClick = [this](TObject*) { ++clicks; };
  }
  ::testing::AssertionResult At(int x, int y, TColor c) const {
    return PixelIs(image, kLeft + x, kTop + y, c);
  }
  void ExpectLamp(TColor fill) const {
    // The circle in (0, 6)-(20, 26): its outline on all four sides, the
    // corners of its box left as they were.
    for (TPoint p : {TPoint{0, 15}, {0, 16}, {19, 15}, {19, 16}, {9, 6}, {10, 6}, {9, 25}, {10, 25}})
      EXPECT_TRUE(At(p.X, p.Y, clBtnShadow));
    for (TPoint p : {TPoint{0, 6}, {19, 6}, {0, 25}, {19, 25}, {1, 7}, {0, 5}, {10, 5}, {10, 26}})
      EXPECT_TRUE(At(p.X, p.Y, clWhite));
    for (TPoint p : {TPoint{10, 16}, {14, 20}, {3, 20}, {17, 12}, {7, 13}, {10, 10}, {4, 16}, {3, 15}})
      EXPECT_TRUE(At(p.X, p.Y, fill));
    // The highlight: two pixels wide inside the circle in (4, 10)-(16, 22),
    // over its upper-left quarter only.
    for (TPoint p : {TPoint{9, 10}, {8, 10}, {9, 11}, {6, 11}, {4, 14}, {5, 15}, {4, 15}})
      EXPECT_TRUE(At(p.X, p.Y, clBtnHighlight));
    // The five columns to its right stay transparent.
    EXPECT_EQ(CountColor(image, QRect(kLeft + 20, kTop, 5, 33), clWhite), 5 * 33);
  }

  TBitLED* led = nullptr;
  QImage image;
  int clicks = 0;
};

TEST_F(BitLED, OnIsAGreenCircleWithItsHighlight) {
  led->SetChecked(true);
  image = Rendered(*form);
  ExpectLamp(clLime);
}

TEST_F(BitLED, OffIsAButtonFaceCircle) {
  image = Rendered(*form);
  ExpectLamp(clBtnFace);
}

TEST_F(BitLED, CheckedRepaintsOnlyTheLampBeforeReturning) {
  QApplication::processEvents();
  PaintSpy spy(led);
  led->SetChecked(true);
  ASSERT_EQ(spy.areas.size(), 1u);
  EXPECT_EQ(spy.areas[0], QRect(0, 6, 20, 20));
  image = Shown(*form);
  EXPECT_TRUE(At(10, 16, clLime));
  EXPECT_TRUE(At(21, 16, clWhite));
  led->SetChecked(true);
  QApplication::processEvents();
  EXPECT_EQ(spy.areas.size(), 1u);
}

TEST_F(BitLED, AppearanceChangesRepaintTheWholeLEDLater) {
  QApplication::processEvents();
  PaintSpy spy(led);
  led->LED().SetColorOff(clRed);
  led->SetSpacing(6);
  EXPECT_TRUE(spy.areas.empty());
  QApplication::processEvents();
  ASSERT_EQ(spy.areas.size(), 1u);
  EXPECT_EQ(spy.areas[0], QRect(0, 0, 25, 33));
  image = Shown(*form);
  EXPECT_TRUE(At(10, 16, clRed));
}

TEST_F(BitLED, TheMouseNeverChangesItButAClickIsStillRaised) {
  QTest::mouseClick(led, Qt::LeftButton, {}, QPoint(10, 16));
  EXPECT_FALSE(led->Checked());
  EXPECT_EQ(clicks, 1);
}

TEST_F(BitLED, LampSizesOutsideFourToFortyAreRefused) {
  led->LED().SetWidth(41);
  led->LED().SetWidth(3);
  EXPECT_EQ(led->LED().Width(), 13);
  led->LED().SetWidth(40);
  led->LED().SetHeight(4);
  EXPECT_EQ(led->LED().Width(), 40);
  EXPECT_EQ(led->LED().Height(), 4);
}

TEST_F(BitLED, CaptionSitsBesideTheLampWithoutABackground) {
  led->SetBounds(kLeft, kTop, 60, 33);
  led->LED().SetHeight(13);
  led->SetCaption("Ab");
  image = Rendered(*form);
  // Lamp 13 x 13 at (0, 10); caption left-aligned 5 pixels to its right,
  // centred on row 16.
  EXPECT_TRUE(At(6, 16, clBtnFace));
  const QRect ink = InkBox(image, QRect(kLeft + 13, kTop, 60 - 13, 33), clWhite);
  ASSERT_FALSE(ink.isNull());
  EXPECT_GE(ink.left() - kLeft, 18);
  EXPECT_LE(ink.left() - kLeft, 19);
  EXPECT_NEAR((ink.top() + ink.bottom()) / 2.0 - kTop, 16, 2.0);
  // Between the glyphs the white shape behind shows through.
  EXPECT_GT(CountColor(image, ink, clWhite), 0);
}

TEST_F(BitLED, FlashingAlternatesTheLampWhileChecked) {
  TManualClock clock;
  QApplication::processEvents();
  led->SetFrequency(ff8Hz);
  led->SetFlashing(true);
  led->SetChecked(true);
  clock.Advance(TFlashService::kTickMs);
  image = Shown(*form);
  EXPECT_TRUE(At(10, 16, clBtnFace));
  clock.Advance(TFlashService::kTickMs);
  image = Shown(*form);
  EXPECT_TRUE(At(10, 16, clLime));
  led->SetChecked(false);
  EXPECT_EQ(TFlashService::Instance(), nullptr);
}

TEST(LayoutLED, PlacesTheLampOnItsSideAndTheCaptionOpposite) {
  TLEDLayout l = LayoutLED(73, 33, 13, 13, sRound, lpRight, 5);
  EXPECT_EQ(l.lamp, Rect(60, 10, 73, 23));
  EXPECT_EQ(l.caption, (TPoint{55, 16}));
  EXPECT_EQ(l.align, 5);
  l = LayoutLED(73, 33, 13, 13, sRound, lpTop, 5);
  EXPECT_EQ(l.lamp, Rect(30, 0, 43, 13));
  EXPECT_EQ(l.caption, (TPoint{36, 18}));
  EXPECT_EQ(l.align, 1);
  l = LayoutLED(73, 33, 13, 13, sRound, lpBottom, 5);
  EXPECT_EQ(l.lamp, Rect(30, 20, 43, 33));
  EXPECT_EQ(l.caption, (TPoint{36, 15}));
  EXPECT_EQ(l.align, 7);
}

TEST(LayoutLED, OnlyARoundLampIsSquaredToItsLargerSide) {
  EXPECT_EQ(LayoutLED(25, 33, 13, 20, sRound, lpLeft, 5).lamp, Rect(0, 6, 20, 26));
  EXPECT_EQ(LayoutLED(25, 33, 13, 20, sArrowUp, lpLeft, 5).lamp, Rect(0, 6, 13, 26));
}

TEST(DrawLamp, ArrowsAreTrianglesPointingTheirWay) {
  TBitmap bmp(20, 20);
  DrawLamp(bmp.Canvas(), Rect(2, 2, 15, 15), sArrowRight, clLime, clBtnShadow);
  const QImage& img = bmp.Image();
  EXPECT_TRUE(PixelIs(img, 2, 2, clBtnShadow));    // top-left corner
  EXPECT_TRUE(PixelIs(img, 14, 8, clBtnShadow));   // the tip, mid-height on the right
  EXPECT_TRUE(PixelIs(img, 5, 8, clLime));
  EXPECT_TRUE(PixelIs(img, 14, 2, clWhite));
  EXPECT_TRUE(PixelIs(img, 14, 14, clWhite));
}

}  // namespace
