#include "widgets/trackbar/track_bar_thumb_painter.h"

#include <QPolygon>
#include <cmath>
#include <numbers>

#include "widgets/trackbar/track_bar_drawing.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// Shapes are described as for a vertical track: a is across (x), s is along
// (y). A horizontal track swaps the two, which keeps every line's pixels,
// since the thumb's lines are all straight or at 45 degrees.
struct Frame {
  bool vertical;
  int a0, s0, a1, s1;

  Frame(const TRect& r, bool v)
      : vertical(v),
        a0(v ? r.Left : r.Top),
        s0(v ? r.Top : r.Left),
        a1(v ? r.Right : r.Bottom),
        s1(v ? r.Bottom : r.Right) {}
  TPoint P(int a, int s) const { return vertical ? TPoint{a, s} : TPoint{s, a}; }
};

void Line(TCanvas& c, const Frame& f, int a1, int s1, int a2, int s2) {
  const TPoint from = f.P(a1, s1), to = f.P(a2, s2);
  DrawLine(c, from.X, from.Y, to.X, to.Y);
}

// The pointer's outline: a white line outside, the outline colour just inside
// the edge, and white again inside that.
void PointerLines(TCanvas& c, const TRect& r, bool vertical, bool lp, bool rp, TColor border) {
  const Frame f(r, vertical);
  const int L = f.a0, T = f.s0, R = f.a1, B = f.s1;
  const int h = (B - T) / 2;
  const TPoint P1{L + h, B}, P2{L, T + h}, P3{L + h, T};
  const TPoint Q1{R - h, B}, Q2{R, B - h}, Q3{R - h, T};
  int bl = lp ? L + h : L, br = rp ? R - h : R, bt = T, bb = B;
  auto line = [&](int a1, int s1, int a2, int s2) { Line(c, f, a1, s1, a2, s2); };

  c.Pen().SetStyle(psSolid);
  c.Pen().SetWidth(1);
  c.Brush().SetStyle(bsClear);
  c.Pen().SetColor(clWhite);
  line(bl, bt, br, bt);
  line(bl, bb, br, bb);
  if (lp) {
    line(P1.X, P1.Y, P2.X, P2.Y);
    line(P2.X, P2.Y, P3.X, P3.Y);
  } else {
    line(bl, bt, bl, bb);
  }
  if (rp) {
    line(Q1.X, Q1.Y, Q2.X, Q2.Y);
    line(Q2.X, Q2.Y, Q3.X - 1, Q3.Y - 1);
  } else {
    line(br, bt, br, bb + 1);
  }

  ++bl, ++bt, --br, --bb;
  c.Pen().SetColor(border);
  line(bl, bb, br + 1, bb);
  line(bl, bt, br + 1, bt);
  if (lp) {
    line(P1.X, P1.Y - 1, P2.X + 1, P2.Y);
    line(P2.X + 1, P2.Y, P3.X + 1, P3.Y);
  } else {
    line(bl, bt, bl, bb);
  }
  if (rp) {
    line(Q1.X, Q1.Y - 1, Q2.X - 1, Q2.Y);
    line(Q2.X - 1, Q2.Y, Q3.X - 1, Q3.Y);
  } else {
    line(br, bt, br, bb);
  }

  ++bl, ++bt, --br, --bb;
  c.Pen().SetColor(clWhite);
  const int k = rp ? 2 : 1, start = lp ? bl - 1 : bl;
  line(start, bb, br + k, bb);
  line(start, bt, br + k, bt);
  if (lp) {
    line(P1.X, P1.Y - 2, P2.X + 2, P2.Y);
    line(P2.X + 2, P2.Y, P3.X + 1, P3.Y + 1);
  } else {
    line(bl, bt, bl, bb);
  }
  if (rp) {
    line(Q1.X, Q1.Y - 2, Q2.X - 2, Q2.Y);
    line(Q2.X - 2, Q2.Y, Q3.X - 1, Q3.Y + 1);
  } else {
    line(br, bt, br, bb);
  }
}

void GripLine(TCanvas& c, const TRect& r, bool vertical, TColor border) {
  const Frame f(r, vertical);
  const int n = (f.a1 - f.a0) / 2 - 3;
  const int x0 = f.a0 + ((f.a1 - f.a0) - n + 1) / 2;
  const int mid = f.s0 + (f.s1 - f.s0) / 2;
  c.Pen().SetColor(border);
  Line(c, f, x0, mid, x0 + n, mid);
}

// A triangle across r pointing to the end (right or bottom) side, or to the
// start side.
std::vector<TPoint> TriangleOutline(const TRect& r, bool vertical, bool towardEnd) {
  const Frame f(r, vertical);
  const int mid = f.s0 + (f.s1 - f.s0) / 2;
  const int base = towardEnd ? f.a0 : f.a1, tip = towardEnd ? f.a1 : f.a0;
  return {f.P(base, f.s0), f.P(tip, mid), f.P(base, f.s1)};
}

// Lines across the whole track at the thumb's centre: its darker end colour,
// its colour, then two lighter shades of it.
void PaintLineThumb(TCanvas& c, const TRect& r, bool vertical, const TGlossLook& look) {
  const Frame f(r, vertical);
  const int mid = f.s0 + (f.s1 - f.s0) / 2;
  const TColor colors[] = {look.UpperTo, look.UpperFrom, BlendColors(look.UpperFrom, clWhite, 60),
                           BlendColors(look.UpperFrom, clWhite, 30)};
  c.Pen().SetStyle(psSolid);
  for (int i = 0; i < 4; ++i) {
    if (colors[i] == clNone) continue;
    c.Pen().SetColor(colors[i]);
    Line(c, f, f.a0, mid - 1 + i, f.a1, mid - 1 + i);
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
  const int h = (f.s1 - f.s0) / 2;
  const int bl = startPoint ? f.a0 + h : f.a0, br = endPoint ? f.a1 - h : f.a1;
  std::vector<TPoint> points{f.P(br, f.s1), f.P(bl, f.s1)};
  if (startPoint) points.push_back(f.P(f.a0, f.s0 + h));
  points.push_back(f.P(bl, f.s0));
  points.push_back(f.P(br, f.s0));
  if (endPoint) points.push_back(f.P(f.a1, f.s1 - h));
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
    glow.SetCenterPoint({double(r.Left + w / 2), double(isUpper ? r.Top : r.Bottom)});
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
    const bool lp = shape == tsPointerLeftUp || (shape == tsPointer && ticks != tmBottomRight);
    const bool rp = shape == tsPointerRightUp || (shape == tsPointer && ticks != tmTopLeft);
    FillGlossShape(canvas, r, PointerOutline(r, vertical, lp, rp), look);
    if (look.Border == clNone) return;
    PointerLines(canvas, r, vertical, lp, rp, look.Border);
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
