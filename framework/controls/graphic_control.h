#pragma once

#include "framework/controls/control.h"

namespace bitcalc::framework {

// A control without a window of its own: it never takes the focus and has no
// background, so whatever lies behind it shows through where it paints nothing.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {
    setAttribute(Qt::WA_NoSystemBackground);
  }
};

}  // namespace bitcalc::framework
