#pragma once

#include "framework/standard/label.h"

namespace bitcalc::widgets {

enum TEllipsType { etNone, etEndEllips, etPathEllips };
enum TVAlignment { vaTop, vaCenter, vaBottom };
enum TGradientType { gtFullHorizontal, gtFullVertical, gtBottomLine, gtCenterLine, gtTopLine };
enum TGradientOrientation { goHorizontal, goVertical };

// A label on a two-colour gradient, or with a thin gradient line under,
// through or over its caption. The full types fill the whole label from
// Color to ColorTo (ColorTo = clNone leaves plain Color); the line types fill
// plain Color and draw a line two pixels thick, which TransparentText breaks
// where the caption lies. With goVertical the caption is turned a quarter
// turn to read upwards, and the line runs along a side instead.
class TGradientLabel : public framework::TLabel {
 public:
  explicit TGradientLabel(framework::TComponent* owner);

  framework::TColor ColorTo() const { return color_to_; }
  void SetColorTo(framework::TColor v);
  TEllipsType EllipsType() const { return ellips_type_; }
  void SetEllipsType(TEllipsType v);
  TVAlignment VAlignment() const { return valignment_; }
  void SetVAlignment(TVAlignment v);
  int Indent() const { return indent_; }
  void SetIndent(int v);
  TGradientType GradientType() const { return gradient_type_; }
  void SetGradientType(TGradientType v);
  bool TransparentText() const { return transparent_text_; }
  void SetTransparentText(bool v);
  // Kept for the layout; the line is two pixels thick whatever it says.
  int LineWidth() const { return line_width_; }
  void SetLineWidth(int v);
  TGradientOrientation Orientation() const { return orientation_; }
  void SetOrientation(TGradientOrientation v);

  // Bands of the gradient: a quarter of the length it runs along, at least 32.
  int GradientSteps() const;

 protected:
  void Paint() override;

 private:
  bool IsLineType() const { return gradient_type_ >= gtBottomLine; }
  unsigned TextFlags() const;
  framework::TRect LineRect(const framework::TRect& client) const;
  void DrawLine(framework::TCanvas& canvas, const framework::TRect& client);
  void DrawCaption(framework::TCanvas& canvas, const framework::TRect& client);
  void DrawTurnedCaption(framework::TCanvas& canvas, const framework::TRect& r);

  framework::TColor color_to_ = framework::clWhite;
  TEllipsType ellips_type_ = etNone;
  TVAlignment valignment_ = vaTop;
  int indent_ = 0;
  TGradientType gradient_type_ = gtFullHorizontal;
  bool transparent_text_ = false;
  int line_width_ = 2;
  TGradientOrientation orientation_ = goHorizontal;
};

// Fills r with n bands from c1 to c2 the way the gradient label does: each
// band one pixel longer than the whole part of the step, the last one cut at
// r's far edge.
void FillLabelGradient(framework::TCanvas& canvas, const framework::TRect& r, framework::TColor c1,
                       framework::TColor c2, int n, bool vertical);

}  // namespace bitcalc::widgets
