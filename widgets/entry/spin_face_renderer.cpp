#include "widgets/entry/spin_face_renderer.h"

#include "framework/values/rounding.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

void Line(TCanvas& c, TColor color, TPoint from, TPoint to) {
  c.Pen().SetColor(color);
  c.MoveTo(from.X, from.Y);
  c.LineTo(to.X, to.Y);
}

// The glyph with its transparent colour shown as the button face: the face is laid
// under the glyph's whole rectangle first, then only the other pixels go on top.
void DrawGlyph(TCanvas& c, TPoint at, const TBitmap& glyph) {
  if (glyph.Empty()) return;
  c.FillRect(Bounds(at.X, at.Y, glyph.Width(), glyph.Height()));
  c.DrawTransparent(at.X, at.Y, glyph, glyph.Pixel(0, glyph.Height() - 1));
}

}  // namespace

SpinPressState SpinHalfAt(int x, int y, int w, int h) {
  if (w <= 0) return spTop;
  return double(y) > double(h) - double(h) / double(w) * double(x) ? spBottom : spTop;
}

TPoint SpinUpArrowOrigin(int w, int h, int gw, int gh, bool topPressed) {
  const int d = topPressed ? 2 : 1;
  return {RoundHalfEven(w / 4.0 - gw / 2.0) + d, RoundHalfEven(h / 4.0 - gh / 2.0) + d};
}

TPoint SpinDownArrowOrigin(int w, int h, int gw, int gh) {
  return {RoundHalfEven(3.0 * w / 4.0 - gw / 2.0) - 1, RoundHalfEven(3.0 * h / 4.0 - gh / 2.0) - 1};
}

void RenderSpinFace(TBitmap& face, SpinPressState state, int w, int h, const TBitmap& upGlyph,
                    const TBitmap& downGlyph) {
  face.SetSize(w, h);
  if (face.Empty()) return;
  TCanvas& c = face.Canvas();
  c.Pen().SetWidth(1);
  c.Pen().SetStyle(psSolid);
  c.Brush().SetStyle(bsSolid);
  c.Brush().SetColor(clBtnFace);
  c.FillRect(Rect(0, 0, w, h));

  // Frame and the dividing diagonal.
  c.Pen().SetColor(clWindowFrame);
  c.Rectangle(0, 0, w, h);
  Line(c, clWindowFrame, {-1, h}, {w, -1});

  // Top triangle: light upper-left edges and a dark edge along the diagonal when
  // raised; dark upper-left edges and no diagonal edge when sunk.
  const bool top = state == spTop;
  c.Pen().SetColor(top ? clBtnShadow : clBtnHighlight);
  c.Polyline({{1, h - 4}, {1, 1}, {w - 3, 1}});
  if (!top) Line(c, clBtnShadow, {1, h - 3}, {w - 2, 0});

  // Bottom triangle: dark lower-right edges and a light edge along the diagonal
  // when raised, the other way round when sunk.
  const bool bottom = state == spBottom;
  c.Pen().SetColor(bottom ? clBtnHighlight : clBtnShadow);
  c.Polyline({{2, h - 2}, {w - 2, h - 2}, {w - 2, 1}});
  Line(c, bottom ? clBtnShadow : clBtnHighlight, {2, h - 2}, {w - 1, 1});

  DrawGlyph(c, SpinUpArrowOrigin(w, h, upGlyph.Width(), upGlyph.Height(), top), upGlyph);
  DrawGlyph(c, SpinDownArrowOrigin(w, h, downGlyph.Width(), downGlyph.Height()), downGlyph);

  // A sunk bottom half gets a second dark line beside the diagonal.
  if (bottom) Line(c, clBtnShadow, {3, h - 2}, {w - 1, 2});
}

}  // namespace bitcalc::widgets
