#include "core/readout_text.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string>

namespace {

// Large enough for any 16-bit value in decimal with a sign.
using TNumberBuffer = std::array<char, 8>;

void AppendDecimal(std::string& out, int value) {
  TNumberBuffer buffer;
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
  out.append(buffer.data(), end);
}

void AppendHex(std::string& out, std::uint16_t value, std::uint8_t digits) {
  TNumberBuffer buffer;
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, 16).ptr;
  const auto length = static_cast<std::size_t>(end - buffer.data());
  if (length < digits) out.append(digits - length, '0');
  for (const char* c = buffer.data(); c != end; ++c) {
    // to_chars writes lower-case letters; the readouts show upper case.
    out.push_back(*c >= 'a' ? static_cast<char>(*c - 'a' + 'A') : *c);
  }
}

}  // namespace

std::string DecHexText(std::uint16_t value, std::uint8_t digits) {
  std::string text;
  text.reserve(13);
  AppendDecimal(text, value);
  text.append("d  ");
  AppendHex(text, value, digits);
  text.push_back('h');
  return text;
}

std::string SignedText(std::uint16_t value) {
  std::string text = "liczba ze znakiem: ";
  AppendDecimal(text, static_cast<std::int16_t>(value));
  text.append("d ");
  return text;
}

std::string ResultDecimalText(std::uint16_t value) {
  std::string text;
  AppendDecimal(text, value);
  text.push_back('d');
  return text;
}

std::string ResultHexText(std::uint16_t value) {
  std::string text;
  AppendHex(text, value, 4);
  text.push_back('h');
  return text;
}

std::string CharacterText(std::uint8_t code) {
  return std::string(1, static_cast<char>(code));
}

std::string ResultCharactersText(std::uint8_t high, std::uint8_t low) {
  return {static_cast<char>(high), ' ', ' ', static_cast<char>(low)};
}
