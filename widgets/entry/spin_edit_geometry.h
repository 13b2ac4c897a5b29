#pragma once

#include "framework/values/geometry.h"

namespace bitcalc::widgets {

// Where the parts of a spin edit go, in the field's client coordinates, as pure
// functions of its size and settings.

// The platform's metrics these rules use.
constexpr int kSpinCyBorder = 1;    // SM_CYBORDER
constexpr int kSpinCxVScroll = 17;  // SM_CXVSCROLL
// The up-down control's width, and the button width when there is no button.
constexpr int kSpinUpDownWidth = kSpinCxVScroll < 15 ? kSpinCxVScroll : 15;

// The square window the diagonal button fills. width and height are the field's
// outer size. Under a sunken two-pixel edge the square starts one pixel up and
// left and is three pixels short, so the part the edge hides is the button's own
// frame; otherwise it is the full height, flush with the client area's top.
// Parts beyond the client area are clipped by it.
framework::TRect SpinButtonHostRect(int width, int height, bool sunkenEdge, bool rightToLeft);

// The up-down control: the client area's full height at its right edge (left
// under right-to-left reading).
framework::TRect SpinUpDownRect(int clientWidth, int clientHeight, bool rightToLeft);

// The formatting rectangle that keeps the text clear of a button buttonWidth wide.
framework::TRect SpinTextArea(int clientWidth, int clientHeight, int buttonWidth, bool rightToLeft);

// The smallest field height for a font whose text-metric height is textHeight.
constexpr int SpinMinimumHeight(int textHeight) {
  return textHeight + 4 * kSpinCyBorder + 1;
}

}  // namespace bitcalc::widgets
