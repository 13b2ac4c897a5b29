#include <gtest/gtest.h>

#include <QPainter>

#include "framework/raster/bitmap.h"
#include "framework/raster/canvas.h"
#include "tests/support/pixel_probe.h"

using namespace bitcalc::framework;

namespace {

class CanvasFigures : public ::testing::Test {
 protected:
  void SetUp() override { Clear(bmp, 40, 40); }
  TCanvas& c() { return bmp.Canvas(); }
  TColor At(int x, int y) { return bmp.Pixel(x, y); }
  void Use(TColor pen, TColor brush) {
    c().Pen().SetColor(pen);
    c().Brush().SetColor(brush);
  }
  TBitmap bmp;
};

}  // namespace

TEST_F(CanvasFigures, LineToLeavesOutItsEndPointInEveryDirection) {
  const TPoint ends[] = {{30, 24}, {24, 30}, {16, 30}, {10, 24}, {10, 16}, {16, 10}, {24, 10},
                         {30, 16}, {30, 20}, {20, 30}, {10, 20}, {20, 10}, {28, 28}, {12, 12}};
  for (const TPoint& to : ends) {
    SCOPED_TRACE(testing::Message() << to.X << "," << to.Y);
    Clear(bmp, 40, 40);
    c().Pen().SetColor(clBlack);
    c().MoveTo(20, 20);
    c().LineTo(to.X, to.Y);
    EXPECT_EQ(At(20, 20), clBlack);
    EXPECT_EQ(At(to.X, to.Y), clWhite);
    EXPECT_EQ(CountColor(bmp, clBlack), std::max(std::abs(to.X - 20), std::abs(to.Y - 20)));
    EXPECT_EQ(c().PenPos(), to);
  }
}

TEST_F(CanvasFigures, PolylineLeavesOutOnlyItsLastPoint) {
  c().Pen().SetColor(clRed);
  c().Polyline({{5, 5}, {15, 5}, {15, 15}, {5, 25}});
  EXPECT_EQ(At(5, 5), clRed);
  EXPECT_EQ(At(15, 5), clRed);  // a corner is the next segment's start
  EXPECT_EQ(At(15, 15), clRed);
  EXPECT_EQ(At(6, 24), clRed);
  EXPECT_EQ(At(5, 25), clWhite);
  EXPECT_EQ(CountColor(bmp, clRed), 10 + 10 + 10);
  EXPECT_EQ(c().PenPos(), (TPoint{0, 0}));  // a polyline does not move the pen
}

TEST_F(CanvasFigures, RectangleOfOneColourFillsExactlyItsHalfOpenArea) {
  Use(clRed, clRed);
  c().Rectangle(5, 7, 25, 19);
  EXPECT_EQ(CountColor(bmp, clRed), 20 * 12);
  EXPECT_EQ(InkBox(bmp, clWhite), QRect(5, 7, 20, 12));
}

TEST_F(CanvasFigures, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  Use(clBlue, clYellow);
  c().Rectangle(TRect{5, 5, 15, 12});
  for (int x = 5; x < 15; ++x) {
    EXPECT_EQ(At(x, 5), clBlue);
    EXPECT_EQ(At(x, 11), clBlue);
  }
  for (int y = 5; y < 12; ++y) {
    EXPECT_EQ(At(5, y), clBlue);
    EXPECT_EQ(At(14, y), clBlue);
  }
  EXPECT_EQ(CountColor(bmp, clYellow), 8 * 5);
  EXPECT_EQ(At(15, 8), clWhite);
  EXPECT_EQ(At(10, 12), clWhite);
}

TEST_F(CanvasFigures, ClearBrushLeavesTheInsideUntouched) {
  Clear(bmp, 40, 40, clLime);
  c().Pen().SetColor(clBlack);
  c().Brush().SetStyle(bsClear);
  c().Rectangle(5, 5, 15, 15);
  EXPECT_EQ(CountColor(bmp, clLime, QRect(6, 6, 8, 8)), 64);
  EXPECT_EQ(CountColor(bmp, clBlack), 36);
  c().Ellipse(20, 20, 36, 36);
  EXPECT_EQ(At(28, 28), clLime);
}

