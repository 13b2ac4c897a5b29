#include "codepage/utf8.h"

#include <cstdint>

namespace bitcalc::codepage {

void AppendUtf8(std::string& out, char16_t ch) {
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | ch >> 6);
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | ch >> 12);
    out += static_cast<char>(0x80 | (ch >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

std::optional<TUtf8Char> DecodeUtf8(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const auto lead = static_cast<std::uint8_t>(text[0]);
  if (lead < 0x80) return TUtf8Char{lead, 1};

  std::size_t length = 0;
  char32_t ch = 0;
  char32_t smallest = 0;  // below this the sequence is overlong
  if ((lead & 0xE0) == 0xC0) {
    length = 2, ch = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, ch = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, ch = lead & 0x07, smallest = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<std::uint8_t>(text[i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    ch = ch << 6 | (next & 0x3F);
  }
  if (ch < smallest || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return std::nullopt;
  return TUtf8Char{ch, length};
}

}  // namespace bitcalc::codepage
