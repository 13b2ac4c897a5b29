#include "widgets/trackbar/track_bar_thumb_painter.h"

#include <QPolygon>
#include <cmath>
#include <numbers>

#include "widgets/trackbar/track_bar_drawing.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// Shapes are described as for a vertical track: "across" is x, "along" is
// y. A horizontal track swaps the two, which keeps every line's pixels,
// since the thumb's lines are all straight or at 45 degrees.
struct Frame {
  bool vertical;
  int acrossStart, alongStart, acrossEnd, alongEnd;

  Frame(const TRect& r, bool v)
      : vertical(v),
        acrossStart(v ? r.Left : r.Top),
        alongStart(v ? r.Top : r.Left),
        acrossEnd(v ? r.Right : r.Bottom),
        alongEnd(v ? r.Bottom : r.Right) {}
  TPoint At(int across, int along) const {
    return vertical ? TPoint{across, along} : TPoint{along, across};
  }
  int AlongMiddle() const { return alongStart + (alongEnd - alongStart) / 2; }
};

void Line(TCanvas& c, const Frame& f, int across1, int along1, int across2, int along2) {
  const TPoint from = f.At(across1, along1), to = f.At(across2, along2);
  DrawLine(c, from.X, from.Y, to.X, to.Y);
}

// One ring of the pointer's outline, Inset pixels in from its edge. The three
// rings differ in a pixel here and there: how far the straight edges reach
// past the corners, where the start point's upper slope ends, and whether a
// flat end side takes one pixel more.
struct OutlineRing {
  int Inset;
  bool InBorderColor;  // else white
  int EdgeBeforePointedStart;
  int EdgeAfterPointedEnd;
  int EdgeAfterFlatEnd;
  int StartSlopeEndAcross, StartSlopeEndAlong;
  int FlatEndOvershoot;
};

// White outside, the outline colour just inside the edge, white again inside.
constexpr OutlineRing kPointerRings[] = {
    {0, false, 0, 0, 0, 0, 0, 1},
    {1, true, 0, 1, 1, 1, 0, 0},
    {2, false, 1, 2, 1, 1, 1, 0},
};

void PointerRing(TCanvas& c, const Frame& f, bool startPoint, bool endPoint,
                 const OutlineRing& ring) {
  const int inset = ring.Inset;
  const int half = (f.alongEnd - f.alongStart) / 2;
  const int startSide = (startPoint ? f.acrossStart + half : f.acrossStart) + inset;
  const int endSide = (endPoint ? f.acrossEnd - half : f.acrossEnd) - inset;
  const int top = f.alongStart + inset, bottom = f.alongEnd - inset;
  const int edgeFrom = startSide - (startPoint ? ring.EdgeBeforePointedStart : 0);
  const int edgeTo = endSide + (endPoint ? ring.EdgeAfterPointedEnd : ring.EdgeAfterFlatEnd);
  Line(c, f, edgeFrom, top, edgeTo, top);
  Line(c, f, edgeFrom, bottom, edgeTo, bottom);
  if (startPoint) {
    const int tipAlong = f.alongStart + half;
    Line(c, f, f.acrossStart + half, bottom, f.acrossStart + inset, tipAlong);
    Line(c, f, f.acrossStart + inset, tipAlong, f.acrossStart + half + ring.StartSlopeEndAcross,
         f.alongStart + ring.StartSlopeEndAlong);
  } else {
    Line(c, f, startSide, top, startSide, bottom);
  }
  if (endPoint) {
    const int tipAlong = f.alongEnd - half;
    Line(c, f, f.acrossEnd - half, bottom, f.acrossEnd - inset, tipAlong);
    Line(c, f, f.acrossEnd - inset, tipAlong, f.acrossEnd - half - 1, top - 1);
  } else {
    Line(c, f, endSide, top, endSide, bottom + ring.FlatEndOvershoot);
  }
}

void PointerLines(TCanvas& c, const TRect& r, bool vertical, bool startPoint, bool endPoint,
                  TColor border) {
  const Frame f(r, vertical);
  c.Pen().SetStyle(psSolid);
  c.Pen().SetWidth(1);
  c.Brush().SetStyle(bsClear);
  for (const OutlineRing& ring : kPointerRings) {
    c.Pen().SetColor(ring.InBorderColor ? border : clWhite);
    PointerRing(c, f, startPoint, endPoint, ring);
  }
}

void GripLine(TCanvas& c, const TRect& r, bool vertical, TColor border) {
  const Frame f(r, vertical);
  const int extent = f.acrossEnd - f.acrossStart;
  const int length = extent / 2 - 3;
  const int from = f.acrossStart + (extent - length + 1) / 2;
  const int middle = f.AlongMiddle();
  c.Pen().SetColor(border);
  Line(c, f, from, middle, from + length, middle);
}

