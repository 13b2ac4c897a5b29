#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>

#include "framework/raster/raster.h"

using namespace bitcalc::framework;

namespace {

using PixelSet = std::set<std::pair<int, int>>;

PixelSet ToSet(const std::vector<TSpan>& spans) {
  PixelSet s;
  for (const TSpan& sp : spans)
    for (int x = sp.X0; x < sp.X1; ++x) s.insert({x, sp.Y});
  return s;
}

}  // namespace

TEST(LinePixels, EveryOctantStopsOneStepShortOfTheEnd) {
  const TPoint from{20, 20};
  // Two end points per octant (one steep, one shallow), plus the axes and
  // diagonals between them.
  const TPoint ends[] = {{30, 24}, {24, 30}, {16, 30}, {10, 24}, {10, 16}, {16, 10},
                         {24, 10}, {30, 16}, {27, 20}, {20, 27}, {13, 20}, {20, 13},
                         {25, 25}, {15, 25}, {15, 15}, {25, 15}, {21, 29}, {11, 19}};
  for (const TPoint& to : ends) {
    SCOPED_TRACE(testing::Message() << "to " << to.X << "," << to.Y);
    const auto px = LinePixels(from, to);
    const int dx = to.X - from.X, dy = to.Y - from.Y;
    ASSERT_EQ(int(px.size()), std::max(std::abs(dx), std::abs(dy)));
    EXPECT_EQ(px.front(), from);
    EXPECT_EQ(std::find(px.begin(), px.end(), to), px.end());
    // The last pixel is the end point's neighbour, so the next segment joins.
    EXPECT_EQ(std::max(std::abs(px.back().X - to.X), std::abs(px.back().Y - to.Y)), 1);
    for (std::size_t i = 0; i < px.size(); ++i) {
      if (i > 0) {
        EXPECT_LE(std::abs(px[i].X - px[i - 1].X), 1);
        EXPECT_LE(std::abs(px[i].Y - px[i - 1].Y), 1);
      }
      // Never more than half a pixel off the ideal line along the minor axis.
      const bool xMajor = std::abs(dx) >= std::abs(dy);
      const double t = xMajor ? double(px[i].X - from.X) / dx : double(px[i].Y - from.Y) / dy;
      const double ideal = xMajor ? from.Y + t * dy : from.X + t * dx;
      EXPECT_LE(std::abs((xMajor ? px[i].Y : px[i].X) - ideal), 0.5);
    }
  }
  EXPECT_TRUE(LinePixels(from, from).empty());
}

TEST(LinePixels, ExactMidpointTiesStayOnTheCurrentRow) {
  const std::vector<TPoint> forward = {{0, 0}, {1, 0}, {2, 1}, {3, 1}};
  EXPECT_EQ(LinePixels({0, 0}, {4, 2}), forward);
  const std::vector<TPoint> backward = {{4, 2}, {3, 2}, {2, 1}, {1, 1}};
  EXPECT_EQ(LinePixels({4, 2}, {0, 0}), backward);
}

TEST(RoundRectFill, EllipseIsSymmetricAndTouchesEveryEdgeOfItsBox) {
  for (const TRect box : {TRect{3, 4, 13, 14}, TRect{0, 0, 17, 9}, TRect{5, 5, 6, 12}}) {
    const auto spans = RoundRectFill(box, box.Width(), box.Height());
    ASSERT_EQ(int(spans.size()), box.Height());
    int minX = box.Right, maxX = box.Left;
    for (std::size_t i = 0; i < spans.size(); ++i) {
      const TSpan& s = spans[i];
      const TSpan& mirror = spans[spans.size() - 1 - i];
      EXPECT_EQ(s.Y, box.Top + int(i));
      EXPECT_LT(s.X0, s.X1);
      EXPECT_EQ(s.X0 - box.Left, box.Right - s.X1);  // left-right symmetric
      EXPECT_EQ(std::make_pair(s.X0, s.X1), std::make_pair(mirror.X0, mirror.X1));
      minX = std::min(minX, s.X0);
      maxX = std::max(maxX, s.X1);
    }
    EXPECT_EQ(minX, box.Left);
    EXPECT_EQ(maxX, box.Right);
  }
  // A 10-pixel circle: the pixel centres inside radius 5 give a flat top of four.
  const auto circle = RoundRectFill({0, 0, 10, 10}, 10, 10);
  EXPECT_EQ(circle[0], (TSpan{0, 3, 7}));
  EXPECT_EQ(circle[1], (TSpan{1, 1, 9}));
  EXPECT_EQ(circle[4], (TSpan{4, 0, 10}));
}

