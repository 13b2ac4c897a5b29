#pragma once

#include <cmath>

namespace bitcalc::framework {

// Converting a fraction to whole pixels rounds to the nearest integer with
// halves to the even neighbour, everywhere in the program.
inline int RoundHalfEven(double v) {
  return int(std::nearbyint(v));
}

}  // namespace bitcalc::framework
