#include "main_window/stored_settings.h"
#include "widgets/trackbar/styled_track_bar.h"

namespace bitcalc::main_window {

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// The glossy colours the thumb and the step buttons share.
void ApplyGlossColours(TTrackBarGlossPart& part) {
  part.SetBorderColorHot(RGB(219, 206, 153));
  part.SetBorderColorDown(RGB(123, 102, 69));
  part.SetColor(RGB(200, 219, 238));
  part.SetColorTo(RGB(201, 221, 246));
  part.SetColorHot(RGB(255, 253, 235));
  part.SetColorHotTo(RGB(255, 236, 172));
  part.SetColorDown(RGB(241, 175, 118));
  part.SetColorDownTo(RGB(243, 144, 65));
  part.SetColorMirror(RGB(192, 212, 237));
  part.SetColorMirrorTo(RGB(208, 225, 247));
  part.SetColorMirrorHot(RGB(255, 218, 89));
  part.SetColorMirrorHotTo(RGB(255, 233, 164));
  part.SetColorMirrorDown(RGB(241, 114, 14));
  part.SetColorMirrorDownTo(RGB(253, 159, 76));
}

}  // namespace

void ApplyStoredTrackBarSettings(TStyledTrackBar& t) {
  t.SetOrientation(trVertical);
  t.SetMax(7);
  t.SetPosition(7);
  t.SetTrackHint(false);
  t.SetDirection(gdHorizontal);
  t.SetColor(clNone);
  t.SetColorTo(clNone);
  t.SetColorDisabled(clNone);
  t.SetColorDisabledTo(clNone);
  t.SetBorderColor(clNone);
  t.SetBorderColorDisabled(clNone);

  TTrackBarSlider& slider = t.Slider();
  slider.SetSize(6);
  slider.SetDirection(gdVerticalInOut);
  slider.SetColor(clWhite);
  slider.SetColorTo(clBlack);
  slider.SetBorderColor(RGB(116, 150, 194));
  slider.SetBorderColorDisabled(clBlack);
  slider.SetColorDisabled(clBlack);
  slider.SetColorDisabledTo(clBlack);
  slider.SetColorCompleted(clNone);
  slider.SetColorCompletedTo(clNone);
  slider.SetColorCompletedDisabled(clNone);
  slider.SetColorCompletedDisabledTo(clNone);

  TTrackBarThumb& thumb = t.Thumb();
  thumb.SetShape(tsPointer);
  thumb.SetWidth(20);
  thumb.SetGradient(ggVertical);
  thumb.SetGradientMirror(ggRadial);
  thumb.SetBorderColor(RGB(64, 111, 157));
  ApplyGlossColours(thumb);
  thumb.SetBorderColorDisabled(clBlack);
  thumb.SetColorDisabled(clBlack);
  thumb.SetColorDisabledTo(clBlack);
  thumb.SetColorMirrorDisabled(clBlack);
  thumb.SetColorMirrorDisabledTo(clBlack);

  TTrackBarButtons& buttons = t.Buttons();
  buttons.SetGradientMirror(ggVertical);
  buttons.SetBorderColor(RGB(47, 87, 141));
  ApplyGlossColours(buttons);

  TTrackBarTick& ticks = t.TickMark();
  ticks.SetColor(clBlack);
  ticks.SetColorDisabled(clBlack);
  ticks.SetSize(8);
  ticks.SetSpacing(12);
  AssignFont(ticks.Font(), kTahoma8);

  TTrackBarLabel& label = t.TrackLabel();
  label.SetFormat("Pos: %d");
  AssignFont(label.Font(), kTahoma8);
}

}  // namespace bitcalc::main_window
