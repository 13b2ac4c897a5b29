#include "widgets/bits/bit_sbevel.h"

#include "widgets/bits/bit_drawing.h"
#include "widgets/bits/bit_gradient.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

TBitSBevel::TBitSBevel() {
  // The sub-objects are part of the bevel: their changes are the bevel's.
  offset_.OnChange = [this](TObject*) { Changed(); };
  surface_grad_.OnChange = [this](TObject*) { Changed(); };
  UpdateThickness();
}

void TBitSBevel::SetWidth(int v) {
  if (v < 0) return;
  SetField(width_, v);
}

void TBitSBevel::UpdateThickness() {
  thickness_ = spacing_ + width_ + (HasOuterLine() ? 1 : 0) + (HasInnerLine() ? 1 : 0);
}

void TBitSBevel::Changed() {
  UpdateThickness();
  TBitPersistent::Changed();
}

TRect TBitSBevel::ContentRect(const TRect& r) const {
  const int lines = (HasOuterLine() ? 1 : 0) + (HasInnerLine() ? 1 : 0);
  return offset_.Apply(r.Shrunk(lines + width_ + spacing_));
}

void TBitSBevel::Paint(TCanvas& canvas, TRect& r) const {
  canvas.Brush().SetStyle(bsSolid);
  canvas.Pen().SetStyle(psSolid);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(color_);
  canvas.Brush().SetColor(color_);
  canvas.Rectangle(r);

  const TRect outer = r;
  const TRect surface = r.Shrunk(thickness_ - spacing_);
  if (HasOuterLine()) r = r.Shrunk(1);

  canvas.Pen().SetColor(color_);
  canvas.Brush().SetColor(color_);
  canvas.Rectangle(r);
  for (int i = 1; i <= width_; ++i) {
    if (style_ == bsRaised)
      DrawFrame3D(canvas, r,
                  InterpolateColor(color_highlight_from_, color_highlight_to_, width_, i),
                  InterpolateColor(color_shadow_from_, color_shadow_to_, width_, i), 1);
    else
      DrawFrame3D(canvas, r, InterpolateColor(color_shadow_to_, color_shadow_from_, width_, i),
                  InterpolateColor(color_highlight_to_, color_highlight_from_, width_, i), 1);
  }

  if (surface_grad_.Visible())
    FillGradient(canvas, surface, surface_grad_.ColorFrom(), surface_grad_.ColorTo(),
                 surface_grad_.Style());

  canvas.Pen().SetColor(pen_color_);
  canvas.Brush().SetStyle(bsClear);
  if (HasInnerLine()) canvas.Rectangle(r);
  if (HasOuterLine()) canvas.Rectangle(outer);

  r = ContentRect(outer);
}

}  // namespace bitcalc::widgets
