#include "widgets/bits/bit_drawing.h"

#include <gtest/gtest.h>

#include "framework/bitmap.h"
#include "tests/widgets/bits/pixels.h"
#include "widgets/bits/bit_gradient.h"

namespace {

TEST(InterpolateColor, ColoursThatResolveAlikeComeBackAsTheFirstArgument) {
  EXPECT_EQ(InterpolateColor(clBtnShadow, clBtnShadow, 1, 1), clBtnShadow);
  // Different names for one RGB value: still the first name, not a fixed colour.
  ASSERT_EQ(ColorToRGB(clBtnHighlight), ColorToRGB(clWhite));
  EXPECT_EQ(InterpolateColor(clBtnHighlight, clWhite, 2, 1), clBtnHighlight);
}

TEST(InterpolateColor, StepsEachChannelAndRoundsHalvesToEven) {
  // Red: 0 -> 5 half way is 2.5 -> 2; green: 0 -> 3 is 1.5 -> 2;
  // blue: 255 -> 250 is -2.5 -> -2, giving 253.
  EXPECT_EQ(InterpolateColor(RGB(0, 0, 255), RGB(5, 3, 250), 2, 1), RGB(2, 2, 253));
  // 10 -> 7 half way is -1.5 -> -2; 0 -> 1 at 5 of 10 is exactly 0.5 -> 0.
  EXPECT_EQ(InterpolateColor(RGB(10, 0, 0), RGB(7, 1, 0), 2, 1), RGB(8, 0, 0));
  EXPECT_EQ(InterpolateColor(RGB(0, 0, 0), RGB(0, 1, 0), 10, 5), RGB(0, 0, 0));
  EXPECT_EQ(InterpolateColor(RGB(0, 0, 0), RGB(0, 3, 0), 10, 5), RGB(0, 2, 0));
}

TEST(InterpolateColor, ReachesTheSecondColourAtTheLastStepAndTreatsZeroStepsAsOne) {
  EXPECT_EQ(InterpolateColor(clRed, clBlue, 3, 3), clBlue);
  EXPECT_EQ(InterpolateColor(clRed, clBlue, 3, 0), clRed);
  EXPECT_EQ(InterpolateColor(clBlack, clWhite, 0, 1), clWhite);
  // A system colour is resolved before it is mixed.
  EXPECT_EQ(InterpolateColor(clBtnShadow, clBlack, 1, 1), clBlack);
}

TEST(DrawFrame3D, DrawsNestedFramesInsideTheRectangleAndShrinksIt) {
  TBitmap bmp(12, 10);
  TRect r = Rect(2, 2, 10, 8);
  DrawFrame3D(bmp.Canvas(), r, clRed, clBlue, 2);
  EXPECT_EQ(r, Rect(4, 4, 8, 6));
  const QImage& img = bmp.Image();
  // Outer frame: top and left edges red, right and bottom edges blue; the
  // top-right and bottom-left corners belong to the blue edges.
  EXPECT_TRUE(PixelIs(img, 2, 2, clRed));
  EXPECT_TRUE(PixelIs(img, 8, 2, clRed));
  EXPECT_TRUE(PixelIs(img, 9, 2, clBlue));
  EXPECT_TRUE(PixelIs(img, 2, 6, clRed));
  EXPECT_TRUE(PixelIs(img, 2, 7, clBlue));
  EXPECT_TRUE(PixelIs(img, 9, 7, clBlue));
  // Second frame one pixel in.
  EXPECT_TRUE(PixelIs(img, 3, 3, clRed));
  EXPECT_TRUE(PixelIs(img, 8, 3, clBlue));
  EXPECT_TRUE(PixelIs(img, 3, 6, clBlue));
  // Nothing outside the rectangle or inside the frames.
  EXPECT_TRUE(PixelIs(img, 10, 2, clWhite));
  EXPECT_TRUE(PixelIs(img, 2, 8, clWhite));
  EXPECT_TRUE(PixelIs(img, 1, 1, clWhite));
  EXPECT_TRUE(PixelIs(img, 4, 4, clWhite));
  EXPECT_TRUE(PixelIs(img, 7, 5, clWhite));
}

TEST(TextOutAligned, PlacesTheReferencePointOfTheTextCell) {
  const int w = 9, h = 13;
  EXPECT_EQ(AlignedTextOrigin(50, 40, 0, w, h), (TPoint{50, 40}));
  EXPECT_EQ(AlignedTextOrigin(50, 40, 1, w, h), (TPoint{46, 40}));
  EXPECT_EQ(AlignedTextOrigin(50, 40, 2, w, h), (TPoint{41, 40}));
  EXPECT_EQ(AlignedTextOrigin(50, 40, 3, w, h), (TPoint{50, 34}));
  EXPECT_EQ(AlignedTextOrigin(50, 40, 4, w, h), (TPoint{46, 34}));
  EXPECT_EQ(AlignedTextOrigin(50, 40, 5, w, h), (TPoint{41, 34}));
  EXPECT_EQ(AlignedTextOrigin(50, 40, 6, w, h), (TPoint{50, 27}));
  EXPECT_EQ(AlignedTextOrigin(50, 40, 8, w, h), (TPoint{41, 27}));
}

TEST(TextOutAligned, RightBottomAlignedTextEndsAtThePoint) {
  TBitmap bmp(60, 40);
  TCanvas& c = bmp.Canvas();
  c.Brush().SetStyle(bsClear);
  TextOutAligned(c, 40, 30, 8, "Wg");
  const QRect ink = InkBox(bmp.Image(), QRect(0, 0, 60, 40), clWhite);
  ASSERT_FALSE(ink.isNull());
  // The glyphs lie inside the text cell that ends at (40, 30).
  EXPECT_LE(ink.right(), 39);
  EXPECT_GE(ink.right(), 37);
  EXPECT_LE(ink.bottom(), 29);
  EXPECT_GE(ink.left(), 40 - c.TextWidth("Wg"));
  EXPECT_GE(ink.top(), 30 - c.TextHeight("Wg"));
}

TEST(FillGradient, RunsFromTheFirstColourToTheSecondInTheStyleDirection) {
  TBitmap bmp(9, 7);
  FillGradient(bmp.Canvas(), Rect(0, 0, 9, 7), clRed, clBlue, gsHorizontal1);
  EXPECT_TRUE(PixelIs(bmp.Image(), 0, 3, clRed));
  EXPECT_TRUE(PixelIs(bmp.Image(), 8, 3, clBlue));
  // Half way: red 255 - 127.5 and blue 127.5, both rounded to even.
  EXPECT_TRUE(PixelIs(bmp.Image(), 4, 0, RGB(127, 0, 128)));

  FillGradient(bmp.Canvas(), Rect(0, 0, 9, 7), clRed, clBlue, gsVertical3);
  EXPECT_TRUE(PixelIs(bmp.Image(), 4, 0, clRed));
  EXPECT_TRUE(PixelIs(bmp.Image(), 4, 3, clBlue));
  EXPECT_TRUE(PixelIs(bmp.Image(), 4, 6, clRed));

  FillGradient(bmp.Canvas(), Rect(0, 0, 9, 7), clRed, clBlue, gsElliptic2);
  EXPECT_TRUE(PixelIs(bmp.Image(), 0, 0, clRed));  // the edge
  EXPECT_TRUE(PixelIs(bmp.Image(), 4, 3, clBlue));  // the centre
}

}  // namespace
