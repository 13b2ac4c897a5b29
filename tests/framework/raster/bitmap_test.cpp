#include <gtest/gtest.h>

#include "framework/raster/bitmap.h"
#include "tests/support/pixel_probe.h"

using namespace bitcalc::framework;

namespace {

// A 4 x 3 picture: a magenta background with a red pixel and a blue column.
void Sprite(TBitmap& s) {
  Clear(s, 4, 3, clFuchsia);
  s.SetPixel(1, 1, clRed);
  s.Canvas().Brush().SetColor(clBlue);
  s.Canvas().FillRect({3, 0, 4, 3});
}

}  // namespace

TEST(Bitmap, StartsWhiteAndKeepsItsPixelsWhenResized) {
  TBitmap bmp(3, 2);
  EXPECT_EQ(bmp.Width(), 3);
  EXPECT_EQ(bmp.Height(), 2);
  EXPECT_EQ(bmp.Image().format(), QImage::Format_RGB32);
  EXPECT_EQ(CountColor(bmp, clWhite), 6);
  bmp.Canvas().Brush().SetColor(clRed);
  bmp.Canvas().FillRect({0, 0, 3, 2});
  bmp.SetSize(5, 4);
  EXPECT_EQ(CountColor(bmp, clRed), 6);
  EXPECT_EQ(CountColor(bmp, clWhite), 14);
  EXPECT_EQ(bmp.Pixel(5, 0), clNone);
  bmp.SetSize(0, 4);
  EXPECT_TRUE(bmp.Empty());
  bmp.Canvas().FillRect({0, 0, 3, 2});  // drawing on nothing is harmless
}

TEST(Bitmap, ReadingBetweenDrawingCallsSeesEveryStroke) {
  TBitmap bmp(10, 10);
  TCanvas& c = bmp.Canvas();
  c.Brush().SetStyle(bsClear);
  c.SetClipRect({0, 0, 5, 10});
  c.MoveTo(0, 2);
  c.LineTo(10, 2);
  EXPECT_EQ(bmp.Pixel(4, 2), clBlack);
  // The clip and the pen position carry over the painter being reopened.
  c.LineTo(10, 8);
  EXPECT_EQ(CountColor(bmp, clBlack), 5);
  EXPECT_EQ(c.PenPos(), (TPoint{10, 8}));
  EXPECT_EQ(c.Pixel(4, 2), clBlack);
  EXPECT_EQ(c.Pixel(6, 2), clNone);  // outside the clip
}

TEST(Bitmap, DrawAndCopyRectPlaceThePixels) {
  TBitmap sprite;
  Sprite(sprite);
  TBitmap bmp(20, 20);
  bmp.Canvas().Draw(5, 6, sprite);
  EXPECT_EQ(bmp.Pixel(6, 7), clRed);
  EXPECT_EQ(bmp.Pixel(5, 6), clFuchsia);
  EXPECT_EQ(InkBox(bmp, clWhite), QRect(5, 6, 4, 3));

  // Doubling by copying a part into a rectangle twice its size repeats pixels.
  Clear(bmp, 20, 20);
  bmp.Canvas().CopyRect({0, 0, 4, 4}, sprite, {0, 0, 2, 2});
  EXPECT_EQ(CountColor(bmp, clRed), 4);
  EXPECT_EQ(bmp.Pixel(2, 2), clRed);
  EXPECT_EQ(bmp.Pixel(3, 3), clRed);
  EXPECT_EQ(bmp.Pixel(1, 1), clFuchsia);
  EXPECT_EQ(InkBox(bmp, clWhite), QRect(0, 0, 4, 4));
}

TEST(Bitmap, DrawTransparentSkipsEveryPixelOfTheKeyColour) {
  TBitmap sprite;
  Sprite(sprite);
  TBitmap bmp;
  Clear(bmp, 10, 10, clLime);
  bmp.Canvas().DrawTransparent(2, 2, sprite, clFuchsia);
  EXPECT_EQ(bmp.Pixel(3, 3), clRed);
  for (int y = 2; y < 5; ++y) EXPECT_EQ(bmp.Pixel(5, y), clBlue);
  EXPECT_EQ(CountColor(bmp, clLime), 100 - 4);
  EXPECT_EQ(CountColor(bmp, clFuchsia), 0);
  // No key colour: the whole picture.
  bmp.Canvas().DrawTransparent(2, 2, sprite, clNone);
  EXPECT_EQ(CountColor(bmp, clFuchsia), 8);
}

TEST(Bitmap, LoadsFromAnImageComposedOverWhite) {
  QImage argb(2, 1, QImage::Format_ARGB32);
  argb.setPixel(0, 0, qRgba(0, 0, 255, 255));
  argb.setPixel(1, 0, qRgba(255, 0, 0, 0));  // fully transparent
  TBitmap bmp;
  bmp.LoadFromImage(argb);
  EXPECT_EQ(bmp.Width(), 2);
  EXPECT_EQ(bmp.Pixel(0, 0), clBlue);
  EXPECT_EQ(bmp.Pixel(1, 0), clWhite);
  TBitmap copy;
  copy.Assign(bmp);
  EXPECT_EQ(copy.Image(), bmp.Image());
}

// A buffer for a screen of device pixel ratio 2: canvas pixels are 2 x 2
// blocks, and it goes onto targets by its size in canvas pixels.
TEST(Bitmap, AtRatioTwoEveryCanvasPixelIsABlockOfFourDevicePixels) {
  TBitmap bmp(3, 2, 2);
  EXPECT_EQ(bmp.Width(), 3);
  EXPECT_EQ(bmp.Image().size(), QSize(6, 4));
  bmp.Canvas().Brush().SetColor(clRed);
  bmp.Canvas().FillRect({1, 0, 2, 1});
  bmp.SetPixel(2, 1, clBlue);
  EXPECT_EQ(InkBox(bmp, clWhite), QRect(2, 0, 4, 4));
  EXPECT_EQ(CountColor(bmp, clRed, QRect(2, 0, 2, 2)), 4);
  EXPECT_EQ(CountColor(bmp, clBlue, QRect(4, 2, 2, 2)), 4);
  EXPECT_EQ(bmp.Pixel(1, 0), clRed);
  EXPECT_EQ(bmp.Canvas().Pixel(2, 1), clBlue);

  TBitmap target(4, 4);
  target.Canvas().CopyRect({0, 0, 2, 2}, bmp, {1, 0, 2, 1});  // one canvas pixel, doubled
  EXPECT_EQ(CountColor(target, clRed), 4);
  target.Canvas().Draw(1, 2, bmp);
  EXPECT_EQ(target.Pixel(3, 3), clBlue);
  EXPECT_EQ(InkBox(target, clWhite), QRect(0, 0, 4, 4));

  bmp.SetDevicePixelRatio(1);  // keeps the picture
  EXPECT_EQ(bmp.Image().size(), QSize(3, 2));
  EXPECT_EQ(bmp.Pixel(1, 0), clRed);
  EXPECT_EQ(bmp.Pixel(2, 1), clBlue);
}