TEST(RoundRectFill, SquareCornersFillTheWholeBox) {
  const auto spans = RoundRectFill({2, 3, 7, 6}, 0, 0);
  ASSERT_EQ(spans.size(), 3u);
  for (const TSpan& s : spans) EXPECT_EQ(std::make_pair(s.X0, s.X1), std::make_pair(2, 7));
  EXPECT_TRUE(RoundRectFill({2, 3, 2, 6}, 0, 0).empty());
}

// The one-pixel outline must keep the inside apart from the outside: no
// interior pixel may touch a pixel outside the figure, and the outline is
// thin and closed (every outline pixel has at least two outline neighbours).
TEST(RoundRectOutline, ThinOutlineSealsTheInterior) {
  const std::tuple<TRect, int, int> shapes[] = {
      {{0, 0, 21, 13}, 21, 13}, {{0, 0, 16, 16}, 16, 16}, {{0, 0, 30, 12}, 9, 7}};
  for (const auto& [box, cw, ch] : shapes) {
    const PixelSet fill = ToSet(RoundRectFill(box, cw, ch));
    const PixelSet outline = ToSet(RoundRectOutline(box, cw, ch, 1));
    for (const auto& p : outline) {
      EXPECT_TRUE(fill.count(p));
      int neighbours = 0;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
          neighbours += (dx || dy) && outline.count({p.first + dx, p.second + dy});
      EXPECT_GE(neighbours, 2);
    }
    int interior = 0;
    for (const auto& p : fill) {
      if (outline.count(p)) continue;
      ++interior;
      for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
        EXPECT_TRUE(fill.count({p.first + dx, p.second + dy}));
    }
    EXPECT_GT(interior, 0);
    // Thin: along the middle row only the two end pixels are outline.
    const int mid = box.Height() / 2;
    int onMid = 0;
    for (const auto& p : outline) onMid += p.second == mid;
    EXPECT_EQ(onMid, 2);
  }
}

TEST(RoundRectOutline, WidePenStraddlesTheBorder) {
  const TRect box{10, 10, 20, 20};
  const PixelSet ring = ToSet(RoundRectOutline(box, 0, 0, 3));
  // Width 3 spreads one pixel outside and one inside the one-pixel border.
  EXPECT_TRUE(ring.count({9, 15}));
  EXPECT_TRUE(ring.count({10, 15}));
  EXPECT_TRUE(ring.count({11, 15}));
  EXPECT_FALSE(ring.count({12, 15}));
  EXPECT_FALSE(ring.count({8, 15}));
  EXPECT_TRUE(ring.count({20, 15}));
  EXPECT_FALSE(ring.count({21, 15}));
  EXPECT_FALSE(ring.count({15, 15}));
}

TEST(ClipSpansToSweep, KeepsTheCounterClockwiseSweepBetweenTheRadials) {
  const TRect box{0, 0, 20, 20};
  const auto outline = RoundRectOutline(box, 20, 20, 1);
  // From the radial to the right round to the radial upwards: the top-right quarter.
  const PixelSet quarter = ToSet(ClipSpansToSweep(outline, box, {20, 10}, {10, 0}));
  ASSERT_FALSE(quarter.empty());
  for (const auto& [x, y] : quarter) {
    EXPECT_GE(x, 10);
    EXPECT_LT(y, 10);
  }
  // The other way round covers the remaining three quarters.
  const PixelSet rest = ToSet(ClipSpansToSweep(outline, box, {10, 0}, {20, 10}));
  // No pixel centre lies on either radial, so the two parts do not overlap.
  EXPECT_EQ(quarter.size() + rest.size(), ToSet(outline).size());
  // Coinciding radials give the whole outline.
  EXPECT_EQ(ToSet(ClipSpansToSweep(outline, box, {20, 10}, {30, 10})), ToSet(outline));
}
