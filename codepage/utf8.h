#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace bitcalc::codepage {

// Appends the UTF-8 encoding of a character of the basic plane.
void AppendUtf8(std::string& out, char16_t ch);

// The first character of UTF-8 text and the bytes it takes.
struct TUtf8Char {
  char32_t Char;
  std::size_t Length;
};

// Decodes the first character; none when the text is empty or does not start
// with a well-formed sequence (a stray or missing continuation byte, an
// overlong form, a surrogate, or a code beyond U+10FFFF).
std::optional<TUtf8Char> DecodeUtf8(std::string_view text);

}  // namespace bitcalc::codepage
