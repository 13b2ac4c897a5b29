#include "widgets/entry/selector_geometry.h"

#include <algorithm>

namespace bitcalc::widgets {

using namespace bitcalc::framework;

TSelectorParts SelectorParts(int width, int height, bool dropDownButton, int dropDownWidth) {
  TSelectorParts p;
  p.R = Rect(0, 0, width, height);
  p.BR = p.R;
  if (dropDownButton) {
    p.BR.Right = width - dropDownWidth;
    p.DR = Rect(width - dropDownWidth, 0, width, height);
    p.HasDropDownPart = true;
  }
  return p;
}

TPoint ArrowPoint(const TRect& dr) {
  // Integer division toward zero, as the arrow was always placed.
  return Point(dr.Left + (dr.Width() - 5) / 2 + 1, dr.Top + (dr.Height() - 3) / 2 + 1);
}

TCellGrid LayoutCells(TStyledSelectorItems& items, const TCellMetrics& m,
                      const std::function<int(const std::string&)>& textWidth) {
  TCellGrid g;
  g.CellWidth = m.MinCellWidth;
  g.CellHeight = m.MinCellHeight;
  int autoCount = 0;
  int widestFullRow = 0;
  for (const TStyledSelectorItem& item : items) {
    const int w = textWidth(item.Caption) + 2 * m.ButtonMargin;
    if (item.ItemType == itAutoSizeButton) {
      ++autoCount;
      g.CellWidth = std::max(g.CellWidth, w);
      g.CellHeight = std::max(g.CellHeight, m.TextHeight + m.ButtonMargin);
    } else {
      widestFullRow = std::max(widestFullRow, w + 2 * m.LeftMargin);
    }
  }
  g.Width = std::max({2 * m.LeftMargin + m.MinCellWidth, widestFullRow,
                      std::min(m.ButtonsPerRow, autoCount) * g.CellWidth + 2 * m.LeftMargin});

  int x = m.LeftMargin;
  int y = m.TopMargin;
  int column = 0;
  bool autoSinceFullRow = false;
  for (TStyledSelectorItem& item : items) {
    if (item.ItemType == itAutoSizeButton) {
      if (++column > m.ButtonsPerRow) {
        column = 1;
        x = m.LeftMargin;
        y += g.CellHeight;
      }
      item.CellRect = Rect(x, y, x + g.CellWidth, y + g.CellHeight);
      x += g.CellWidth;
      autoSinceFullRow = true;
    } else {
      if (autoSinceFullRow) y += g.CellHeight + 2;
      item.CellRect = Rect(m.LeftMargin, y, g.Width - m.LeftMargin, y + m.FullWidthHeight);
      y += m.FullWidthHeight;
      x = m.LeftMargin;
      column = 0;
      autoSinceFullRow = false;
    }
  }
  if (items.Count() > 0) g.Height = items[items.Count() - 1].CellRect.Bottom + m.TopMargin;
  return g;
}

int CellAt(const TStyledSelectorItems& items, TPoint p) {
  for (int i = 0; i < items.Count(); ++i)
    if (items[i].CellRect.Contains(p)) return i;
  return -1;
}

TDropDownPlacement PlaceDropDown(const TRect& workArea, TPoint anchor, int selectorWidth,
                                 int selectorHeight, int width, int height) {
  TDropDownPlacement p;
  int left = anchor.X;
  if (left + width > workArea.Right) {
    left = anchor.X + selectorWidth - width;
    p.RightAligned = true;
  }
  int top;
  if (height + anchor.Y + 2 < workArea.Bottom) {
    top = anchor.Y - 1;
  } else {
    top = anchor.Y - selectorHeight - height + 1;
    p.OpensUpward = true;
  }
  p.Bounds = Bounds(left, top, width, height);
  return p;
}

std::array<TEdgeLine, 4> BorderLines(int w, int h, const TOpenEdge& e) {
  const int sw = e.SelectorWidth;
  TEdgeLine top{Point(0, 0), Point(w - 1, 0)};
  TEdgeLine bottom{Point(0, h - 1), Point(w - 1, h - 1)};
  if (!e.ComboStyle) {
    if (e.OpensUpward)
      bottom = e.RightAligned ? TEdgeLine{Point(0, h - 1), Point(w - sw + 1, h - 1)}
                              : TEdgeLine{Point(sw - 1, h - 1), Point(w - 1, h - 1)};
    else
      top = e.RightAligned ? TEdgeLine{Point(0, 0), Point(w - sw + 1, 0)}
                           : TEdgeLine{Point(sw - 1, 0), Point(w, 0)};
  }
  return {TEdgeLine{Point(0, 0), Point(0, h)}, TEdgeLine{Point(w - 1, h), Point(w - 1, -1)}, top,
          bottom};
}

}  // namespace bitcalc::widgets
