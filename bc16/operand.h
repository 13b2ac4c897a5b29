#pragma once

#include <cstdint>
#include <string_view>

#include "bc16/parse_result.h"

namespace bitcalc::bc16 {

// One operand: decimal "4660", hexadecimal "0x1234", binary "0b1001" (with
// single underscores allowed between digits), a character in single quotes
// ("'A'", its code page 1250 code), or a negative decimal -32768 … -1 taken as
// two's complement. A value outside -32768 … 65535 is an error, never cut.
TParsed<std::uint16_t> ParseOperand(std::string_view token);

}  // namespace bitcalc::bc16
