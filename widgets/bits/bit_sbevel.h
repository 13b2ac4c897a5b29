#pragma once

#include "framework/raster/canvas.h"
#include "widgets/bits/bit_persistent.h"

namespace bitcalc::widgets {

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
  framework::TColor Color() const { return color_; }
  TBitOffset& Offset() { return offset_; }
  const TBitOffset& Offset() const { return offset_; }
  framework::TColor ColorShadowFrom() const { return color_shadow_from_; }
  framework::TColor ColorShadowTo() const { return color_shadow_to_; }
  framework::TColor ColorHighLightFrom() const { return color_highlight_from_; }
  framework::TColor ColorHighLightTo() const { return color_highlight_to_; }
  framework::TColor PenColor() const { return pen_color_; }
  TBitGradSettings& SurfaceGrad() { return surface_grad_; }
  const TBitGradSettings& SurfaceGrad() const { return surface_grad_; }

  void SetStyle(TBevelStyle v) { SetField(style_, v); }
  void SetSpacing(int v) { SetField(spacing_, v); }
  void SetBevelLine(TBevelLine v) { SetField(bevel_line_, v); }
  void SetWidth(int v);  // negative widths are refused
  void SetColor(framework::TColor v) { SetField(color_, v); }
  void SetColorShadowFrom(framework::TColor v) { SetField(color_shadow_from_, v); }
  void SetColorShadowTo(framework::TColor v) { SetField(color_shadow_to_, v); }
  void SetColorHighLightFrom(framework::TColor v) { SetField(color_highlight_from_, v); }
  void SetColorHighLightTo(framework::TColor v) { SetField(color_highlight_to_, v); }
  void SetPenColor(framework::TColor v) { SetField(pen_color_, v); }

  // Spacing + Width, plus one pixel per outline drawn.
  int Thickness() const { return thickness_; }

  // The rectangle left for the content inside r; what Paint returns.
  framework::TRect ContentRect(const framework::TRect& r) const;

  // Draws the bevel into r and returns in r the content rectangle.
  void Paint(framework::TCanvas& canvas, framework::TRect& r) const;

 private:
  bool HasOuterLine() const { return bevel_line_ == blOuter || bevel_line_ == blBoth; }
  bool HasInnerLine() const { return bevel_line_ == blInner || bevel_line_ == blBoth; }
  void UpdateThickness();
  void Changed() override;

  TBevelStyle style_ = bsRaised;
  int spacing_ = 5;
  TBevelLine bevel_line_ = blNone;
  int width_ = 2;
  framework::TColor color_ = framework::clBtnFace;
  TBitOffset offset_;
  framework::TColor color_shadow_from_ = framework::clBtnShadow;
  framework::TColor color_shadow_to_ = framework::clBtnShadow;
  framework::TColor color_highlight_from_ = framework::clBtnHighlight;
  framework::TColor color_highlight_to_ = framework::clBtnHighlight;
  framework::TColor pen_color_ = framework::clBlack;
  TBitGradSettings surface_grad_;
  int thickness_ = 0;
};

}  // namespace bitcalc::widgets
