#include "widgets/entry/spin_value_parser.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace bitcalc::widgets {

namespace {

int DecimalDigit(char c) {
  return c >= '0' && c <= '9' ? c - '0' : -1;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

char UpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

std::optional<std::int32_t> ParseHexDigits(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t v = 0;
  for (char c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    v = v * 16 + unsigned(d);
    // Checked digit by digit, so leading zeros never trip the limit.
    if (v > 0xFFFFFFFFull) return std::nullopt;
  }
  return std::int32_t(std::uint32_t(v));
}

std::optional<std::int32_t> ParseDecimalDigits(std::string_view digits, bool negative) {
  if (digits.empty()) return std::nullopt;
  constexpr std::int64_t kLimit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
  std::int64_t v = 0;
  for (char c : digits) {
    const int d = DecimalDigit(c);
    if (d < 0) return std::nullopt;
    v = v * 10 + d;
    if (v > kLimit) return std::nullopt;
  }
  if (negative) v = -v;
  if (v > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return std::int32_t(v);
}

std::string ToChars(TSpinValue v, std::chars_format format, int precision) {
  char buf[96];
  const auto result = std::to_chars(buf, buf + sizeof buf, v, format, precision);
  return std::string(buf, result.ptr);
}

// Fixed point at 15 significant digits: digits past the fifteenth show as zeros,
// and a number with more than 15 integer digits goes to scientific notation.
std::string FormatFixed(TSpinValue v, int decimal, char separator) {
  if (std::isnan(v)) return "NAN";
  if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
  decimal = std::clamp(decimal, 0, 18);
  // to_chars and from_chars ignore the C locale, which the toolkit sets from the
  // environment and which would otherwise change the separator under our feet.
  const std::string scientific = ToChars(v, std::chars_format::scientific, 14);
  const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
  std::string text;
  if (exponent >= 15) {
    text = scientific;
    text[text.find('e')] = 'E';
  } else {
    const int fractionDigits = 14 - exponent;  // significant digits after the point
    if (decimal <= fractionDigits) {
      text = ToChars(v, std::chars_format::fixed, decimal);
    } else {
      TSpinValue rounded = v;
      std::from_chars(scientific.data(), scientific.data() + scientific.size(), rounded);
      text = ToChars(rounded, std::chars_format::fixed, fractionDigits);
      if (fractionDigits == 0) text += '.';
      text.append(std::size_t(decimal - fractionDigits), '0');
    }
  }
  if (const auto dot = text.find('.'); dot != std::string::npos) text[dot] = separator;
  // A negative number that rounds to zero shows no sign.
  if (text[0] == '-' && text.find_first_of("123456789") == std::string::npos) text.erase(0, 1);
  return text;
}

}  // namespace

std::optional<std::int32_t> ParseSpinInteger(std::string_view text) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return std::nullopt;
  const std::string_view rest = text.substr(i);
  switch (rest[0]) {
    case '+':
      return ParseDecimalDigits(rest.substr(1), false);
    case '-':
      return ParseDecimalDigits(rest.substr(1), true);
    case '$':
    case 'x':
    case 'X':
      return ParseHexDigits(rest.substr(1));
    default:
      break;
  }
  if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X'))
    return ParseHexDigits(rest.substr(2));
  return ParseDecimalDigits(rest, false);
}

std::optional<TSpinValue> ParseSpinFloat(std::string_view text, char decimalSeparator) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);

  // Check the shape here and hand the conversion a normalised, locale-free copy.
  std::string normal;
  std::size_t i = 0;
  if (text[i] == '+' || text[i] == '-') normal += text[i++];
  int digits = 0;
  bool separatorSeen = false;
  for (; i < text.size(); ++i) {
    if (DecimalDigit(text[i]) >= 0) {
      normal += text[i];
      ++digits;
    } else if (text[i] == decimalSeparator && !separatorSeen) {
      normal += '.';
      separatorSeen = true;
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    normal += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) normal += text[i++];
    const std::size_t expStart = i;
    while (i < text.size() && DecimalDigit(text[i]) >= 0) normal += text[i++];
    if (i == expStart) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;

  // from_chars takes no leading "+".
  const char* begin = normal.data() + (normal[0] == '+' ? 1 : 0);
  TSpinValue value = 0;
  const auto [end, ec] = std::from_chars(begin, normal.data() + normal.size(), value);
  if (ec != std::errc() || end != normal.data() + normal.size()) return std::nullopt;
  return value;
}

TSpinValue ReadSpinValue(std::string_view text, TValueType type, TSpinValue minValue,
                         char decimalSeparator) {
  if (type == vtFloat) return ParseSpinFloat(text, decimalSeparator).value_or(minValue);
  std::optional<std::int32_t> n;
  if (type == vtHex) {
    std::string prefixed(1, '$');
    prefixed.append(text);
    n = ParseSpinInteger(prefixed);
  } else {
    n = ParseSpinInteger(text);
  }
  return n ? TSpinValue(*n) : std::trunc(minValue);
}

TSpinValue ClampToRange(TSpinValue x, TSpinValue minValue, TSpinValue maxValue) {
  if (maxValue == minValue) return x;
  if (x < minValue) return minValue;
  if (x > maxValue) return maxValue;
  return x;
}

std::int64_t RoundHalfEven64(TSpinValue x) {
  if (std::isnan(x)) return 0;
  constexpr TSpinValue kTwo63 = 9223372036854775808.0L;
  if (x >= kTwo63) return std::numeric_limits<std::int64_t>::max();
  if (x < -kTwo63) return std::numeric_limits<std::int64_t>::min();
  const TSpinValue floor = std::floor(x);
  const TSpinValue fraction = x - floor;  // exact in binary floating point
  std::int64_t n = std::int64_t(floor);
  if (fraction > 0.5L || (fraction == 0.5L && (n & 1) != 0)) ++n;
  return n;
}

std::string FormatSpinValue(TSpinValue v, TValueType type, int decimal, char decimalSeparator) {
  if (type == vtFloat) return FormatFixed(v, decimal, decimalSeparator);
  const std::int64_t n = RoundHalfEven64(v);
  if (type == vtInteger) return std::to_string(n);
  char buf[24];
  // A negative number shows as the 64-bit pattern: sixteen digits of two's complement.
  std::snprintf(buf, sizeof buf, "%llX", static_cast<unsigned long long>(std::uint64_t(n)));
  return buf;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return UpperAscii(x) == UpperAscii(y);
         });
}

bool AcceptsSpinChar(char ch, TValueType type, bool editorEnabled, std::string_view currentText,
                     char decimalSeparator) {
  const unsigned char code = static_cast<unsigned char>(ch);
  if (!editorEnabled) return code < 32 && code != 8;
  if (code < 32 || ch == '+' || ch == '-' || DecimalDigit(ch) >= 0) return true;
  if (type == vtHex) return HexDigit(ch) >= 0;
  if (type == vtFloat) {
    if (ch == decimalSeparator) return currentText.find(decimalSeparator) == std::string_view::npos;
    if (ch == 'e' || ch == 'E')
      return std::none_of(currentText.begin(), currentText.end(),
                          [](char c) { return UpperAscii(c) == 'E'; });
  }
  return false;
}

}  // namespace bitcalc::widgets
