#include "framework/standard/panel.h"

#include <algorithm>

#include "framework/raster/canvas.h"
#include "framework/raster/frame_3d.h"
#include "framework/text/text.h"

namespace bitcalc::framework {

namespace {

// Draws one bevel just inside r and moves r past it; a space bevel takes its
// room without drawing.
void Bevel(TCanvas& canvas, TRect& r, TBevelCut cut, int width) {
  switch (cut) {
    case bvNone:
      return;
    case bvSpace:
      r = r.Shrunk(width);
      return;
    case bvRaised:
      Frame3D(canvas, r, clBtnHighlight, clBtnShadow, width);
      return;
    case bvLowered:
      Frame3D(canvas, r, clBtnShadow, clBtnHighlight, width);
      return;
  }
}

int BevelRoom(TBevelCut cut, int width) {
  return cut == bvNone ? 0 : width;
}

}  // namespace

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  // The panel covers its whole area itself.
  SetControlStyle(ControlStyle() | csOpaque);
  SetBounds(Left(), Top(), 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut v) {
  SetAndInvalidate(bevel_outer_, v);
}

void TPanel::SetBevelInner(TBevelCut v) {
  SetAndInvalidate(bevel_inner_, v);
}

void TPanel::SetBevelWidth(int v) {
  SetAndInvalidate(bevel_width_, std::max(1, v));
}
void TPanel::SetBorderWidth(int v) {
  SetAndInvalidate(border_width_, std::max(0, v));
}

void TPanel::SetAlignment(TAlignment v) {
  SetAndInvalidate(alignment_, v);
}

TRect TPanel::InnerRect() const {
  const int room =
      BevelRoom(bevel_outer_, bevel_width_) + border_width_ + BevelRoom(bevel_inner_, bevel_width_);
  return ClientRect().Shrunk(room);
}

void TPanel::Paint() {
  TCanvas& canvas = *Canvas();
  TRect r = ClientRect();
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(Color());
  canvas.FillRect(r);
  Bevel(canvas, r, bevel_outer_, bevel_width_);
  r = r.Shrunk(border_width_);
  Bevel(canvas, r, bevel_inner_, bevel_width_);

  unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
  if (alignment_ == taCenter) flags |= DT_CENTER;
  if (alignment_ == taRightJustify) flags |= DT_RIGHT;
  canvas.Brush().SetStyle(bsClear);
  canvas.DrawText(CaptionText(Caption()), r, flags);
}

}  // namespace bitcalc::framework
