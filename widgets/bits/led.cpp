#include "widgets/bits/led.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

void DrawLamp(TCanvas& canvas, const TRect& r, TLEDShape shape, TColor fill, TColor outline) {
  canvas.Pen().SetStyle(psSolid);
  canvas.Pen().SetColor(outline);
  canvas.Pen().SetWidth(1);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(fill);
  const int L = r.Left, T = r.Top, Rt = r.Right, B = r.Bottom;
  const int w = Rt - L;
  const int hw = w / 2;
  const int hh = (B - T) / 2;
  switch (shape) {
    case sRound: {
      canvas.Ellipse(r);
      canvas.Pen().SetColor(clBtnHighlight);
      canvas.Pen().SetWidth(w / 8);
      const TRect i = r.Shrunk(w / 5);
      canvas.Arc(i.Left, i.Top, i.Right, i.Bottom, L + hw, T, L, T + hh);
      canvas.Pen().SetWidth(1);
      break;
    }
    case sArrowLeft:
      canvas.Polygon({{L, T + hh}, {Rt - 1, T}, {Rt - 1, B - 1}});
      break;
    case sArrowRight:
      canvas.Polygon({{L, T}, {Rt - 1, T + hh}, {L, B - 1}});
      break;
    case sArrowUp:
      canvas.Polygon({{L + hw, T}, {Rt - 1, B - 1}, {L, B - 1}});
      break;
    case sArrowDown:
      canvas.Polygon({{L, T}, {Rt - 1, T}, {L + hw, B - 1}});
      break;
    case sRectangle:
      canvas.RoundRect(L, T, Rt, B, 1, 1);
      break;
  }
}

void TLED::SetWidth(int v) {
  if (v < kMinSize || v > kMaxSize) return;
  SetField(width_, v);
}

void TLED::SetHeight(int v) {
  if (v < kMinSize || v > kMaxSize) return;
  SetField(height_, v);
}

void TLED::Draw(TCanvas& canvas, bool on) const {
  DrawLamp(canvas, lamp_rect_, shape_, on ? color_on_ : color_off_, clBtnShadow);
}

}  // namespace bitcalc::widgets
