#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "framework/raster/bitmap.h"
#include "framework/raster/raster.h"
#include "tests/support/pixel_probe.h"

using namespace bitcalc::framework;

namespace {

using PixelSet = std::set<std::pair<int, int>>;

PixelSet Inked(const TBitmap& bmp) {
  PixelSet out;
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x)
      if (bmp.Pixel(x, y) != clWhite) out.insert({x, y});
  return out;
}

PixelSet Covered(const std::vector<TSpan>& spans) {
  PixelSet out;
  for (const TSpan& s : spans)
    for (int x = s.X0; x < s.X1; ++x) out.insert({x, s.Y});
  return out;
}

struct Figure {
  const char* name;
  TRect box;
  int corner;  // -1: an ellipse
  int penWidth;
};

}  // namespace

// However the canvas groups a figure's spans into rectangles, and whatever
// short cut it takes for square corners, it paints exactly their pixels:
// outlines whose two edges alternate row by row, rows that narrow and widen
// again, bars too thin to have an inside, and rings of thick pens.
TEST(CanvasSpans, FiguresPaintExactlyTheirSpans) {
  const Figure figures[] = {
      {"rectangle", {3, 4, 31, 22}, 0, 1},        {"one row", {5, 10, 30, 11}, 0, 1},
      {"two columns", {10, 3, 12, 30}, 0, 1},     {"round rect", {2, 2, 30, 27}, 9, 1},
      {"ellipse", {4, 3, 33, 20}, -1, 1},         {"thick rectangle", {5, 5, 25, 30}, 0, 3},
      {"thick, no hole", {10, 10, 14, 30}, 0, 3}, {"thick ellipse", {3, 6, 35, 31}, -1, 4}};
  for (const Figure& f : figures) {
    SCOPED_TRACE(f.name);
    const int cw = f.corner < 0 ? f.box.Width() : f.corner;
    const int ch = f.corner < 0 ? f.box.Height() : f.corner;
    TBitmap bmp;
    Clear(bmp, 40, 40);
    TCanvas& c = bmp.Canvas();
    c.Pen().SetWidth(f.penWidth);
    c.Brush().SetStyle(bsClear);
    c.RoundRect(f.box.Left, f.box.Top, f.box.Right, f.box.Bottom, cw, ch);
    EXPECT_EQ(Inked(bmp), Covered(RoundRectOutline(f.box, cw, ch, f.penWidth)));

    Clear(bmp, 40, 40);
    c.Pen().SetStyle(psClear);
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(clNavy);
    c.RoundRect(f.box.Left, f.box.Top, f.box.Right, f.box.Bottom, cw, ch);
    const TRect inside{f.box.Left, f.box.Top, f.box.Right - 1, f.box.Bottom - 1};
    EXPECT_EQ(Inked(bmp), Covered(RoundRectFill(inside, cw, ch)));
  }
}

// Straight lines take a short cut past the pixel walk; every line, straight
// or slanted, forwards or backwards, still covers exactly the walk's pixels.
TEST(CanvasSpans, LinesPaintExactlyTheirWalk) {
  const TPoint from{20, 20};
  const TPoint ends[] = {{35, 20}, {4, 20},  {20, 36}, {20, 3},
                         {20, 20}, {33, 27}, {9, 2},   {21, 38}};
  for (const TPoint& to : ends) {
    SCOPED_TRACE(testing::Message() << to.X << "," << to.Y);
    TBitmap bmp;
    Clear(bmp, 40, 40);
    bmp.Canvas().MoveTo(from.X, from.Y);
    bmp.Canvas().LineTo(to.X, to.Y);
    PixelSet walk;
    for (const TPoint& p : LinePixels(from, to)) walk.insert({p.X, p.Y});
    EXPECT_EQ(Inked(bmp), walk);
  }
}

// A pixel whose centre lies right on a radial belongs to the sweep, from
// whichever side the sweep comes; the arc is worked out exactly, so the
// diagonals of a circle split it without a pixel lost or taken twice.
TEST(CanvasSpans, PixelsOnARadialBelongToTheSweepOnEitherSide) {
  const TRect box{0, 0, 20, 20};
  const auto outline = RoundRectOutline(box, 20, 20, 3);
  const PixelSet right = Covered(ClipSpansToSweep(outline, box, {20, 20}, {20, 0}));
  const PixelSet rest = Covered(ClipSpansToSweep(outline, box, {20, 0}, {20, 20}));
  PixelSet onBoth;
  PixelSet all = right;
  for (const auto& p : rest)
    if (!all.insert(p).second) onBoth.insert(p);
  PixelSet onDiagonals;
  for (const auto& [x, y] : Covered(outline))
    if (x >= 10 && (x - 10 == y - 10 || x - 10 == 9 - y)) onDiagonals.insert({x, y});
  EXPECT_EQ(all, Covered(outline));
  ASSERT_FALSE(onDiagonals.empty());
  EXPECT_EQ(onBoth, onDiagonals);
}
