#include "core/value_text.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "codepage/cp1250.h"
#include "codepage/utf8.h"

namespace bitcalc::core {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

std::string Decimal(int value) {
  char buffer[8];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::string Hex(std::uint16_t value) {
  std::string text = "0x";
  for (int shift = 12; shift >= 0; shift -= 4) text += kHexDigits[value >> shift & 0xF];
  return text;
}

// Sixteen digits, high bit first, with `separator` between nibbles when it is
// not zero.
std::string Binary(std::uint16_t value, char separator) {
  std::string text;
  for (int bit = 15; bit >= 0; --bit) {
    text += (value >> bit & 1) ? '1' : '0';
    if (separator && bit % 4 == 0 && bit > 0) text += separator;
  }
  return text;
}

// Control codes and the unassigned codes have no glyph a terminal or a
// clipboard could show faithfully, so they are spelled out.
bool NeedsEscape(std::uint8_t byte) {
  return byte < 0x20 || byte == 0x7F || codepage::IsUnassigned(byte);
}

void AppendCharacter(std::string& out, std::uint8_t byte) {
  if (NeedsEscape(byte)) {
    out += "\\x";
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0xF];
  } else {
    codepage::AppendUtf8(out, codepage::ToUnicode(byte));
  }
}

}  // namespace

std::string ValueText(std::uint16_t value, TValueForm form) {
  switch (form) {
    case TValueForm::Decimal:
      return Decimal(value);
    case TValueForm::Hex:
      return Hex(value);
    case TValueForm::Binary:
      return Binary(value, 0);
    case TValueForm::Character: {
      std::string text;
      AppendCharacter(text, static_cast<std::uint8_t>(value >> 8));
      AppendCharacter(text, static_cast<std::uint8_t>(value & 0xFF));
      return text;
    }
    case TValueForm::Signed:
      return Decimal(static_cast<std::int16_t>(value));
  }
  return {};
}

std::string BinaryNibblesText(std::uint16_t value) {
  return Binary(value, ' ');
}

}  // namespace bitcalc::core
