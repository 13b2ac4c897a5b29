#pragma once

#include <cstdint>
#include <string>

#include "bc16/expression.h"

namespace bitcalc::bc16 {

// The window's result of an expression, and what the window does not say
// about it.
struct TOutcome {
  std::uint16_t Result = 0;
  // ADD or SUB left 0 … 65535 and was taken modulo 65536.
  bool Wrapped = false;
  // DIV or MOD met B = 0 and gave 0.
  bool DivByZero = false;
};

TOutcome Evaluate(const TExpression& e);

// The full report, one "key<TAB>value" line each: dec, hex, bin (nibble
// groups), char, signed, nib3 … nib0 and byte1, byte0 (the texts of the
// window's result readouts), flags ("wrapped", "div-by-zero" or "-").
void AppendReport(std::string& out, const TOutcome& outcome);

}  // namespace bitcalc::bc16