// A triangle across r pointing to the end (right or bottom) side, or to the
// start side.
std::vector<TPoint> TriangleOutline(const TRect& r, bool vertical, bool towardEnd) {
  const Frame f(r, vertical);
  const int base = towardEnd ? f.acrossStart : f.acrossEnd;
  const int tip = towardEnd ? f.acrossEnd : f.acrossStart;
  return {f.At(base, f.alongStart), f.At(tip, f.AlongMiddle()), f.At(base, f.alongEnd)};
}

// Lines across the whole track at the thumb's centre: its darker end colour,
// its colour, then two lighter shades of it.
void PaintLineThumb(TCanvas& c, const TRect& r, bool vertical, const TGlossLook& look) {
  const Frame f(r, vertical);
  const int middle = f.AlongMiddle();
  const TColor colors[] = {look.UpperTo, look.UpperFrom, BlendColors(look.UpperFrom, clWhite, 60),
                           BlendColors(look.UpperFrom, clWhite, 30)};
  c.Pen().SetStyle(psSolid);
  for (int i = 0; i < 4; ++i) {
    if (colors[i] == clNone) continue;
    c.Pen().SetColor(colors[i]);
    Line(c, f, f.acrossStart, middle - 1 + i, f.acrossEnd, middle - 1 + i);
  }
}

TGradientDirection DirectionOf(TGlossGradient kind) {
  switch (kind) {
    case ggRadial:
      return gdHorizontal;
    case ggDiagonalForward:
      return gdHorizontalInOut;
    case ggVertical:
    case ggDiagonalBackward:
      break;
  }
  return gdVertical;
}

TGPPath PathOf(const std::vector<TPoint>& outline) {
  TGPPath path;
  std::vector<TGPPointF> points;
  for (const TPoint& p : outline) points.push_back({double(p.X), double(p.Y)});
  path.AddLines(points);
  path.CloseFigure();
  return path;
}

QRegion RegionOf(const std::vector<TPoint>& outline) {
  QPolygon polygon;
  for (const TPoint& p : outline) polygon << QPoint(p.X, p.Y);
  return QRegion(polygon, Qt::WindingFill);
}

}  // namespace

std::vector<TPoint> PointerOutline(const TRect& r, bool vertical, bool startPoint, bool endPoint) {
  const Frame f(r, vertical);
  const int half = (f.alongEnd - f.alongStart) / 2;
  const int startSide = startPoint ? f.acrossStart + half : f.acrossStart;
  const int endSide = endPoint ? f.acrossEnd - half : f.acrossEnd;
  std::vector<TPoint> points{f.At(endSide, f.alongEnd), f.At(startSide, f.alongEnd)};
  if (startPoint) points.push_back(f.At(f.acrossStart, f.alongStart + half));
  points.push_back(f.At(startSide, f.alongStart));
  points.push_back(f.At(endSide, f.alongStart));
  if (endPoint) points.push_back(f.At(f.acrossEnd, f.alongEnd - half));
  return points;
}

std::vector<TPoint> RoundedOutline(const TRect& r, int radius) {
  if (radius <= 1) return {r.TopLeft(), {r.Right, r.Top}, r.BottomRight(), {r.Left, r.Bottom}};
  const struct {
    int cx, cy;
    double start;
  } corners[] = {{r.Right - radius, r.Top + radius, -90},
                 {r.Right - radius, r.Bottom - radius, 0},
                 {r.Left + radius, r.Bottom - radius, 90},
                 {r.Left + radius, r.Top + radius, 180}};
  std::vector<TPoint> points;
  for (const auto& corner : corners) {
    for (int i = 0; i <= 4; ++i) {
      const double angle = (corner.start + 22.5 * i) * std::numbers::pi / 180;
      points.push_back({corner.cx + int(std::lround(radius * std::cos(angle))),
                        corner.cy + int(std::lround(radius * std::sin(angle)))});
    }
  }
  return points;
}

