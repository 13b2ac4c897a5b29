#pragma once

#include "widgets/trackbar/custom_track_bar.h"

namespace bitcalc::widgets {

// The track bar as forms place it.
class TStyledTrackBar : public TCustomTrackBar {
 public:
  using TCustomTrackBar::TCustomTrackBar;
};

}  // namespace bitcalc::widgets
