#pragma once

#include "main_window/stored_settings.h"
#include "widgets/trackbar/styled_track_bar.h"

// The operation selector as the window stores it, placed at (8, 8) on a test
// form; the settings themselves are the window's own.
inline void ApplyWindowSettings(bitcalc::widgets::TStyledTrackBar& t) {
  bitcalc::main_window::ApplyStoredTrackBarSettings(t);
  t.SetBounds(8, 8, 49, 133);
  t.SetTabOrder(4);
}
