#pragma once

#include "framework/values/color.h"
#include "framework/values/persistent.h"
#include "widgets/trackbar/track_bar_types.h"

namespace bitcalc::widgets {

// The colours one look of a glossy element is painted in: an upper pair, a
// lower (mirror) pair and an outline.
struct TGlossLook {
  framework::TColor UpperFrom = framework::clNone;
  framework::TColor UpperTo = framework::clNone;
  framework::TColor LowerFrom = framework::clNone;
  framework::TColor LowerTo = framework::clNone;
  framework::TColor Border = framework::clNone;
  TGlossGradient Gradient = ggVertical;
  TGlossGradient GradientMirror = ggRadial;
};

// The colour set shared by the thumb and the step buttons: for each of the
// normal, hot, down and disabled looks an upper pair, a lower pair and an
// outline colour, plus the gradient kinds of the two parts.
class TTrackBarGlossPart : public framework::TPersistent {
 public:
  struct Colors {
    framework::TColor Color = framework::RGB(200, 219, 238),
                      ColorTo = framework::RGB(201, 221, 246);
    framework::TColor ColorHot = framework::RGB(255, 253, 235),
                      ColorHotTo = framework::RGB(255, 236, 172);
    framework::TColor ColorDown = framework::RGB(241, 175, 118),
                      ColorDownTo = framework::RGB(243, 144, 65);
    framework::TColor ColorDisabled = framework::clBlack, ColorDisabledTo = framework::clBlack;
    framework::TColor ColorMirror = framework::RGB(192, 212, 237),
                      ColorMirrorTo = framework::RGB(208, 225, 247);
    framework::TColor ColorMirrorHot = framework::RGB(255, 218, 89),
                      ColorMirrorHotTo = framework::RGB(255, 233, 164);
    framework::TColor ColorMirrorDown = framework::RGB(241, 114, 14),
                      ColorMirrorDownTo = framework::RGB(253, 159, 76);
    framework::TColor ColorMirrorDisabled = framework::clBlack,
                      ColorMirrorDisabledTo = framework::clBlack;
    framework::TColor BorderColor = framework::RGB(64, 111, 157),
                      BorderColorHot = framework::RGB(219, 206, 153);
    framework::TColor BorderColorDown = framework::RGB(123, 102, 69),
                      BorderColorDisabled = framework::clBlack;
    TGlossGradient Gradient = ggVertical, GradientMirror = ggRadial;
    friend bool operator==(const Colors&, const Colors&) = default;
  };

  framework::TColor Color() const { return c_.Color; }
  framework::TColor ColorTo() const { return c_.ColorTo; }
  framework::TColor ColorHot() const { return c_.ColorHot; }
  framework::TColor ColorHotTo() const { return c_.ColorHotTo; }
  framework::TColor ColorDown() const { return c_.ColorDown; }
  framework::TColor ColorDownTo() const { return c_.ColorDownTo; }
  framework::TColor ColorDisabled() const { return c_.ColorDisabled; }
  framework::TColor ColorDisabledTo() const { return c_.ColorDisabledTo; }
  framework::TColor ColorMirror() const { return c_.ColorMirror; }
  framework::TColor ColorMirrorTo() const { return c_.ColorMirrorTo; }
  framework::TColor ColorMirrorHot() const { return c_.ColorMirrorHot; }
  framework::TColor ColorMirrorHotTo() const { return c_.ColorMirrorHotTo; }
  framework::TColor ColorMirrorDown() const { return c_.ColorMirrorDown; }
  framework::TColor ColorMirrorDownTo() const { return c_.ColorMirrorDownTo; }
  framework::TColor ColorMirrorDisabled() const { return c_.ColorMirrorDisabled; }
  framework::TColor ColorMirrorDisabledTo() const { return c_.ColorMirrorDisabledTo; }
  framework::TColor BorderColor() const { return c_.BorderColor; }
  framework::TColor BorderColorHot() const { return c_.BorderColorHot; }
  framework::TColor BorderColorDown() const { return c_.BorderColorDown; }
  framework::TColor BorderColorDisabled() const { return c_.BorderColorDisabled; }
  TGlossGradient Gradient() const { return c_.Gradient; }
  TGlossGradient GradientMirror() const { return c_.GradientMirror; }

  void SetColor(framework::TColor v) { SetField(c_.Color, v); }
  void SetColorTo(framework::TColor v) { SetField(c_.ColorTo, v); }
  void SetColorHot(framework::TColor v) { SetField(c_.ColorHot, v); }
  void SetColorHotTo(framework::TColor v) { SetField(c_.ColorHotTo, v); }
  void SetColorDown(framework::TColor v) { SetField(c_.ColorDown, v); }
  void SetColorDownTo(framework::TColor v) { SetField(c_.ColorDownTo, v); }
  void SetColorDisabled(framework::TColor v) { SetField(c_.ColorDisabled, v); }
  void SetColorDisabledTo(framework::TColor v) { SetField(c_.ColorDisabledTo, v); }
  void SetColorMirror(framework::TColor v) { SetField(c_.ColorMirror, v); }
  void SetColorMirrorTo(framework::TColor v) { SetField(c_.ColorMirrorTo, v); }
  void SetColorMirrorHot(framework::TColor v) { SetField(c_.ColorMirrorHot, v); }
  void SetColorMirrorHotTo(framework::TColor v) { SetField(c_.ColorMirrorHotTo, v); }
  void SetColorMirrorDown(framework::TColor v) { SetField(c_.ColorMirrorDown, v); }
  void SetColorMirrorDownTo(framework::TColor v) { SetField(c_.ColorMirrorDownTo, v); }
  void SetColorMirrorDisabled(framework::TColor v) { SetField(c_.ColorMirrorDisabled, v); }
  void SetColorMirrorDisabledTo(framework::TColor v) { SetField(c_.ColorMirrorDisabledTo, v); }
  void SetBorderColor(framework::TColor v) { SetField(c_.BorderColor, v); }
  void SetBorderColorHot(framework::TColor v) { SetField(c_.BorderColorHot, v); }
  void SetBorderColorDown(framework::TColor v) { SetField(c_.BorderColorDown, v); }
  void SetBorderColorDisabled(framework::TColor v) { SetField(c_.BorderColorDisabled, v); }
  void SetGradient(TGlossGradient v) { SetField(c_.Gradient, v); }
  void SetGradientMirror(TGlossGradient v) { SetField(c_.GradientMirror, v); }

  // The colours for a state: down wins over hot, disabled over both.
  TGlossLook Look(bool down, bool hot, bool enabled) const;

 protected:
  Colors c_;
};

}  // namespace bitcalc::widgets
