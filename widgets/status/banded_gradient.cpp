#include "widgets/status/banded_gradient.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// i * total / n rounded, halves to even. The quotient is taken whole before
// rounding, so that a step landing on a half rounds to even however the
// division would have been carried out in floating point.
std::int64_t Share(std::int64_t i, std::int64_t total, int n) {
  return std::int64_t(std::nearbyint(double(i * total) / n));
}

std::int64_t Extent(const TRect& r, bool vertical) {
  return vertical ? std::int64_t(r.Bottom) - r.Top : std::int64_t(r.Right) - r.Left;
}

// Band edges are kept where the painter can take them; a band beyond that is
// off any device anyway.
int Drawable(std::int64_t v) {
  constexpr std::int64_t kLimit = 1 << 29;
  return int(std::clamp(v, -kLimit, kLimit));
}

}  // namespace

double BandStep(const TRect& r, int n, bool vertical) {
  return double(Extent(r, vertical)) / std::max(1, n);
}

TColor BandColor(TColor c1, TColor c2, int i, int n) {
  auto channel = [&](int a, int b) { return a + int(Share(i, b - a, n)); };
  return RGB(channel(GetRValue(c1), GetRValue(c2)), channel(GetGValue(c1), GetGValue(c2)),
             channel(GetBValue(c1), GetBValue(c2)));
}

void DrawBandedGradient(TCanvas& canvas, const TRect& r, TColor c1, TColor c2, int n, bool vertical,
                        int bandLength, bool cutAtEdge) {
  n = std::max(1, n);
  const TColor from = ColorToRGB(c1);
  const TColor to = ColorToRGB(c2);
  const std::int64_t extent = Extent(r, vertical);
  const std::int64_t nearEdge = vertical ? r.Top : r.Left;
  const std::int64_t farEdge = vertical ? r.Bottom : r.Right;
  canvas.Brush().SetStyle(bsSolid);
  for (int i = 0; i < n; ++i) {
    const TColor color = BandColor(from, to, i, n);
    const std::int64_t start = nearEdge + Share(i, extent, n);
    std::int64_t end = start + bandLength;
    if (cutAtEdge) end = std::min(end, farEdge);
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    // A pen and brush of one colour make the band a solid fill of exactly
    // its rectangle.
    canvas.FillRect(
        vertical ? TRect{Drawable(r.Left), Drawable(start), Drawable(r.Right), Drawable(end)}
                 : TRect{Drawable(start), Drawable(r.Top), Drawable(end), Drawable(r.Bottom)});
  }
}

}  // namespace bitcalc::widgets
