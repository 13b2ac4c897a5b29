#include "bc16/operand.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "bc16/quote.h"
#include "codepage/cp1250.h"
#include "codepage/utf8.h"

namespace bitcalc::bc16 {

namespace {

constexpr std::uint32_t kLargest = 65535;
constexpr std::uint32_t kMostNegative = 32768;
// Accumulation stops growing here, far above any valid value, so that no run
// of digits can overflow.
constexpr std::uint32_t kSaturated = 1u << 24;

using TResult = TParsed<std::uint16_t>;

int DigitValue(char c, int base) {
  int value = 99;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

// Digits of one base, with single underscores between them where allowed; the
// value saturates at kSaturated. None when the text is not such digits.
std::optional<std::uint32_t> Digits(std::string_view digits, int base, bool underscores) {
  if (digits.empty()) return std::nullopt;
  std::uint32_t value = 0;
  bool afterDigit = false;
  for (char c : digits) {
    if (c == '_' && underscores && afterDigit) {
      afterDigit = false;
      continue;
    }
    const int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    value = std::min(kSaturated, value * base + digit);
    afterDigit = true;
  }
  if (!afterDigit) return std::nullopt;  // ends with an underscore
  return value;
}

TResult OutOfRange(std::string_view token) {
  return TResult::Fail("value out of range: " + Quoted(token) + " (-32768 to 65535)");
}

TResult Character(std::string_view token) {
  const std::string_view inner = token.substr(1, token.size() - 2);
  const auto decoded = codepage::DecodeUtf8(inner);
  if (inner.empty() || (decoded && decoded->Length != inner.size()))
    return TResult::Fail("a character operand holds one character: " + Quoted(token));
  if (!decoded) return TResult::Fail("character is not valid UTF-8: " + Quoted(token));
  // The C1 controls only stand in for the codes the page leaves unassigned;
  // they are no characters of it.
  const auto code = codepage::FromUnicode(decoded->Char);
  if (!code || codepage::IsUnassigned(*code))
    return TResult::Fail("character not in code page 1250: " + Quoted(token));
  return TResult::Ok(*code);
}

bool IsNegativeNumber(std::string_view text) {
  return text.size() > 1 && text[0] == '-' &&
         text.find_first_not_of("0123456789", 1) == std::string_view::npos;
}

}  // namespace

TResult ParseOperand(std::string_view token) {
  if (token.size() >= 2 && token.front() == '\'' && token.back() == '\'') return Character(token);

  std::optional<std::uint32_t> value;
  bool negative = false;
  if (token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X')) {
    value = Digits(token.substr(2), 16, false);
  } else if (token.size() > 2 && token[0] == '0' && (token[1] == 'b' || token[1] == 'B')) {
    value = Digits(token.substr(2), 2, true);
  } else if (IsNegativeNumber(token)) {
    negative = true;
    value = Digits(token.substr(1), 10, false);
  } else {
    value = Digits(token, 10, false);
  }
  if (!value) return TResult::Fail("not a number: " + Quoted(token));
  if (negative) {
    if (*value > kMostNegative) return OutOfRange(token);
    return TResult::Ok(static_cast<std::uint16_t>(0x10000 - *value));
  }
  if (*value > kLargest) return OutOfRange(token);
  return TResult::Ok(static_cast<std::uint16_t>(*value));
}

}  // namespace bitcalc::bc16
