#pragma once

#include <string>

#include "framework/values/color.h"

namespace bitcalc::widgets {

// The colour a markup attribute names: "#RRGGBB" in hexadecimal, or one of
// the colour constant names ("clred", "clbtnface", ... in any letter case).
// Each "#" pair reads its two characters as digits of value c - '0', or
// c - 'A' + 10 from 'A' up, so a malformed value still gives a definite
// colour; a pair cut short by the end of the value reads 0. An unknown name
// is black.
framework::TColor MarkupColor(const std::string& value);

}  // namespace bitcalc::widgets
