#pragma once

#include "main_window/layout_tables.h"

namespace bitcalc::framework {
class TFont;
}  // namespace bitcalc::framework

namespace bitcalc::widgets {
class TBitLED;
class TBitToggleSwitch;
class TGradientLabel;
class TStyledCharacterSelector;
class TStyledTrackBar;
}  // namespace bitcalc::widgets

namespace bitcalc::main_window {

// What the layout stores for each kind of component beyond its place, applied
// while the window is loading. statusBit only says which bit of the control's
// own StatusInt follows Checked; it shows nothing.
// Gives target the font of spec in one change, so that its owner is told
// once.
void AssignFont(framework::TFont& target, const TFontSpec& spec);

void ApplyStoredSwitchSettings(widgets::TBitToggleSwitch& s, int statusBit);
void ApplyStoredLedSettings(widgets::TBitLED& led, int statusBit);
void ApplyStoredGradientSettings(widgets::TGradientLabel& g, const TGradientSpec& spec);
void ApplyStoredSelectorSettings(widgets::TStyledCharacterSelector& s);
void ApplyStoredTrackBarSettings(widgets::TStyledTrackBar& t);

}  // namespace bitcalc::main_window
