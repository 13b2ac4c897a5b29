#pragma once

#include <vector>

#include "framework/values/geometry.h"

namespace bitcalc::framework {

// Pixel sets of the canvas's figures, computed without any drawing library so
// that which pixels a figure covers is exact, repeatable and testable.

// A run of pixels on row Y covering X0 <= x < X1.
struct TSpan {
  int Y = 0;
  int X0 = 0;
  int X1 = 0;
  friend bool operator==(const TSpan&, const TSpan&) = default;
};

// The pixels of a one-pixel line from `from` towards `to`, in drawing order,
// without `to` itself. Bresenham's integer walk along the major axis; when
// the ideal line passes exactly midway between two pixels the walk stays on
// the minor coordinate it has, so the choice leans back towards the start.
std::vector<TPoint> LinePixels(TPoint from, TPoint to);

// The interior of a rectangle with corners rounded by an ellipse cornerW wide
// and cornerH high (0 for square corners; cornerW = box width and cornerH =
// box height give an ellipse). A pixel belongs to it when its centre lies
// inside the ideal shape whose edges are the box's edges. One span per row,
// top to bottom.
std::vector<TSpan> RoundRectFill(const TRect& box, int cornerW, int cornerH);

// The outline a pen of the given width draws around that shape. A one-pixel
// outline is the thin, 8-connected border of RoundRectFill; a wider one is the
// ring between the shape grown by (width - 1) / 2 and that grown shape shrunk
// by width, so the pen straddles the border. Up to two spans per row.
std::vector<TSpan> RoundRectOutline(const TRect& box, int cornerW, int cornerH, int width);

// The pixels of RoundRectOutline for square corners, as at most four
// rectangles: the ring between the box grown by (width - 1) / 2 and that
// grown box shrunk by width, or the whole grown box when the ring has no hole.
std::vector<TRect> SquareOutline(const TRect& box, int width);

// The spans of an outline whose pixel centres lie in the counter-clockwise
// sweep from the radial through `start` to the radial through `end`, measured
// around the centre of box. Equal directions keep the whole outline.
std::vector<TSpan> ClipSpansToSweep(const std::vector<TSpan>& spans, const TRect& box, TPoint start,
                                    TPoint end);

}  // namespace bitcalc::framework
