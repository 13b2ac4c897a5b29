#include "widgets/bits/bit_drawing.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// num / den rounded to the nearest integer, halves to the even neighbour,
// computed exactly so that a step of exactly one half never depends on
// floating-point representation.
int DivideRoundHalfEven(long long num, long long den) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  long long q = num / den;
  long long r = num % den;
  if (r < 0) {  // floor division
    q -= 1;
    r += den;
  }
  if (2 * r > den || (2 * r == den && (q & 1) != 0)) q += 1;
  return int(q);
}

int Step(int from, int to, int n, int i) {
  return (from + DivideRoundHalfEven((long long)(to - from) * i, n)) & 0xFF;
}

}  // namespace

TColor InterpolateColor(TColor c1, TColor c2, int n, int i) {
  const TColor a = ColorToRGB(c1);
  const TColor b = ColorToRGB(c2);
  if (a == b) return c1;
  if (n == 0) n = 1;
  return RGB(Step(GetRValue(a), GetRValue(b), n, i), Step(GetGValue(a), GetGValue(b), n, i),
             Step(GetBValue(a), GetBValue(b), n, i));
}

void DrawFrame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int n) {
  canvas.Pen().SetWidth(1);
  // The frames are drawn on the rectangle's last row and column, not beyond.
  r.Right -= 1;
  r.Bottom -= 1;
  for (int k = 0; k < n; ++k) {
    canvas.Pen().SetColor(topLeft);
    canvas.Polyline({{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}});
    canvas.Pen().SetColor(bottomRight);
    canvas.Polyline({{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}});
    r = r.Shrunk(1);
  }
  r.Right += 1;
  r.Bottom += 1;
}

TPoint AlignedTextOrigin(int x, int y, int align, int width, int height) {
  const int column = align % 3;
  const int row = align / 3;
  const int dx = column == 0 ? 0 : column == 1 ? width / 2 : width;
  const int dy = row == 0 ? 0 : row == 1 ? height / 2 : height;
  return {x - dx, y - dy};
}

void TextOutAligned(TCanvas& canvas, int x, int y, int align, const std::string& text) {
  const TPoint p = AlignedTextOrigin(x, y, align, canvas.TextWidth(text), canvas.TextHeight(text));
  canvas.TextOut(p.X, p.Y, text);
}

}  // namespace bitcalc::widgets
