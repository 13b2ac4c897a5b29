#pragma once

#include "framework/raster/canvas.h"
#include "widgets/bits/bit_persistent.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

enum TBevelStyle { bsLowered, bsRaised };
enum TBevelLine { blNone, blOuter, blInner, blBoth };

// A bevelled frame around a widget's content: a face-coloured area, Width
// shaded frames (raised or lowered), optional dark outlines outside and
// inside them, and Spacing pixels of face before the content starts.
class TBitSBevel : public TBitPersistent {
 public:
  TBitSBevel();

  TBevelStyle Style() const { return style_; }
  int Spacing() const { return spacing_; }
  TBevelLine BevelLine() const { return bevel_line_; }
  int Width() const { return width_; }
  TColor Color() const { return color_; }
  TBitOffset& Offset() { return offset_; }
  const TBitOffset& Offset() const { return offset_; }
  TColor ColorShadowFrom() const { return color_shadow_from_; }
  TColor ColorShadowTo() const { return color_shadow_to_; }
  TColor ColorHighLightFrom() const { return color_highlight_from_; }
  TColor ColorHighLightTo() const { return color_highlight_to_; }
  TColor PenColor() const { return pen_color_; }
  TBitGradSettings& SurfaceGrad() { return surface_grad_; }
  const TBitGradSettings& SurfaceGrad() const { return surface_grad_; }

  void SetStyle(TBevelStyle v) { SetField(style_, v); }
  void SetSpacing(int v) { SetField(spacing_, v); }
  void SetBevelLine(TBevelLine v) { SetField(bevel_line_, v); }
  void SetWidth(int v);  // negative widths are refused
  void SetColor(TColor v) { SetField(color_, v); }
  void SetColorShadowFrom(TColor v) { SetField(color_shadow_from_, v); }
  void SetColorShadowTo(TColor v) { SetField(color_shadow_to_, v); }
  void SetColorHighLightFrom(TColor v) { SetField(color_highlight_from_, v); }
  void SetColorHighLightTo(TColor v) { SetField(color_highlight_to_, v); }
  void SetPenColor(TColor v) { SetField(pen_color_, v); }

  // Spacing + Width, plus one pixel per outline drawn.
  int Thickness() const { return thickness_; }

  // The rectangle left for the content inside r; what Paint returns.
  TRect ContentRect(const TRect& r) const;

  // Draws the bevel into r and returns in r the content rectangle.
  void Paint(TCanvas& canvas, TRect& r) const;

 private:
  bool HasOuterLine() const { return bevel_line_ == blOuter || bevel_line_ == blBoth; }
  bool HasInnerLine() const { return bevel_line_ == blInner || bevel_line_ == blBoth; }
  void UpdateThickness();
  void Changed() override;

  TBevelStyle style_ = bsRaised;
  int spacing_ = 5;
  TBevelLine bevel_line_ = blNone;
  int width_ = 2;
  TColor color_ = clBtnFace;
  TBitOffset offset_;
  TColor color_shadow_from_ = clBtnShadow;
  TColor color_shadow_to_ = clBtnShadow;
  TColor color_highlight_from_ = clBtnHighlight;
  TColor color_highlight_to_ = clBtnHighlight;
  TColor pen_color_ = clBlack;
  TBitGradSettings surface_grad_;
  int thickness_ = 0;
};

}  // namespace bitcalc::widgets
