#pragma once

#include <cstdint>
#include <string_view>

#include "bc16/parse_result.h"
#include "core/operation.h"

namespace bitcalc::bc16 {

// One operation on 16-bit operands; `B` is 0 for NOT A.
struct TExpression {
  core::TOperation Operation = core::TOperation::opNotA;
  std::uint16_t A = 0;
  std::uint16_t B = 0;
};

// "A OP B" or "not A", with the operators as words (div mod sub add xor or
// and not, in any letter case) or symbols (/ % - + ^ | & ~). Tokens are
// separated by white space; a symbol needs none around it ("1+2", "~0xff"),
// and a minus directly before digits where an operand is due is the sign of a
// negative operand ("5 - -3"). Anything else is an error that names the first
// token in the way.
TParsed<TExpression> ParseExpression(std::string_view text);

}  // namespace bitcalc::bc16
