#include "framework/standard/shape.h"

#include <algorithm>

#include "framework/raster/canvas.h"

namespace bitcalc::framework {

TShape::TShape(TComponent* owner)
    : TGraphicControl(owner), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()) {
  pen_->OnChange = [this](TObject*) { Invalidate(); };
  brush_->OnChange = [this](TObject*) { Invalidate(); };
  SetBounds(Left(), Top(), 65, 65);
}

TShape::~TShape() = default;

void TShape::SetShape(TShapeType v) {
  SetAndInvalidate(shape_, v);
}

TRect TShape::FigureRect() const {
  const int w = pen_->Width();
  TRect r = Bounds(w / 2, w / 2, Width() - w + 1, Height() - w + 1);
  if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
    const int side = std::min(r.Width(), r.Height());
    r = Bounds(r.Left + (r.Width() - side) / 2, r.Top + (r.Height() - side) / 2, side, side);
  }
  return r;
}

void TShape::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.Pen().Assign(*pen_);
  canvas.Brush().Assign(*brush_);
  const TRect r = FigureRect();
  const int corner = std::min(r.Width(), r.Height()) / 4;
  switch (shape_) {
    case stRectangle:
    case stSquare:
      canvas.Rectangle(r);
      break;
    case stRoundRect:
    case stRoundSquare:
      canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, corner, corner);
      break;
    case stEllipse:
    case stCircle:
      canvas.Ellipse(r);
      break;
  }
}

}  // namespace bitcalc::framework
