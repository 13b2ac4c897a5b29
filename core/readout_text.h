#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bitcalc::core {

// Text forms of the readouts. All texts are 8-bit code page 1250 strings; the
// character forms keep a code-0 byte as it is, since cutting a caption at code
// 0 is the business of the control that shows it.

// "<decimal>d  <HEX>h" with the hexadecimal part zero-padded to at least
// `digits` digits; a larger value is never cut to fit.
std::string DecHexText(std::uint16_t value, std::uint8_t digits);

// The signed readout's words as the layout stores them; the window passes its
// own when it shows another language.
inline constexpr std::string_view kSignedPrefix = "liczba ze znakiem: ";

// "<prefix><signed decimal>d " with the value read as 16-bit two's complement,
// e.g. 65535 gives "liczba ze znakiem: -1d ".
std::string SignedText(std::uint16_t value, std::string_view prefix = kSignedPrefix);

// "<decimal>d", no space: "65535d".
std::string ResultDecimalText(std::uint16_t value);

// Four upper-case hexadecimal digits and "h": "00FFh".
std::string ResultHexText(std::uint16_t value);

// The one character whose code is the byte.
std::string CharacterText(std::uint8_t code);

// High character, two spaces, low character.
std::string ResultCharactersText(std::uint8_t high, std::uint8_t low);

}  // namespace bitcalc::core
