#include "widgets/entry/selector_paint.h"

#include "framework/values/rounding.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

int Blend(int a, int b, int step, int steps) {
  return steps <= 0 ? a : RoundHalfEven(a + double(b - a) * step / steps);
}

TColor BandColor(TColor from, TColor to, int band, int bands) {
  from = ColorToRGB(from);
  to = ColorToRGB(to);
  return RGB(Blend(GetRValue(from), GetRValue(to), band, bands - 1),
             Blend(GetGValue(from), GetGValue(to), band, bands - 1),
             Blend(GetBValue(from), GetBValue(to), band, bands - 1));
}

}  // namespace

void FillBands(TCanvas& canvas, const TRect& r, TColor from, TColor to, int bands, bool vertical) {
  const int length = vertical ? r.Height() : r.Width();
  if (length <= 0 || r.IsEmpty()) return;
  const int size = length / bands;
  canvas.Brush().SetStyle(bsSolid);
  for (int i = 0; i < bands; ++i) {
    const int start = i * size;
    const int end = i == bands - 1 ? length : start + size;
    if (end <= start) continue;
    canvas.Brush().SetColor(BandColor(from, to, i, bands));
    canvas.FillRect(vertical ? Rect(r.Left, r.Top + start, r.Right, r.Top + end)
                             : Rect(r.Left + start, r.Top, r.Left + end, r.Bottom));
  }
}

void FillFace(TCanvas& canvas, const TRect& r, TColor c, TColor to, int bands, bool vertical) {
  if (to != clNone) {
    FillBands(canvas, r, c, to, bands, vertical);
    return;
  }
  canvas.Pen().SetColor(c);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(c);
  canvas.Rectangle(r);
}

void FrameFace(TCanvas& canvas, const TRect& r, TColor c) {
  canvas.Brush().SetStyle(bsClear);
  if (c == clNone) return;
  canvas.Pen().SetColor(c);
  canvas.Rectangle(r);
}

void DrawDropArrow(TCanvas& canvas, TPoint ap) {
  canvas.Pen().SetColor(clBlack);
  canvas.MoveTo(ap.X, ap.Y);
  canvas.LineTo(ap.X + 5, ap.Y);
  canvas.MoveTo(ap.X + 1, ap.Y + 1);
  canvas.LineTo(ap.X + 4, ap.Y + 1);
  canvas.SetPixel(ap.X + 2, ap.Y + 2, clBlack);
}

}  // namespace bitcalc::widgets