TEST_F(CanvasFigures, ClearPenFillsOnePixelShortOfRightAndBottom) {
  c().Pen().SetStyle(psClear);
  c().Brush().SetColor(clRed);
  c().Rectangle(5, 5, 15, 12);
  EXPECT_EQ(InkBox(bmp, clWhite), QRect(5, 5, 9, 6));
}

TEST_F(CanvasFigures, FillRectAndFrameRectUseTheBrush) {
  c().Brush().SetColor(clNavy);
  c().FillRect({2, 3, 6, 8});
  EXPECT_EQ(CountColor(bmp, clNavy), 4 * 5);
  c().Brush().SetColor(clRed);
  c().FrameRect({10, 10, 20, 16});
  EXPECT_EQ(CountColor(bmp, clRed), 2 * 10 + 2 * 4);
  EXPECT_EQ(At(15, 13), clWhite);
  EXPECT_EQ(At(19, 15), clRed);
  c().Brush().SetStyle(bsClear);
  c().FillRect({30, 30, 35, 35});
  EXPECT_EQ(At(32, 32), clWhite);
}

TEST_F(CanvasFigures, EllipseStaysInsideItsHalfOpenBoxAndTouchesEachSide) {
  Use(clRed, clRed);
  c().Ellipse(4, 6, 30, 20);
  EXPECT_EQ(InkBox(bmp, clWhite), QRect(4, 6, 26, 14));
  EXPECT_EQ(At(4, 6), clWhite);  // corners of the box stay clear
  EXPECT_EQ(At(29, 19), clWhite);
  Use(clBlack, clYellow);
  c().Ellipse(4, 22, 30, 38);
  EXPECT_EQ(At(17, 30), clYellow);
  EXPECT_EQ(At(4, 30), clBlack);
  EXPECT_EQ(At(29, 30), clBlack);
  EXPECT_EQ(At(17, 22), clBlack);
  EXPECT_EQ(At(17, 37), clBlack);
}

TEST_F(CanvasFigures, RoundRectCutsItsCornersOnly) {
  Use(clBlack, clBlack);
  c().RoundRect(5, 5, 35, 25, 10, 10);
  EXPECT_EQ(InkBox(bmp, clWhite), QRect(5, 5, 30, 20));
  EXPECT_EQ(At(5, 5), clWhite);
  EXPECT_EQ(At(34, 24), clWhite);
  EXPECT_EQ(At(20, 5), clBlack);
  EXPECT_EQ(At(5, 15), clBlack);
}

TEST_F(CanvasFigures, ArcRunsCounterClockwiseBetweenTheRadials) {
  c().Pen().SetColor(clBlack);
  // From the right-hand radial to the left-hand one: the upper half.
  c().Arc(0, 0, 40, 40, 40, 20, 0, 20);
  EXPECT_GT(CountColor(bmp, clBlack, QRect(0, 0, 40, 20)), 40);
  EXPECT_EQ(CountColor(bmp, clBlack, QRect(0, 20, 40, 20)), 0);
  Clear(bmp, 40, 40);
  c().Pen().SetWidth(3);
  c().Arc(0, 0, 40, 40, 0, 20, 40, 20);  // the lower half, three pixels thick
  EXPECT_EQ(CountColor(bmp, clBlack, QRect(0, 0, 40, 20)), 0);
  // Three pixels centred on the thin outline's bottom row (39), the outer one
  // falling off the bitmap.
  EXPECT_EQ(CountColor(bmp, clBlack, QRect(19, 38, 2, 2)), 4);
  EXPECT_EQ(At(20, 37), clWhite);
}

TEST_F(CanvasFigures, PolygonFillsInsideAndOutlinesThroughEveryVertex) {
  Use(clBlue, clYellow);
  c().Polygon({{5, 5}, {30, 5}, {30, 30}});
  EXPECT_EQ(At(5, 5), clBlue);
  EXPECT_EQ(At(30, 5), clBlue);
  EXPECT_EQ(At(30, 30), clBlue);
  EXPECT_EQ(At(25, 10), clYellow);
  EXPECT_EQ(At(10, 25), clWhite);
  EXPECT_EQ(CountColor(bmp, clBlue, QRect(0, 0, 40, 1)), 0);
}

