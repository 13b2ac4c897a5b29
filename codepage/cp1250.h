#pragma once

#include <cstdint>
#include <optional>

namespace bitcalc::codepage {

// The program's one 8-bit code page, Central European (1250). Every byte is
// one character, and the character code is the byte value.
//
// The mapping covers all 256 byte values one to one. The five codes the code
// page leaves unassigned (0x81, 0x83, 0x88, 0x90, 0x98) stand for the C1
// control characters of the same number, so a string survives a round trip
// through Unicode unchanged whatever bytes it holds.

// The Unicode character for one code page byte.
char16_t ToUnicode(std::uint8_t byte);

// The code page byte for a Unicode character; none when the page lacks it.
// The C1 stand-ins of the unassigned codes count as part of the page here.
std::optional<std::uint8_t> FromUnicode(char32_t ch);

// Whether the code page leaves the byte without a character of its own.
bool IsUnassigned(std::uint8_t byte);

}  // namespace bitcalc::codepage
