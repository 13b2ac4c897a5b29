#pragma once

#include <array>
#include <functional>
#include <string>

#include "framework/values/geometry.h"
#include "widgets/entry/selector_items.h"

namespace bitcalc::widgets {

// The parts of a selector button: the whole control R, the main part BR and,
// with a drop-down button, the drop-down part DR at the right edge. A button
// narrower than its drop-down part has a main part of negative width.
struct TSelectorParts {
  framework::TRect R;
  framework::TRect BR;
  framework::TRect DR;
  bool HasDropDownPart = false;
};
TSelectorParts SelectorParts(int width, int height, bool dropDownButton, int dropDownWidth);

// The top-left corner of the drop-down arrow in the drop-down part.
framework::TPoint ArrowPoint(const framework::TRect& dr);

// What the grid layout needs besides the items.
struct TCellMetrics {
  int MinCellWidth = 16;
  int MinCellHeight = 16;
  int ButtonMargin = 3;
  int LeftMargin = 4;
  int TopMargin = 4;
  int ButtonsPerRow = 1;
  int FullWidthHeight = 20;
  int TextHeight = 0;  // of a line of text in the grid's font
};

// The size of the grid after a layout. Height is -1 when there are no items,
// so the grid keeps the height it had.
struct TCellGrid {
  int CellWidth = 0;
  int CellHeight = 0;
  int Width = 0;
  int Height = -1;
};

// Sizes every auto-size cell to the widest caption, flows them into rows of
// ButtonsPerRow, gives full-width items a row each, and stores each item's
// CellRect.
TCellGrid LayoutCells(TStyledSelectorItems& items, const TCellMetrics& metrics,
                      const std::function<int(const std::string&)>& textWidth);

// The first item whose cell holds p, or -1.
int CellAt(const TStyledSelectorItems& items, framework::TPoint p);

// Where a drop-down of the given size goes for a selector whose bottom-left
// corner is at anchor on the screen: below it, its top row over the
// selector's bottom row, unless that leaves fewer than two pixels above the
// work area's bottom, and left-aligned with it unless that runs past the
// work area's right edge.
struct TDropDownPlacement {
  framework::TRect Bounds;
  bool RightAligned = false;
  bool OpensUpward = false;
};
TDropDownPlacement PlaceDropDown(const framework::TRect& workArea, framework::TPoint anchor,
                                 int selectorWidth, int selectorHeight, int width, int height);

// The four border lines of a w x h drop-down (left, right, top, bottom; each
// leaving out its end point). The edge lying on the selector stays open
// between the selector's two outer columns, so button and grid make one
// outline; a combo drop-down is closed all round.
struct TEdgeLine {
  framework::TPoint From;
  framework::TPoint To;
  friend bool operator==(const TEdgeLine&, const TEdgeLine&) = default;
};
struct TOpenEdge {
  int SelectorWidth = 0;
  bool ComboStyle = false;
  bool OpensUpward = false;
  bool RightAligned = false;
};
std::array<TEdgeLine, 4> BorderLines(int w, int h, const TOpenEdge& edge);

}  // namespace bitcalc::widgets
