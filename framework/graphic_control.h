#pragma once

#include "framework/control.h"

// A control without a window of its own: it never takes the focus and has no
// background, so whatever lies behind it shows through where it paints nothing.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {
    setAttribute(Qt::WA_NoSystemBackground);
  }
};
