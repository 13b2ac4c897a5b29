#pragma once

#include <utility>

#include "widgets/trackbar/styled_track_bar.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

// The operation selector's stored settings, applied as the window stores them.
inline void ApplyWindowSettings(TStyledTrackBar& t) {
  t.SetOrientation(trVertical);
  t.SetBounds(8, 8, 49, 133);
  t.SetTabOrder(4);
  t.SetMax(7);
  t.SetPosition(7);
  t.SetTrackHint(false);
  t.SetDirection(gdHorizontal);
  for (auto set : {&TCustomTrackBar::SetColorTo, &TCustomTrackBar::SetColorDisabled,
                   &TCustomTrackBar::SetColorDisabledTo, &TCustomTrackBar::SetBorderColor,
                   &TCustomTrackBar::SetBorderColorDisabled})
    (t.*set)(clNone);
  t.SetColor(clNone);

  TTrackBarSlider& s = t.Slider();
  s.SetSize(6);
  s.SetDirection(gdVerticalInOut);
  s.SetColor(clWhite);
  s.SetColorTo(clBlack);
  s.SetBorderColor(12752500);
  for (auto set : {&TTrackBarSlider::SetBorderColorDisabled, &TTrackBarSlider::SetColorDisabled,
                   &TTrackBarSlider::SetColorDisabledTo})
    (s.*set)(clBlack);
  for (auto set :
       {&TTrackBarSlider::SetColorCompleted, &TTrackBarSlider::SetColorCompletedTo,
        &TTrackBarSlider::SetColorCompletedDisabled, &TTrackBarSlider::SetColorCompletedDisabledTo})
    (s.*set)(clNone);

  // The thumb and the buttons store the same colours under the same names.
  const std::pair<void (TTrackBarGlossPart::*)(TColor), TColor> colors[] = {
      {&TTrackBarGlossPart::SetBorderColorHot, 10079963},
      {&TTrackBarGlossPart::SetBorderColorDown, 4548219},
      {&TTrackBarGlossPart::SetColor, 15653832},
      {&TTrackBarGlossPart::SetColorTo, 16178633},
      {&TTrackBarGlossPart::SetColorHot, 15465983},
      {&TTrackBarGlossPart::SetColorHotTo, 11332863},
      {&TTrackBarGlossPart::SetColorDown, 7778289},
      {&TTrackBarGlossPart::SetColorDownTo, 4296947},
      {&TTrackBarGlossPart::SetColorMirror, 15586496},
      {&TTrackBarGlossPart::SetColorMirrorTo, 16245200},
      {&TTrackBarGlossPart::SetColorMirrorHot, 5888767},
      {&TTrackBarGlossPart::SetColorMirrorHotTo, 10807807},
      {&TTrackBarGlossPart::SetColorMirrorDown, 946929},
      {&TTrackBarGlossPart::SetColorMirrorDownTo, 5021693}};
  for (TTrackBarGlossPart* part : {static_cast<TTrackBarGlossPart*>(&t.Thumb()),
                                   static_cast<TTrackBarGlossPart*>(&t.Buttons())})
    for (const auto& [set, value] : colors) (part->*set)(value);
  TTrackBarThumb& th = t.Thumb();
  th.SetShape(tsPointer);
  th.SetWidth(20);
  th.SetGradient(ggVertical);
  th.SetGradientMirror(ggRadial);
  th.SetBorderColor(10317632);
  for (auto set :
       {&TTrackBarGlossPart::SetBorderColorDisabled, &TTrackBarGlossPart::SetColorDisabled,
        &TTrackBarGlossPart::SetColorDisabledTo, &TTrackBarGlossPart::SetColorMirrorDisabled,
        &TTrackBarGlossPart::SetColorMirrorDisabledTo})
    (th.*set)(clBlack);
  t.Buttons().SetGradientMirror(ggVertical);
  t.Buttons().SetBorderColor(9262895);

  TTrackBarTick& k = t.TickMark();
  k.SetColor(clBlack);
  k.SetColorDisabled(clBlack);
  k.SetSize(8);
  k.SetSpacing(12);
  for (TFont* f : {&k.Font(), &t.TrackLabel().Font()}) {
    f->SetName("Tahoma");
    f->SetHeight(-11);
    f->SetColor(clWindowText);
  }
  t.TrackLabel().SetFormat("Pos: %d");
}
