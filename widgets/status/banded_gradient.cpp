#include "widgets/status/banded_gradient.h"

#include <algorithm>
#include <cstdint>

#include "framework/values/rounding.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// Exact quotient before rounding, so that a step landing on a half rounds to
// even however the division would have been carried out in floating point.
int RoundedShare(std::int64_t numerator, int n) {
  return RoundHalfEven(double(numerator) / n);
}

}  // namespace

double BandStep(const TRect& r, int n, bool vertical) {
  return double(vertical ? r.Height() : r.Width()) / std::max(1, n);
}

void DrawBandedGradient(TCanvas& canvas, const TRect& r, TColor c1, TColor c2, int n, bool vertical,
                        int bandLength, bool cutAtEdge) {
  n = std::max(1, n);
  const TColor from = ColorToRGB(c1);
  const TColor to = ColorToRGB(c2);
  const int dr = GetRValue(to) - GetRValue(from);
  const int dg = GetGValue(to) - GetGValue(from);
  const int db = GetBValue(to) - GetBValue(from);
  const std::int64_t extent = vertical ? r.Height() : r.Width();
  const int farEdge = vertical ? r.Bottom : r.Right;
  canvas.Brush().SetStyle(bsSolid);
  for (int i = 0; i < n; ++i) {
    const TColor color = RGB(GetRValue(from) + RoundedShare(std::int64_t(i) * dr, n),
                             GetGValue(from) + RoundedShare(std::int64_t(i) * dg, n),
                             GetBValue(from) + RoundedShare(std::int64_t(i) * db, n));
    const int start = (vertical ? r.Top : r.Left) + RoundedShare(i * extent, n);
    int end = start + bandLength;
    if (cutAtEdge) end = std::min(end, farEdge);
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    // A pen and brush of one colour make the band a solid fill of exactly
    // its rectangle.
    canvas.FillRect(vertical ? TRect{r.Left, start, r.Right, end}
                             : TRect{start, r.Top, end, r.Bottom});
  }
}

}  // namespace bitcalc::widgets
