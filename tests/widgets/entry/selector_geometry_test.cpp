#include "widgets/entry/selector_geometry.h"

#include <gtest/gtest.h>

#include <string>

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

TEST(SelectorGeometry, ANarrowButtonIsAllDropDownPartWithTheArrowAtOneThirteen) {
  const TSelectorParts p = SelectorParts(9, 27, true, 12);
  EXPECT_EQ(p.BR, Rect(0, 0, -3, 27));
  EXPECT_EQ(p.DR, Rect(-3, 0, 9, 27));
  EXPECT_EQ(ArrowPoint(p.DR), Point(1, 13));

  const TSelectorParts wide = SelectorParts(40, 22, true, 12);
  EXPECT_EQ(wide.BR, Rect(0, 0, 28, 22));
  EXPECT_EQ(ArrowPoint(wide.DR), Point(32, 10));
  const TSelectorParts plain = SelectorParts(40, 22, false, 12);
  EXPECT_EQ(plain.BR, plain.R);
  EXPECT_FALSE(plain.HasDropDownPart);
}

TEST(SelectorGeometry, CellsFlowInRowsOfButtonsPerRowAndFullWidthItemsTakeARow) {
  TStyledSelectorItems items;
  for (int i = 0; i < 20; ++i) items.Add().Caption.assign(size_t(i % 3 + 1), 'x');
  TCellMetrics m;
  m.ButtonsPerRow = 16;
  m.ButtonMargin = 0;
  m.TextHeight = 19;
  const auto width = [](const std::string& s) { return 6 * int(s.size()); };  // widest: 18
  TCellGrid g = LayoutCells(items, m, width);
  EXPECT_EQ(g.CellWidth, 18);
  EXPECT_EQ(g.CellHeight, 19);
  EXPECT_EQ(g.Width, 16 * 18 + 8);
  EXPECT_EQ(g.Height, 4 + 2 * 19 + 4);
  EXPECT_EQ(items[17].CellRect, Rect(4 + 18, 4 + 19, 4 + 36, 4 + 38));
  EXPECT_EQ(CellAt(items, Point(4 + 18, 4 + 19)), 17);
  EXPECT_EQ(CellAt(items, Point(4 + 17, 4 + 18)), 0);
  EXPECT_EQ(CellAt(items, Point(3, 4)), -1);

  // A full-width row comes two pixels below the row above it and is as wide
  // as the grid, however long its caption; the next cells start below it.
  TStyledSelectorItem& full = items.Add();
  full.ItemType = itFullWidthButton;
  full.Caption.assign(60, 'x');
  items.Add().Caption.assign(1, 'x');
  g = LayoutCells(items, m, width);
  EXPECT_EQ(g.Width, 360 + 8);
  EXPECT_EQ(items[20].CellRect, Rect(4, 4 + 19 + 21, 364, 4 + 19 + 21 + 20));
  EXPECT_EQ(items[21].CellRect, Rect(4, 64, 4 + 18, 64 + 19));
  EXPECT_EQ(g.Height, 64 + 19 + 4);

  TStyledSelectorItems none;
  EXPECT_EQ(LayoutCells(none, m, width).Height, -1);
}

TEST(SelectorGeometry, TheDropDownGoesAboveOrRightAlignedOnlyWhenItMust) {
  // A 9 x 27 selector with its bottom-left corner at (x, y); a 264 x 300 grid.
  const TRect area = Rect(0, 0, 800, 600);
  struct Case {
    int x, y;
    TRect bounds;
    bool upward, right;
  } cases[] = {
      {100, 200, Bounds(100, 199, 264, 300), false, false},
      {100, 297, Bounds(100, 296, 264, 300), false, false},  // 300 + 297 + 2 = 599 < 600
      {100, 298, Bounds(100, 298 - 27 - 300 + 1, 264, 300), true, false},
      {536, 200, Bounds(536, 199, 264, 300), false, false},  // ends exactly at the right
      {537, 200, Bounds(537 + 9 - 264, 199, 264, 300), false, true},
      {790, 580, Bounds(790 + 9 - 264, 580 - 27 - 300 + 1, 264, 300), true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    const TDropDownPlacement p = PlaceDropDown(area, Point(c.x, c.y), 9, 27, 264, 300);
    EXPECT_EQ(p.Bounds, c.bounds);
    EXPECT_EQ(p.OpensUpward, c.upward);
    EXPECT_EQ(p.RightAligned, c.right);
  }
}

TEST(SelectorGeometry, TheBorderIsOpenWhereItLiesOnTheSelector) {
  const int w = 100, h = 50, sw = 9;
  const TEdgeLine closedTop{Point(0, 0), Point(w - 1, 0)};
  const TEdgeLine closedBottom{Point(0, h - 1), Point(w - 1, h - 1)};
  struct Case {
    TOpenEdge edge;
    TEdgeLine top, bottom;
  } cases[] = {
      {{sw, true, false, false}, closedTop, closedBottom},
      {{sw, false, true, true}, closedTop, {Point(0, h - 1), Point(w - sw + 1, h - 1)}},
      {{sw, false, true, false}, closedTop, {Point(sw - 1, h - 1), Point(w - 1, h - 1)}},
      {{sw, false, false, true}, {Point(0, 0), Point(w - sw + 1, 0)}, closedBottom},
      {{sw, false, false, false}, {Point(sw - 1, 0), Point(w, 0)}, closedBottom},
  };
  for (const Case& c : cases) {
    const auto lines = BorderLines(w, h, c.edge);
    EXPECT_EQ(lines[0], (TEdgeLine{Point(0, 0), Point(0, h)}));
    EXPECT_EQ(lines[1], (TEdgeLine{Point(w - 1, h), Point(w - 1, -1)}));
    EXPECT_EQ(lines[2], c.top);
    EXPECT_EQ(lines[3], c.bottom);
  }
}

}  // namespace
