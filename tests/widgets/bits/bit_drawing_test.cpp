#include "widgets/bits/bit_drawing.h"

#include <gtest/gtest.h>

#include "framework/raster/bitmap.h"
#include "tests/support/pixels.h"
#include "widgets/bits/bit_sbevel.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

TEST(InterpolateColor, KeepsLikeColoursAndRoundsHalfStepsToEven) {
  EXPECT_EQ(InterpolateColor(clBtnShadow, clBtnShadow, 1, 1), clBtnShadow);
  ASSERT_EQ(ColorToRGB(clBtnHighlight), ColorToRGB(clWhite));
  EXPECT_EQ(InterpolateColor(clBtnHighlight, clWhite, 2, 1), clBtnHighlight);
  // Half way 0 -> 5 is 2.5 -> 2, 0 -> 3 is 1.5 -> 2, 255 -> 250 is -2.5 -> -2.
  EXPECT_EQ(InterpolateColor(RGB(0, 0, 255), RGB(5, 3, 250), 2, 1), RGB(2, 2, 253));
  EXPECT_EQ(InterpolateColor(RGB(0, 0, 0), RGB(1, 0, 0), 10, 5), RGB(0, 0, 0));
  EXPECT_EQ(InterpolateColor(clRed, clBlue, 3, 3), clBlue);
  EXPECT_EQ(InterpolateColor(clBlack, clWhite, 0, 1), clWhite);  // no steps count as one
}

TEST(BitSBevel, PaintsShadedFramesBetweenItsOutlinesAndReturnsTheContent) {
  const TColor face = RGB(200, 200, 200), pen = RGB(0, 128, 0);
  TBitSBevel b;
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.SetWidth(-1);         // refused
  b.SetColor(clBtnFace);  // unchanged
  b.Offset().SetLeft(1);  // a change of a part is the bevel's
  EXPECT_EQ(changes, 1);
  b.Offset().SetLeft(0);
  b.SetBevelLine(blBoth);
  b.SetSpacing(1);
  EXPECT_EQ(b.Thickness(), 5);
  b.SetColor(face);
  b.SetPenColor(pen);
  b.SetColorHighLightTo(clBlack);
  b.SetColorShadowFrom(clRed);
  b.SetColorShadowTo(clBlue);
  TBitmap bmp(20, 16);
  TRect r = Rect(0, 0, 20, 16);
  b.Paint(bmp.Canvas(), r);
  EXPECT_EQ(r, Rect(5, 5, 15, 11));
  const QImage& img = bmp.Image();
  // Outer outline, a frame half way from the From to the To colours (127.5
  // rounds to 128, -127.5 to -128), a frame in the To colours, the inner
  // outline, then face.
  EXPECT_TRUE(PixelIs(img, 0, 0, pen));
  EXPECT_TRUE(PixelIs(img, 19, 15, pen));
  EXPECT_TRUE(PixelIs(img, 1, 1, RGB(127, 127, 127)));
  EXPECT_TRUE(PixelIs(img, 18, 1, RGB(127, 0, 128)));
  EXPECT_TRUE(PixelIs(img, 2, 2, clBlack));
  EXPECT_TRUE(PixelIs(img, 2, 13, clBlue));
  EXPECT_TRUE(PixelIs(img, 3, 3, pen));
  EXPECT_TRUE(PixelIs(img, 4, 4, face));
}

}  // namespace
