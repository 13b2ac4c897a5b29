#pragma once

#include <memory>

#include "framework/controls/graphic_control.h"
#include "framework/raster/pen_brush.h"

namespace bitcalc::framework {

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A figure outlined with Pen and filled with Brush. A change of either, or
// of the shape, repaints it.
//
// The figure's box keeps a wide pen inside the control the way the platform
// shape does: with a pen w pixels wide the box starts w div 2 pixels in and
// is Width - w + 1 by Height - w + 1, so the pen, centred on the box's edge,
// ends at the control's edge. The square and circle kinds use the box's
// shorter side and are centred in it; the rounded kinds round their corners
// with a quarter of the shorter side.
class TShape : public TGraphicControl {
 public:
  explicit TShape(TComponent* owner);
  ~TShape() override;

  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType v);
  TPen& Pen() { return *pen_; }
  TBrush& Brush() { return *brush_; }

  // The rectangle the figure is drawn in (see above).
  TRect FigureRect() const;
  // A figure is decoration: it tells a screen reader nothing.
  TAccessiblePresence AccessiblePresence() const override { return apHidden; }

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  TShapeType shape_ = stRectangle;
};

}  // namespace bitcalc::framework
