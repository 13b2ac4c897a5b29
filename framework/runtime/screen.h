#pragma once

#include "framework/values/geometry.h"

namespace bitcalc::framework {

// The desktop as the program sees it.
class TScreen {
 public:
  // The primary screen's area not covered by task bars.
  TRect WorkAreaRect() const;
  int DesktopWidth() const;
  int DesktopHeight() const;
  int Width() const { return DesktopWidth(); }
  int Height() const { return DesktopHeight(); }
};

extern TScreen* Screen;

}  // namespace bitcalc::framework
