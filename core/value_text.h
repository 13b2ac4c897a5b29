#pragma once

#include <cstdint>
#include <string>

namespace bitcalc::core {

// The bare forms of a 16-bit value, as the command-line calculator prints
// them with `-o` and as the window's copy menu copies them. All are UTF-8.
enum class TValueForm { Decimal, Hex, Binary, Character, Signed };

// Decimal "65535"; Hex "0xFFFF" (always four upper-case digits); Binary
// "1111111111111111" (always sixteen digits); Signed "-1" (two's complement);
// Character: the high byte's character, then the low byte's, each converted
// from code page 1250, with "\xNN" (upper-case digits) for a byte below 0x20,
// for 0x7F and for the five codes the code page leaves unassigned.
std::string ValueText(std::uint16_t value, TValueForm form);

// Binary in nibble groups, high nibble first: "0001 0010 0011 0100".
std::string BinaryNibblesText(std::uint16_t value);

}  // namespace bitcalc::core