void FillGlossHalf(TGPGraphics& g, const TRect& r, TColor a, TColor b, TGlossGradient kind,
                   bool isUpper) {
  const int w = r.Width(), hh = r.Height();
  const TGPRectF area{double(r.Left), double(r.Top), double(w), double(hh)};
  if (kind == ggRadial) {
    g.FillRectangle(TGPSolidBrush(isUpper ? a : b), area);
    TGPPath ellipse;
    ellipse.AddEllipse(r.Left, isUpper ? r.Top - hh / 2 + 2 : r.Top, w, hh);
    TGPPathGradientBrush glow(ellipse);
    // The glow's centre sits on a whole pixel, where the integer layout puts it.
    const int centreX = r.Left + w / 2;
    glow.SetCenterPoint({double(centreX), double(isUpper ? r.Top : r.Bottom)});
    glow.SetCenterColor(isUpper ? b : a);
    glow.SetSurroundColor(isUpper ? a : b);
    g.FillRectangle(glow, area);
    return;
  }
  const TGPLinearGradientMode mode = kind == ggVertical ? TGPLinearGradientMode::Vertical
                                     : kind == ggDiagonalForward
                                         ? TGPLinearGradientMode::ForwardDiagonal
                                         : TGPLinearGradientMode::BackwardDiagonal;
  g.FillRectangle(TGPLinearGradientBrush(area, a, b, mode), area);
}

void DrawGloss(TGPGraphics& g, const TRect& r, const TGlossLook& look) {
  const int half = r.Height() / 2;
  FillGlossHalf(g, Rect(r.Left, r.Top + half - 1, r.Right, r.Bottom), look.LowerTo, look.LowerFrom,
                look.GradientMirror, false);
  FillGlossHalf(g, Rect(r.Left, r.Top, r.Right, r.Bottom - half + 1), look.UpperFrom, look.UpperTo,
                look.Gradient, true);
}

void FillGlossShape(TCanvas& canvas, const TRect& r, const std::vector<TPoint>& outline,
                    const TGlossLook& look) {
  const bool upper = look.UpperFrom != clNone && look.UpperTo != clNone;
  if (upper && look.LowerFrom != clNone && look.LowerTo != clNone) {
    if (!canvas.Painter()) return;
    TGPGraphics g(canvas.Painter());
    g.SetClip(PathOf(outline));
    DrawGloss(g, r, look);
    return;
  }
  if (look.UpperFrom == clNone) return;
  canvas.SelectClipRegion(RegionOf(outline));
  if (upper) {
    DrawDirectedGradient(canvas, look.UpperFrom, look.UpperTo, DirectionOf(look.Gradient), r,
                         kThumbGradientSteps);
  } else {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(look.UpperFrom);
    canvas.FillRect(r);
  }
  canvas.RemoveClip();
}

void PaintThumbShape(TCanvas& canvas, const TRect& r, TThumbShape shape, bool vertical,
                     TTickMark ticks, const TGlossLook& look) {
  if (shape == tsLine) {
    PaintLineThumb(canvas, r, vertical, look);
    return;
  }
  const bool pointer = shape == tsPointer || shape == tsPointerLeftUp || shape == tsPointerRightUp;
  if (pointer) {
    const bool startPoint =
        shape == tsPointerLeftUp || (shape == tsPointer && ticks != tmBottomRight);
    const bool endPoint = shape == tsPointerRightUp || (shape == tsPointer && ticks != tmTopLeft);
    FillGlossShape(canvas, r, PointerOutline(r, vertical, startPoint, endPoint), look);
    if (look.Border == clNone) return;
    PointerLines(canvas, r, vertical, startPoint, endPoint, look.Border);
    GripLine(canvas, r, vertical, look.Border);
    return;
  }
  if (shape == tsTriangle || shape == tsTriangleLeft || shape == tsTriangleRight) {
    const bool towardEnd = shape == tsTriangleRight || (shape == tsTriangle && ticks != tmTopLeft);
    const auto outline = TriangleOutline(r, vertical, towardEnd);
    FillGlossShape(canvas, r, outline, look);
    if (look.Border == clNone) return;
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetColor(look.Border);
    canvas.Brush().SetStyle(bsClear);
    canvas.Polygon(outline);
    return;
  }
  // The rounded family: a rectangle with corner 1, one with corner 8, and a
  // fully rounded one with a dot in the middle.
  const int size = vertical ? r.Width() : r.Height();
  const int corner = shape == tsRectangle ? 1 : shape == tsRoundRect ? 8 : size;
  FillGlossShape(canvas, r, RoundedOutline(r, corner / 2), look);
  if (look.Border == clNone) return;
  canvas.Pen().SetStyle(psSolid);
  canvas.Pen().SetColor(look.Border);
  canvas.Brush().SetStyle(bsClear);
  canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, corner, corner);
  if (shape == tsRectangle) {
    canvas.Pen().SetColor(clWhite);
    canvas.Rectangle(r.Shrunk(1));
  }
  if (shape == tsRound) {
    const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(look.Border);
    canvas.Ellipse(cx - 2, cy - 2, cx + 2, cy + 2);
  } else {
    GripLine(canvas, r, vertical, look.Border);
  }
}

}  // namespace bitcalc::widgets