TEST_F(CanvasFigures, WidePenDrawsRoundCappedStrokesCentredOnTheLine) {
  c().Pen().SetWidth(3);
  c().MoveTo(10, 20);
  c().LineTo(30, 20);
  for (int y : {19, 20, 21}) EXPECT_EQ(At(20, y), clBlack) << y;
  EXPECT_EQ(At(20, 18), clWhite);
  EXPECT_EQ(At(20, 22), clWhite);
}

TEST_F(CanvasFigures, DottedPenPaintsGapsOnlyWithASolidBrush) {
  c().Pen().SetStyle(psDot);
  c().Brush().SetStyle(bsClear);
  c().MoveTo(0, 5);
  c().LineTo(12, 5);
  for (int x = 0; x < 12; ++x) EXPECT_EQ(At(x, 5), (x / 3) % 2 == 0 ? clBlack : clWhite) << x;
  c().Brush().SetStyle(bsSolid);
  c().Brush().SetColor(clRed);
  c().MoveTo(0, 8);
  c().LineTo(12, 8);
  for (int x = 0; x < 12; ++x) EXPECT_EQ(At(x, 8), (x / 3) % 2 == 0 ? clBlack : clRed) << x;
}

TEST_F(CanvasFigures, ClipRectanglesAndRegionsLimitDrawing) {
  c().Brush().SetColor(clRed);
  c().SetClipRect({10, 10, 20, 20});
  c().FillRect({0, 0, 40, 40});
  EXPECT_EQ(InkBox(bmp, clWhite), QRect(10, 10, 10, 10));
  c().IntersectClipRect({15, 0, 40, 40});
  c().Brush().SetColor(clBlue);
  c().FillRect({0, 0, 40, 40});
  EXPECT_EQ(CountColor(bmp, clBlue), 5 * 10);
  c().SetClipRect({0, 0, 0, 0});  // an empty clip lets nothing through
  c().SetPixel(1, 1, clBlack);
  EXPECT_EQ(At(1, 1), clWhite);
  c().SelectClipRegion(QRegion(0, 0, 2, 2) + QRegion(38, 38, 2, 2));
  c().Brush().SetColor(clLime);
  c().FillRect({0, 0, 40, 40});
  EXPECT_EQ(CountColor(bmp, clLime), 8);
  EXPECT_EQ(c().Pixel(20, 20), clNone);  // outside the clip reads as no colour
  c().RemoveClip();
  EXPECT_FALSE(c().HasClip());
  c().FillRect({0, 0, 40, 40});
  EXPECT_EQ(CountColor(bmp, clLime), 40 * 40);
}

// A control paints through a painter that may be translated to its origin and
// clipped to its bounds, with render hints left by earlier drawing.
TEST(CanvasAttach, FollowsThePaintersOriginAndStaysInsideItsClip) {
  QImage image(40, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.translate(10, 10);
  painter.setClipRect(0, 0, 20, 20);
  TCanvas canvas(&painter);
  canvas.Pen().SetColor(clRed);
  canvas.Brush().SetColor(clRed);
  canvas.Ellipse(0, 0, 15, 15);
  canvas.SetClipRect({-10, -10, 50, 50});  // cannot widen the painter's clip
  canvas.Brush().SetColor(clBlue);
  canvas.FillRect({15, 15, 40, 40});
  EXPECT_EQ(canvas.Pixel(7, 7), clRed);     // read back through the origin
  EXPECT_EQ(canvas.Pixel(25, 25), clNone);  // outside the painter's clip
  canvas.Detach();
  painter.end();
  int other = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const QRgb p = image.pixel(x, y);
      const bool known = p == qRgb(255, 255, 255) || p == qRgb(255, 0, 0) || p == qRgb(0, 0, 255);
      other += !known;  // a blended edge would betray anti-aliasing
      if (x < 10 || y < 10 || x >= 30 || y >= 30) {
        EXPECT_EQ(p, qRgb(255, 255, 255)) << x << "," << y;
      }
    }
  EXPECT_EQ(other, 0);
  EXPECT_EQ(image.pixel(10 + 7, 10), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(29, 29), qRgb(0, 0, 255));
}
