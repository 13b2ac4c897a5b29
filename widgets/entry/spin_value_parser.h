#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bitcalc::widgets {

// The numeric side of the spin edit, kept free of widgets so every rule can be
// checked on its own: how a text reads as a number, how a number becomes the
// text, and which typed characters a field takes.

enum TValueType { vtInteger, vtFloat, vtHex };

// The spin edit's number type: x87 extended precision where the platform has it.
using TSpinValue = long double;

// The integer reader shared by the decimal and hexadecimal fields:
// - leading spaces (code 32 only) are skipped;
// - "+" or "-" and decimal digits give a signed decimal (no hex prefix after a sign);
// - "$", "x", "X", "0x" or "0X" and hex digits give a hexadecimal number of at most
//   FFFFFFFF, read as signed 32-bit (80000000 and above are negative); leading zeros
//   do not count towards that limit;
// - plain decimal digits give a decimal number;
// a decimal number must fit in a signed 32-bit integer. Anything else, including
// trailing spaces, a lone sign or an empty text, fails.
std::optional<std::int32_t> ParseSpinInteger(std::string_view text);

// A decimal floating-point number with the given decimal separator: optional spaces
// around it, an optional sign, digits with at most one separator (at least one digit
// in all), then an optional exponent "e"/"E" with an optional sign and digits.
std::optional<TSpinValue> ParseSpinFloat(std::string_view text, char decimalSeparator);

// What a field of the given type reads from text. A hexadecimal field reads "$"
// followed by its text, so only bare hex digits parse. A text that does not parse
// reads minValue (truncated toward zero for the integer types). Never clamped.
TSpinValue ReadSpinValue(std::string_view text, TValueType type, TSpinValue minValue,
                         char decimalSeparator);

// x limited to [minValue, maxValue]; equal bounds mean "no range" and leave x alone.
TSpinValue ClampToRange(TSpinValue x, TSpinValue minValue, TSpinValue maxValue);

// x rounded to the nearest integer with halves going to the even neighbour. Values
// beyond the 64-bit range saturate and NaN gives 0, so a field without a range never
// hands an unrepresentable number to the integer conversion.
std::int64_t RoundHalfEven64(TSpinValue x);

// The text a field of the given type shows for v (v already clamped):
// - vtInteger: decimal digits, "-" before a negative number;
// - vtHex: upper-case hex digits without prefix or leading zeros, a negative number
//   as its 16-digit two's complement;
// - vtFloat: fixed point with `decimal` digits after the separator, at 15 significant
//   digits; a number too large for that goes to scientific notation.
std::string FormatSpinValue(TSpinValue v, TValueType type, int decimal, char decimalSeparator);

// True when a and b are equal apart from the case of the letters a-z.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

// Whether a typed character may enter a field. currentText matters only for vtFloat,
// which takes one decimal separator and one exponent letter. With the editor disabled
// only control characters other than Backspace pass (so Ctrl+C still copies).
bool AcceptsSpinChar(char ch, TValueType type, bool editorEnabled, std::string_view currentText,
                     char decimalSeparator);

}  // namespace bitcalc::widgets
