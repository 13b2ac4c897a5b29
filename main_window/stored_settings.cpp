#include "main_window/stored_settings.h"

#include "framework/text/font.h"
#include "widgets/bits/bit_led.h"
#include "widgets/bits/bit_toggle_switch.h"
#include "widgets/entry/styled_character_selector.h"
#include "widgets/status/gradient_label.h"

namespace bitcalc::main_window {

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

void ApplyStoredSwitchSettings(TBitToggleSwitch& s, int statusBit) {
  TBitSBevel& bevel = s.BevelOuter();
  bevel.SetStyle(bsLowered);
  bevel.SetSpacing(1);
  bevel.SetBevelLine(blInner);
  bevel.SetWidth(1);
  bevel.SetColor(clBtnShadow);
  bevel.SurfaceGrad().SetVisible(false);
  bevel.SurfaceGrad().SetStyle(gsHorizontal1);
  s.SetBtnColorHighlight(clBtnHighlight);
  s.SetBtnColorShadow(clBtnShadow);
  s.SetBtnColorFace(clBtnFace);
  s.SetBtnBevelWidth(2);
  s.SetMode(mSwitch);
  s.SetStatusInt(0);
  s.SetStatusBit(statusBit);
  s.SetGroupIndex(0);
  s.SetChecked(false);
  s.SetOrientation(boVertical);
  s.SetSwapGraphic(false);
  s.SetTextOff("0");
  s.SetTextOn("1");
  s.SetColorOn(clLime);
  s.SetColorOff(clRed);
}

void ApplyStoredLedSettings(TBitLED& led, int statusBit) {
  led.LED().SetHeight(20);
  led.SetLED_Position(lpLeft);
  led.SetSpacing(5);
  led.SetChecked(false);
  led.SetFlashing(false);
  led.SetFrequency(ff1Hz);
  led.SetStatusInt(0);
  led.SetStatusBit(statusBit);
  led.SetGroupIndex(0);
  led.SetMode(mIndicator);
}

void ApplyStoredGradientSettings(TGradientLabel& g, const TGradientSpec& spec) {
  const bool nibble = spec.Scheme == TScheme::Nibble;
  g.SetColor(nibble ? kNibbleColor : kByteColor);
  g.SetColorTo(nibble ? kNibbleColorTo : kByteColorTo);
  g.SetAlignment(taCenter);
  g.SetAutoSize(false);
  g.SetEllipsType(etNone);
  g.SetGradientType(gtFullHorizontal);
  g.SetIndent(0);
  g.SetLineWidth(2);
  g.SetOrientation(goHorizontal);
  g.SetTransparentText(false);
  g.SetVAlignment(vaTop);
  g.SetLayout(spec.Centred ? tlCenter : tlTop);
}

void ApplyStoredSelectorSettings(TStyledCharacterSelector& s) {
  s.SetAppearanceStyle(esOffice2003Classic);
  s.SetAutoLoad(false);
  s.SetAutoThemeAdapt(false);
  s.SetBorderColor(clBlack);
  s.SetBorderDownColor(7021576);  // RGB 8, 36, 107
  s.SetBorderHotColor(clBlack);
  s.SetButtonsPerRow(16);
  s.SetColor(clBtnFace);
  s.SetColorDown(11900292);      // RGB 132, 149, 181
  s.SetColorHot(14073525);       // RGB 181, 190, 214
  s.SetColorDropDown(16251129);  // RGB 249, 248, 247
  AssignFont(s.CharFont(), kSans16);
  s.SetDropDownButton(true);
  s.SetStyle(ssButton);
  s.SetCharacters("abcdefghijklmnopqrstuvwxyz");
}

}  // namespace bitcalc::main_window
