#include "core/readout_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace bitcalc::core {

namespace {

// Each readout is written into a stack buffer through a running pointer and
// becomes a string once: the evaluation makes twenty of these per input, and
// growing a string piece by piece costs several times the formatting itself.
//
// Large enough for the longest readout: `RowToDecHex` pads to at most 255
// digits.
using TTextBuffer = std::array<char, 320>;

// Room left for the signed readout's words: "-32768d " takes at most eight.
constexpr std::size_t kMaxPrefix = std::tuple_size_v<TTextBuffer> - 8;

char* PutLiteral(char* out, std::string_view text) {
  return std::copy(text.begin(), text.end(), out);
}

char* PutDecimal(char* out, int value) {
  // Six characters hold any 16-bit value, signed or not.
  return std::to_chars(out, out + 6, value).ptr;
}

// Upper-case hexadecimal, zero-padded to at least `digits` digits.
char* PutHex(char* out, std::uint16_t value, std::uint8_t digits) {
  const int count = std::max(1, (std::bit_width(value) + 3) / 4);
  for (int pad = count; pad < digits; ++pad) *out++ = '0';
  for (int nibble = count - 1; nibble >= 0; --nibble) {
    *out++ = "0123456789ABCDEF"[(value >> (4 * nibble)) & 0xF];
  }
  return out;
}

std::string ToText(const TTextBuffer& buffer, const char* end) {
  return std::string(buffer.data(), end);
}

}  // namespace

std::string DecHexText(std::uint16_t value, std::uint8_t digits) {
  TTextBuffer buffer;
  char* out = PutDecimal(buffer.data(), value);
  out = PutLiteral(out, "d  ");
  out = PutHex(out, value, digits);
  out = PutLiteral(out, "h");
  return ToText(buffer, out);
}

std::string SignedText(std::uint16_t value, std::string_view prefix) {
  // A prefix too long for the buffer keeps the number whole and loses its end.
  prefix = prefix.substr(0, kMaxPrefix);
  TTextBuffer buffer;
  char* out = PutLiteral(buffer.data(), prefix);
  out = PutDecimal(out, static_cast<std::int16_t>(value));
  out = PutLiteral(out, "d ");
  return ToText(buffer, out);
}

std::string ResultDecimalText(std::uint16_t value) {
  TTextBuffer buffer;
  char* out = PutDecimal(buffer.data(), value);
  out = PutLiteral(out, "d");
  return ToText(buffer, out);
}

std::string ResultHexText(std::uint16_t value) {
  TTextBuffer buffer;
  char* out = PutHex(buffer.data(), value, 4);
  out = PutLiteral(out, "h");
  return ToText(buffer, out);
}

std::string CharacterText(std::uint8_t code) {
  return std::string(1, static_cast<char>(code));
}

std::string ResultCharactersText(std::uint8_t high, std::uint8_t low) {
  return {static_cast<char>(high), ' ', ' ', static_cast<char>(low)};
}

}  // namespace bitcalc::core
