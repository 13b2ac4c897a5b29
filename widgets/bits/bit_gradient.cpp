#include "widgets/bits/bit_gradient.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "framework/values/rounding.h"
#include "widgets/bits/bit_drawing.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// Position p of 0 .. extent - 1 as a step, 0 at the first pixel and the last
// step at the final one.
int Linear(int p, int extent) {
  return extent <= 1 ? 0 : RoundHalfEven(double(p) * kGradientSteps / (extent - 1));
}

// The same position read out and back: 0 at both ends, the last step midway.
int InOut(int p, int extent) {
  const int s = Linear(p, extent);
  return std::min(s, kGradientSteps - s) * 2;
}

// Distance of pixel (x, y) from the area's centre, 0 at the centre and 1 on
// the edge, in the metric given: 1 elliptic, 2 rectangular, 3 diamond.
double FromCentre(int metric, int x, int y, int width, int height) {
  const double dx = std::abs(x + 0.5 - width / 2.0) / std::max(1.0, width / 2.0);
  const double dy = std::abs(y + 0.5 - height / 2.0) / std::max(1.0, height / 2.0);
  const double d = metric == 1 ? std::hypot(dx, dy) : metric == 2 ? std::max(dx, dy) : dx + dy;
  return std::min(1.0, d);
}

int Radial(int metric, int x, int y, int width, int height) {
  return RoundHalfEven(FromCentre(metric, x, y, width, height) * kGradientSteps);
}

}  // namespace

int GradientStep(TGradientStyle style, int x, int y, int width, int height) {
  switch (style) {
    case gsHorizontal1:
      return Linear(x, width);
    case gsHorizontal2:
      return kGradientSteps - Linear(x, width);
    case gsHorizontal3:
      return InOut(x, width);
    case gsVertical1:
      return Linear(y, height);
    case gsVertical2:
      return kGradientSteps - Linear(y, height);
    case gsVertical3:
      return InOut(y, height);
    case gsElliptic1:
      return Radial(1, x, y, width, height);
    case gsElliptic2:
      return kGradientSteps - Radial(1, x, y, width, height);
    case gsElliptic3: {
      const int s = Radial(1, x, y, width, height);
      return std::min(s, kGradientSteps - s) * 2;
    }
    case gsRectangle:
      return Radial(2, x, y, width, height);
    case gsDiamond1:
      return Radial(3, x, y, width, height);
    case gsDiamond2:
      return kGradientSteps - Radial(3, x, y, width, height);
    case gsTopLeft:
      return Linear(x + y, width + height - 1);
    case gsTopRight:
      return Linear(width - 1 - x + y, width + height - 1);
  }
  return 0;
}

void FillGradient(TCanvas& canvas, const TRect& r, TColor from, TColor to, TGradientStyle style) {
  const int w = r.Width();
  const int h = r.Height();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      canvas.SetPixel(r.Left + x, r.Top + y,
                      InterpolateColor(from, to, kGradientSteps, GradientStep(style, x, y, w, h)));
}

}  // namespace bitcalc::widgets
