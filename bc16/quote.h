#pragma once

#include <string>
#include <string_view>

namespace bitcalc::bc16 {

// A piece of user input, single-quoted for an error message (unless it is a
// character operand, quoted already). Input may come from any file, so
// control characters and bytes that are no UTF-8 are spelled "\xNN" (a
// terminal could act on them), and a long piece is cut after 40 bytes, at a
// character boundary, with "..." added.
std::string Quoted(std::string_view text);

}  // namespace bitcalc::bc16
