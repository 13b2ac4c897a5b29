#include "widgets/bits/bit_sbevel.h"

#include <gtest/gtest.h>

#include "framework/bitmap.h"
#include "tests/widgets/bits/pixels.h"

namespace {

TEST(BitSBevel, ThicknessCountsSpacingWidthAndEachOutline) {
  TBitSBevel b;
  b.SetSpacing(3);
  b.SetWidth(2);
  EXPECT_EQ(b.Thickness(), 5);
  b.SetBevelLine(blOuter);
  EXPECT_EQ(b.Thickness(), 6);
  b.SetBevelLine(blInner);
  EXPECT_EQ(b.Thickness(), 6);
  b.SetBevelLine(blBoth);
  EXPECT_EQ(b.Thickness(), 7);
  b.SetWidth(-1);  // refused
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Thickness(), 7);
}

TEST(BitSBevel, ReportsItsOwnChangesAndThoseOfItsPartsButNotEqualValues) {
  TBitSBevel b;
  int changes = 0;
  b.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &b);
    ++changes;
  };
  b.SetColor(clBtnFace);  // already so
  b.SetWidth(2);
  EXPECT_EQ(changes, 0);
  b.SetPenColor(clRed);
  b.Offset().SetLeft(2);
  b.Offset().SetLeft(2);
  b.SurfaceGrad().SetVisible(true);
  EXPECT_EQ(changes, 3);
}

TEST(BitSBevel, ContentRectLeavesTheBevelAndAppliesTheOffset) {
  TBitSBevel b;  // raised, no outline, width 2, spacing 5
  EXPECT_EQ(b.ContentRect(Rect(0, 0, 40, 30)), Rect(7, 7, 33, 23));
  b.Offset().SetLeft(1);
  b.Offset().SetTop(2);
  b.Offset().SetRight(3);
  b.Offset().SetBottom(4);
  EXPECT_EQ(b.ContentRect(Rect(0, 0, 40, 30)), Rect(8, 9, 30, 19));
}

// A raised bevel with both outlines and two shaded frames whose colours are
// interpolated between the From and To colours.
TEST(BitSBevel, PaintsRaisedFramesBetweenOuterAndInnerOutlines) {
  const TColor face = RGB(200, 200, 200);
  const TColor pen = RGB(0, 128, 0);
  TBitSBevel b;
  b.SetBevelLine(blBoth);
  b.SetSpacing(1);
  b.SetColor(face);
  b.SetPenColor(pen);
  b.SetColorHighLightFrom(clWhite);
  b.SetColorHighLightTo(clBlack);
  b.SetColorShadowFrom(clRed);
  b.SetColorShadowTo(clBlue);
  TBitmap bmp(20, 16);
  TRect r = Rect(0, 0, 20, 16);
  b.Paint(bmp.Canvas(), r);
  EXPECT_EQ(r, Rect(5, 5, 15, 11));
  EXPECT_EQ(r, b.ContentRect(Rect(0, 0, 20, 16)));
  const QImage& img = bmp.Image();
  // Outer outline on the very edge.
  EXPECT_TRUE(PixelIs(img, 0, 0, pen));
  EXPECT_TRUE(PixelIs(img, 19, 15, pen));
  EXPECT_TRUE(PixelIs(img, 10, 15, pen));
  // First frame: half way from white to black (127.5 -> 127) on top and left,
  // half way from red to blue on the right and bottom.
  EXPECT_TRUE(PixelIs(img, 1, 1, RGB(127, 127, 127)));
  EXPECT_TRUE(PixelIs(img, 17, 1, RGB(127, 127, 127)));
  EXPECT_TRUE(PixelIs(img, 18, 1, RGB(127, 0, 128)));
  EXPECT_TRUE(PixelIs(img, 1, 14, RGB(127, 0, 128)));
  // Second frame: the To colours.
  EXPECT_TRUE(PixelIs(img, 2, 2, clBlack));
  EXPECT_TRUE(PixelIs(img, 17, 2, clBlue));
  EXPECT_TRUE(PixelIs(img, 2, 13, clBlue));
  // Inner outline, then the face down to the content.
  EXPECT_TRUE(PixelIs(img, 3, 3, pen));
  EXPECT_TRUE(PixelIs(img, 16, 12, pen));
  EXPECT_TRUE(PixelIs(img, 4, 4, face));
  EXPECT_TRUE(PixelIs(img, 10, 8, face));
}

TEST(BitSBevel, LoweredFramesSwapTheShadingAndAGradientFillsTheSurface) {
  TBitSBevel b;
  b.SetStyle(bsLowered);
  b.SetWidth(1);
  b.SetSpacing(2);
  b.SetBevelLine(blInner);
  b.SetColorShadowFrom(clRed);
  b.SetColorShadowTo(clRed);
  b.SetColorHighLightFrom(clBlue);
  b.SetColorHighLightTo(clBlue);
  b.SurfaceGrad().SetColorFrom(clYellow);
  b.SurfaceGrad().SetColorTo(clAqua);
  b.SurfaceGrad().SetStyle(gsVertical1);
  b.SurfaceGrad().SetVisible(true);
  TBitmap bmp(16, 14);
  TRect r = Rect(0, 0, 16, 14);
  b.Paint(bmp.Canvas(), r);
  const QImage& img = bmp.Image();
  EXPECT_TRUE(PixelIs(img, 0, 0, clRed));
  EXPECT_TRUE(PixelIs(img, 15, 5, clBlue));
  EXPECT_TRUE(PixelIs(img, 1, 1, clBlack));  // the inner outline
  // The surface is the area inside the frame and outline: rows 2-11.
  EXPECT_TRUE(PixelIs(img, 6, 2, clYellow));
  EXPECT_TRUE(PixelIs(img, 6, 11, clAqua));
  EXPECT_EQ(r, Rect(4, 4, 12, 10));
}

}  // namespace
