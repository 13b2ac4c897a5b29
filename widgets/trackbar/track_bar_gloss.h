#pragma once

#include "framework/values/color.h"
#include "framework/values/persistent.h"
#include "widgets/trackbar/track_bar_types.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

// The colours one look of a glossy element is painted in: an upper pair, a
// lower (mirror) pair and an outline.
struct TGlossLook {
  TColor UpperFrom = clNone;
  TColor UpperTo = clNone;
  TColor LowerFrom = clNone;
  TColor LowerTo = clNone;
  TColor Border = clNone;
  TGlossGradient Gradient = ggVertical;
  TGlossGradient GradientMirror = ggRadial;
};

// The colour set shared by the thumb and the step buttons: for each of the
// normal, hot, down and disabled looks an upper pair, a lower pair and an
// outline colour, plus the gradient kinds of the two parts.
class TTrackBarGlossPart : public TPersistent {
 public:
  struct Colors {
    TColor Color = RGB(200, 219, 238), ColorTo = RGB(201, 221, 246);
    TColor ColorHot = RGB(255, 253, 235), ColorHotTo = RGB(255, 236, 172);
    TColor ColorDown = RGB(241, 175, 118), ColorDownTo = RGB(243, 144, 65);
    TColor ColorDisabled = clBlack, ColorDisabledTo = clBlack;
    TColor ColorMirror = RGB(192, 212, 237), ColorMirrorTo = RGB(208, 225, 247);
    TColor ColorMirrorHot = RGB(255, 218, 89), ColorMirrorHotTo = RGB(255, 233, 164);
    TColor ColorMirrorDown = RGB(241, 114, 14), ColorMirrorDownTo = RGB(253, 159, 76);
    TColor ColorMirrorDisabled = clBlack, ColorMirrorDisabledTo = clBlack;
    TColor BorderColor = RGB(64, 111, 157), BorderColorHot = RGB(219, 206, 153);
    TColor BorderColorDown = RGB(123, 102, 69), BorderColorDisabled = clBlack;
    TGlossGradient Gradient = ggVertical, GradientMirror = ggRadial;
    friend bool operator==(const Colors&, const Colors&) = default;
  };

  TColor Color() const { return c_.Color; }
  TColor ColorTo() const { return c_.ColorTo; }
  TColor ColorHot() const { return c_.ColorHot; }
  TColor ColorHotTo() const { return c_.ColorHotTo; }
  TColor ColorDown() const { return c_.ColorDown; }
  TColor ColorDownTo() const { return c_.ColorDownTo; }
  TColor ColorDisabled() const { return c_.ColorDisabled; }
  TColor ColorDisabledTo() const { return c_.ColorDisabledTo; }
  TColor ColorMirror() const { return c_.ColorMirror; }
  TColor ColorMirrorTo() const { return c_.ColorMirrorTo; }
  TColor ColorMirrorHot() const { return c_.ColorMirrorHot; }
  TColor ColorMirrorHotTo() const { return c_.ColorMirrorHotTo; }
  TColor ColorMirrorDown() const { return c_.ColorMirrorDown; }
  TColor ColorMirrorDownTo() const { return c_.ColorMirrorDownTo; }
  TColor ColorMirrorDisabled() const { return c_.ColorMirrorDisabled; }
  TColor ColorMirrorDisabledTo() const { return c_.ColorMirrorDisabledTo; }
  TColor BorderColor() const { return c_.BorderColor; }
  TColor BorderColorHot() const { return c_.BorderColorHot; }
  TColor BorderColorDown() const { return c_.BorderColorDown; }
  TColor BorderColorDisabled() const { return c_.BorderColorDisabled; }
  TGlossGradient Gradient() const { return c_.Gradient; }
  TGlossGradient GradientMirror() const { return c_.GradientMirror; }

  void SetColor(TColor v) { SetField(c_.Color, v); }
  void SetColorTo(TColor v) { SetField(c_.ColorTo, v); }
  void SetColorHot(TColor v) { SetField(c_.ColorHot, v); }
  void SetColorHotTo(TColor v) { SetField(c_.ColorHotTo, v); }
  void SetColorDown(TColor v) { SetField(c_.ColorDown, v); }
  void SetColorDownTo(TColor v) { SetField(c_.ColorDownTo, v); }
  void SetColorDisabled(TColor v) { SetField(c_.ColorDisabled, v); }
  void SetColorDisabledTo(TColor v) { SetField(c_.ColorDisabledTo, v); }
  void SetColorMirror(TColor v) { SetField(c_.ColorMirror, v); }
  void SetColorMirrorTo(TColor v) { SetField(c_.ColorMirrorTo, v); }
  void SetColorMirrorHot(TColor v) { SetField(c_.ColorMirrorHot, v); }
  void SetColorMirrorHotTo(TColor v) { SetField(c_.ColorMirrorHotTo, v); }
  void SetColorMirrorDown(TColor v) { SetField(c_.ColorMirrorDown, v); }
  void SetColorMirrorDownTo(TColor v) { SetField(c_.ColorMirrorDownTo, v); }
  void SetColorMirrorDisabled(TColor v) { SetField(c_.ColorMirrorDisabled, v); }
  void SetColorMirrorDisabledTo(TColor v) { SetField(c_.ColorMirrorDisabledTo, v); }
  void SetBorderColor(TColor v) { SetField(c_.BorderColor, v); }
  void SetBorderColorHot(TColor v) { SetField(c_.BorderColorHot, v); }
  void SetBorderColorDown(TColor v) { SetField(c_.BorderColorDown, v); }
  void SetBorderColorDisabled(TColor v) { SetField(c_.BorderColorDisabled, v); }
  void SetGradient(TGlossGradient v) { SetField(c_.Gradient, v); }
  void SetGradientMirror(TGlossGradient v) { SetField(c_.GradientMirror, v); }

  // The colours for a state: down wins over hot, disabled over both.
  TGlossLook Look(bool down, bool hot, bool enabled) const;

 protected:
  Colors c_;
};

}  // namespace bitcalc::widgets
