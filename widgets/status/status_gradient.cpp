#include "widgets/status/status_gradient.h"

#include "framework/values/rounding.h"
#include "widgets/status/banded_gradient.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

int Mix(int a, int b, double p) {
  return RoundHalfEven(p * a + (1 - p) * b);
}

}  // namespace

TColor BlendColor(TColor c1, TColor c2, int p) {
  if (p >= 100) return c1;
  if (p <= 0) return c2;
  c1 = ColorToRGB(c1);
  c2 = ColorToRGB(c2);
  const double f = p / 100.0;
  return RGB(Mix(GetRValue(c1), GetRValue(c2), f), Mix(GetGValue(c1), GetGValue(c2), f),
             Mix(GetBValue(c1), GetBValue(c2), f));
}

void DrawGradient(TCanvas& canvas, TColor c1, TColor c2, int n, const TRect& r, bool vertical) {
  if (n < 1) return;
  const int length = RoundHalfEven(BandStep(r, n, vertical)) + 1;
  if (!vertical || r.Width() > 1) {
    DrawBandedGradient(canvas, r, c1, c2, n, vertical, length, false);
    return;
  }
  // A column is drawn with lines, which lean into the next column when a
  // band is more than a pixel long.
  c1 = ColorToRGB(c1);
  c2 = ColorToRGB(c2);
  const double step = BandStep(r, n, true);
  for (int i = 0; i < n; ++i) {
    canvas.Pen().SetColor(BandColor(c1, c2, i, n));
    const int y = r.Top + RoundHalfEven(i * step);
    canvas.MoveTo(r.Left, y);
    canvas.LineTo(r.Right, y + length);
  }
}

void DrawMirrorGradient(TCanvas& canvas, const TRect& g, const TGlossColors& colors) {
  constexpr int kSteps = 128;
  if (colors.Color != clNone) {
    if (colors.ColorMirror == clNone) {
      DrawGradient(canvas, colors.Color, colors.ColorTo, kSteps, g, true);
    } else {
      const int m = g.Top + g.Height() / 2;
      DrawGradient(canvas, colors.Color, colors.ColorTo, kSteps, Rect(g.Left, g.Top, g.Right, m),
                   true);
      DrawGradient(canvas, colors.ColorMirror, colors.ColorMirrorTo, kSteps,
                   Rect(g.Left, m, g.Right, g.Bottom), true);
    }
  }
  if (colors.BorderColor == clNone) return;
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(colors.BorderColor);
  canvas.FrameRect(g);
}

}  // namespace bitcalc::widgets
