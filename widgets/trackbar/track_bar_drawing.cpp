#include "widgets/trackbar/track_bar_drawing.h"

#include "framework/values/rounding.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// percent/100 * a + (1 - percent/100) * b, rounded halves to even. Worked in
// hundredths so that a true half (244.5) is not lost to binary fractions.
int BlendChannel(int a, int b, int percent) {
  const int scaled = percent * a + (100 - percent) * b;
  int whole = scaled / 100;
  const int rest = scaled % 100;
  if (rest > 50 || (rest == 50 && whole % 2 == 1)) ++whole;
  return whole;
}

}  // namespace

void DrawLine(TCanvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

TColor BlendColors(TColor c1, TColor c2, int percent) {
  if (percent >= 100) return c1;
  if (percent <= 0) return c2;
  const TColor a = ColorToRGB(c1), b = ColorToRGB(c2);
  return RGB(BlendChannel(GetRValue(a), GetRValue(b), percent),
             BlendChannel(GetGValue(a), GetGValue(b), percent),
             BlendChannel(GetBValue(a), GetBValue(b), percent));
}

void DrawStepGradient(TCanvas& canvas, TColor from, TColor to, int steps, const TRect& r,
                      bool horizontal) {
  if (steps <= 0) steps = 1;
  const TColor f = ColorToRGB(from), t = ColorToRGB(to);
  const double dr = double(GetRValue(t) - GetRValue(f)) / steps;
  const double dg = double(GetGValue(t) - GetGValue(f)) / steps;
  const double db = double(GetBValue(t) - GetBValue(f)) / steps;
  const double length = double(horizontal ? r.Right - 1 - r.Left : r.Bottom - 1 - r.Top) / steps;
  const int band = RoundHalfEven(length) + 1;
  canvas.Brush().SetStyle(bsSolid);
  for (int i = 0; i < steps; ++i) {
    const TColor color =
        RGB(GetRValue(f) + RoundHalfEven(i * dr), GetGValue(f) + RoundHalfEven(i * dg),
            GetBValue(f) + RoundHalfEven(i * db));
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    const int offset = RoundHalfEven(i * length);
    if (horizontal)
      canvas.Rectangle(r.Left + offset, r.Top, r.Left + offset + band, r.Bottom);
    else
      canvas.Rectangle(r.Left, r.Top + offset, r.Right, r.Top + offset + band);
  }
}

void DrawDirectedGradient(TCanvas& canvas, TColor from, TColor to, TGradientDirection direction,
                          const TRect& r, int steps) {
  switch (direction) {
    case gdHorizontal:
      DrawStepGradient(canvas, from, to, steps, r, true);
      break;
    case gdVertical:
      DrawStepGradient(canvas, from, to, steps, r, false);
      break;
    case gdHorizontalInOut: {
      const int mid = r.Left + r.Width() / 2;
      DrawStepGradient(canvas, from, to, steps, Rect(r.Left, r.Top, mid, r.Bottom), true);
      DrawStepGradient(canvas, to, from, steps, Rect(mid - 1, r.Top, r.Right, r.Bottom), true);
      break;
    }
    case gdVerticalInOut: {
      const int mid = r.Top + r.Height() / 2;
      DrawStepGradient(canvas, from, to, steps, Rect(r.Left, r.Top, r.Right, mid), false);
      DrawStepGradient(canvas, to, from, steps, Rect(r.Left, mid - 1, r.Right, r.Bottom), false);
      break;
    }
  }
}

void Draw3DFrame(TCanvas& canvas, const TRect& r, TColor dark, TColor light) {
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(dark);
  if (B - T > 2) {
    DrawLine(canvas, L, T, L, B);
    DrawLine(canvas, L, T, R, T);
    DrawLine(canvas, R - 2, T, R - 2, B - 2);
    DrawLine(canvas, R - 2, B - 2, L, B - 2);
  }
  canvas.Pen().SetColor(light);
  DrawLine(canvas, L + 1, B - 1, R - 1, B - 1);
  DrawLine(canvas, R - 1, B - 1, R - 1, T - 1);
  DrawLine(canvas, L + 1, B - 1, L + 1, T + 1);
  DrawLine(canvas, L + 1, T + 1, R - 2, T + 1);
}

}  // namespace bitcalc::widgets
