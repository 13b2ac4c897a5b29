#include "widgets/bits/bit_switch.h"

#include <algorithm>

#include "framework/raster/bitmap.h"
#include "framework/raster/canvas.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

bool PressInFreeHalf(int width, int height, bool vertical, bool shown, int x, int y) {
  if (vertical) return shown ? y > height / 2 : y < height / 2;
  return shown ? x > width / 2 : x < width / 2;
}

TPoint FreeHalfCentre(int width, int height, bool vertical, bool shown) {
  // The half runs from just past the middle line to the far edge, or from
  // the near edge to just before it.
  const auto middle = [shown](int length) {
    return shown ? (length / 2 + 1 + length - 1) / 2 : (length / 2 - 1) / 2;
  };
  return vertical ? TPoint{width / 2, middle(height)} : TPoint{middle(width), height / 2};
}

TBitSwitch::TBitSwitch(TComponent* owner) : TBitControl(owner) {
  bevel_outer_.SetWidth(1);
  bevel_outer_.SetSpacing(1);
  bevel_outer_.SetStyle(bsLowered);
  bevel_outer_.SetColor(clBtnShadow);
  bevel_outer_.SetBevelLine(blInner);
  // While the layout is applied the control is painted once afterwards anyway.
  bevel_outer_.OnChange = [this](TObject*) {
    if (!IsLoading()) Redraw();
  };
  SetMode(mSwitch);
}

void TBitSwitch::SetBtnBevelWidth(int v) {
  if (v < 0) return;
  SetAndRedrawState(btn_bevel_width_, v);
}

void TBitSwitch::SetOrientation(TBtnOrientation v) {
  if (v == orientation_) return;
  orientation_ = v;
  const int shorter = std::min(Width(), Height());
  const int longer = std::max(Width(), Height());
  if (v == boVertical)
    SetBounds(Left(), Top(), shorter, longer);
  else
    SetBounds(Left(), Top(), longer, shorter);
  vertical_ = v == boVertical;
  Redraw();
}

void TBitSwitch::Paint() {
  if (!Visible()) return;
  TCanvas& canvas = *Canvas();
  canvas.Font().Assign(Font());
  TRect r = ClientRect();
  bevel_outer_.Paint(canvas, r);
  content_rect_ = r;
  RedrawState();
}

void TBitSwitch::RedrawState() {
  const TRect area = content_rect_;
  if (area.IsEmpty()) return;
  DrawNow(area, [&](TCanvas& canvas) {
    // The button is composed off screen, so whatever it draws stays inside
    // its area and the bevel is never touched; at the screen's pixel ratio,
    // so its text keeps the screen's resolution.
    TBitmap button(area.Width(), area.Height(), canvas.DevicePixelRatio());
    PaintButton(button.Canvas(), Rect(0, 0, area.Width(), area.Height()), vertical_, ShownState());
    canvas.Draw(area.Left, area.Top, button);
  });
}

void TBitSwitch::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!PressInFreeHalf(Width(), Height(), vertical_, ShownState(), x, y)) return;
  TBitControl::MouseDown(button, shift, x, y);
}

}  // namespace bitcalc::widgets
