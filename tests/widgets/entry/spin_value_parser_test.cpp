#include "widgets/entry/spin_value_parser.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "tests/widgets/entry/case_names.h"

using namespace bitcalc::widgets;

namespace {

struct IntegerCase {
  const char* text;
  std::optional<std::int32_t> expected;
};

void PrintTo(const IntegerCase& c, std::ostream* os) {
  *os << CaseName(c.text);
}

class ParseSpinIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ParseSpinIntegerTest, ReadsTheTableOfShapes) {
  const IntegerCase& c = GetParam();
  EXPECT_EQ(ParseSpinInteger(c.text), c.expected) << "text \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ParseSpinIntegerTest,
    ::testing::Values(
        // Plain decimal, its limits and leading spaces.
        IntegerCase{"0", 0}, IntegerCase{"65535", 65535}, IntegerCase{"70000", 70000},
        IntegerCase{"  12", 12}, IntegerCase{"000000000012", 12},
        IntegerCase{"2147483647", 2147483647}, IntegerCase{"2147483648", std::nullopt},
        IntegerCase{"99999999999", std::nullopt},
        // Signs.
        IntegerCase{"+12", 12}, IntegerCase{"-5", -5}, IntegerCase{"  -5", -5},
        IntegerCase{"-2147483648", std::numeric_limits<std::int32_t>::min()},
        IntegerCase{"-2147483649", std::nullopt}, IntegerCase{"+2147483648", std::nullopt},
        IntegerCase{"-", std::nullopt}, IntegerCase{"+", std::nullopt},
        IntegerCase{"-$1F", std::nullopt}, IntegerCase{"+0x1F", std::nullopt},
        IntegerCase{"--1", std::nullopt},
        // Hexadecimal prefixes, either case of digits, the 32-bit limit.
        IntegerCase{"$1F", 31}, IntegerCase{"0x1F", 31}, IntegerCase{"0X1f", 31},
        IntegerCase{"x1F", 31}, IntegerCase{"X1F", 31}, IntegerCase{"  $ff", 255},
        IntegerCase{"$1FFFF", 131071}, IntegerCase{"$7FFFFFFF", 2147483647},
        IntegerCase{"$80000000", std::numeric_limits<std::int32_t>::min()},
        IntegerCase{"$FFFFFFFF", -1}, IntegerCase{"$100000000", std::nullopt},
        IntegerCase{"$000000001", 1}, IntegerCase{"$0000000FFFFFFFF", -1},
        IntegerCase{"$", std::nullopt}, IntegerCase{"0x", std::nullopt},
        IntegerCase{"$$1F", std::nullopt}, IntegerCase{"$1G", std::nullopt},
        IntegerCase{"$-5", std::nullopt}, IntegerCase{"$ 1F", std::nullopt},
        IntegerCase{"00x1", std::nullopt},
        // Anything else anywhere.
        IntegerCase{"", std::nullopt}, IntegerCase{"   ", std::nullopt},
        IntegerCase{"12 ", std::nullopt}, IntegerCase{"1 2", std::nullopt},
        IntegerCase{"\t12", std::nullopt}, IntegerCase{"12a", std::nullopt},
        IntegerCase{"1F", std::nullopt}, IntegerCase{"1.5", std::nullopt}),
    ::testing::PrintToStringParamName());

struct ReadCase {
  const char* text;
  TValueType type;
  TSpinValue minValue;
  TSpinValue expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
  *os << CaseName(c.type) << '_' << CaseName(c.text);
  if (c.minValue != 0) *os << "_Min" << CaseName(c.minValue);
}

class ReadSpinValueTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadSpinValueTest, ParsesInTheFieldsFormatWithoutClamping) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(ReadSpinValue(c.text, c.type, c.minValue, '.'), c.expected)
      << "text \"" << c.text << "\" type " << int(c.type);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ReadSpinValueTest,
    ::testing::Values(ReadCase{"70000", vtInteger, 0, 70000}, ReadCase{"-5", vtInteger, 0, -5},
                      ReadCase{"2147483648", vtInteger, 0, 0}, ReadCase{"12 ", vtInteger, 0, 0},
                      ReadCase{"+12", vtInteger, 0, 12}, ReadCase{"  12", vtInteger, 0, 12},
                      ReadCase{"$1F", vtInteger, 0, 31}, ReadCase{"0x1F", vtInteger, 0, 31},
                      ReadCase{"", vtInteger, 0, 0},
                      // A failed read gives the lower bound, truncated toward zero for integers.
                      ReadCase{"abc", vtInteger, 7.9L, 7}, ReadCase{"", vtInteger, -7.9L, -7},
                      // A hexadecimal field reads bare hex digits only.
                      ReadCase{"1FFFF", vtHex, 0, 131071}, ReadCase{"ffff", vtHex, 0, 65535},
                      ReadCase{"80000000", vtHex, 0, -2147483648.0L},
                      ReadCase{"100000000", vtHex, 0, 0}, ReadCase{"000000001", vtHex, 0, 1},
                      ReadCase{"$1F", vtHex, 0, 0}, ReadCase{"0x1F", vtHex, 0, 0},
                      ReadCase{"-5", vtHex, 0, 0}, ReadCase{"", vtHex, 0, 0},
                      ReadCase{"", vtHex, 3.5L, 3},
                      // The float read keeps the lower bound as it is.
                      ReadCase{"2.5", vtFloat, 0, 2.5L}, ReadCase{"", vtFloat, 1.25L, 1.25L},
                      ReadCase{"x", vtFloat, -0.5L, -0.5L}),
    ::testing::PrintToStringParamName());

struct FloatCase {
  const char* text;
  char separator;
  std::optional<TSpinValue> expected;
};

void PrintTo(const FloatCase& c, std::ostream* os) {
  *os << CaseName(c.text) << "_With" << CaseName({&c.separator, 1});
}

class ParseSpinFloatTest : public ::testing::TestWithParam<FloatCase> {};

TEST_P(ParseSpinFloatTest, TakesTheLocaleSeparatorAndAnExponent) {
  const FloatCase& c = GetParam();
  EXPECT_EQ(ParseSpinFloat(c.text, c.separator), c.expected) << "text \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ParseSpinFloatTest,
    ::testing::Values(FloatCase{"1.5", '.', 1.5L}, FloatCase{"1,5", ',', 1.5L},
                      FloatCase{"1,5", '.', {}}, FloatCase{"1.5", ',', {}},
                      FloatCase{"-0.25", '.', -0.25L}, FloatCase{"+3", '.', 3.0L},
                      FloatCase{".5", '.', 0.5L}, FloatCase{"5.", '.', 5.0L},
                      FloatCase{" 2.5 ", '.', 2.5L}, FloatCase{"1e3", '.', 1000.0L},
                      FloatCase{"1.5E-1", '.', 0.15L}, FloatCase{"2e+2", '.', 200.0L},
                      FloatCase{"1e", '.', {}}, FloatCase{"e3", '.', {}}, FloatCase{".", '.', {}},
                      FloatCase{"-", '.', {}}, FloatCase{"", '.', {}}, FloatCase{"1.2.3", '.', {}},
                      FloatCase{"1e99999", '.', {}}, FloatCase{"0x10", '.', {}}),
    ::testing::PrintToStringParamName());

struct WriteCase {
  TSpinValue value;
  TValueType type;
  const char* expected;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
  *os << CaseName(c.type) << '_' << CaseName(c.value);
}

class WriteSpinValueTest : public ::testing::TestWithParam<WriteCase> {};

// The field's range 0 … 65535, as every field on the window has it.
TEST_P(WriteSpinValueTest, ClampsRoundsAndFormats) {
  const WriteCase& c = GetParam();
  EXPECT_EQ(FormatSpinValue(ClampToRange(c.value, 0, 65535), c.type, 2, '.'), c.expected)
      << "value " << double(c.value);
}

INSTANTIATE_TEST_SUITE_P(
    WindowRange, WriteSpinValueTest,
    ::testing::Values(WriteCase{0, vtHex, "0"}, WriteCase{10, vtHex, "A"},
                      WriteCase{255, vtHex, "FF"}, WriteCase{4096, vtHex, "1000"},
                      WriteCase{70000, vtHex, "FFFF"}, WriteCase{-3, vtHex, "0"},
                      WriteCase{65535, vtInteger, "65535"}, WriteCase{70000, vtInteger, "65535"},
                      WriteCase{-3, vtInteger, "0"}, WriteCase{5, vtInteger, "5"},
                      // Halves go to the even neighbour.
                      WriteCase{0.5L, vtInteger, "0"}, WriteCase{1.5L, vtInteger, "2"},
                      WriteCase{2.5L, vtInteger, "2"}, WriteCase{2.5000001L, vtInteger, "3"},
                      WriteCase{10.5L, vtHex, "A"}, WriteCase{11.5L, vtHex, "C"},
                      WriteCase{65534.5L, vtInteger, "65534"}),
    ::testing::PrintToStringParamName());

TEST(FormatSpinValue, WritesNegativeHexAsSixteenDigitsOfTwosComplement) {
  EXPECT_EQ(FormatSpinValue(-1, vtHex, 0, '.'), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(FormatSpinValue(-256, vtHex, 0, '.'), "FFFFFFFFFFFFFF00");
  EXPECT_EQ(FormatSpinValue(-5, vtInteger, 0, '.'), "-5");
}

TEST(FormatSpinValue, WritesFloatsInFixedPointWithTheLocaleSeparator) {
  EXPECT_EQ(FormatSpinValue(1.5L, vtFloat, 2, '.'), "1.50");
  EXPECT_EQ(FormatSpinValue(1.5L, vtFloat, 2, ','), "1,50");
  EXPECT_EQ(FormatSpinValue(2, vtFloat, 0, '.'), "2");
  EXPECT_EQ(FormatSpinValue(-0.125L, vtFloat, 1, '.'), "-0.1");
  EXPECT_EQ(FormatSpinValue(-0.001L, vtFloat, 2, '.'), "0.00");
  // Fifteen significant digits: what lies beyond them shows as zeros.
  EXPECT_EQ(FormatSpinValue(123456789012.3456789L, vtFloat, 6, '.'), "123456789012.346000");
  EXPECT_EQ(FormatSpinValue(1e15L, vtFloat, 2, '.'), "1.00000000000000E+15");
}

TEST(RoundHalfEven64, SaturatesOutsideTheIntegerRange) {
  EXPECT_EQ(RoundHalfEven64(-2.5L), -2);
  EXPECT_EQ(RoundHalfEven64(-3.5L), -4);
  EXPECT_EQ(RoundHalfEven64(1e30L), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(RoundHalfEven64(-1e30L), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(RoundHalfEven64(std::numeric_limits<TSpinValue>::quiet_NaN()), 0);
}

TEST(ClampToRange, EqualBoundsMeanNoRange) {
  EXPECT_EQ(ClampToRange(70000, 0, 0), 70000);
  EXPECT_EQ(ClampToRange(-3, 5, 5), -3);
  EXPECT_EQ(ClampToRange(-3, 0, 10), 0);
  EXPECT_EQ(ClampToRange(11, 0, 10), 10);
  EXPECT_EQ(ClampToRange(7, 0, 10), 7);
}

TEST(SameTextIgnoringCase, FoldsOnlyLatinLetters) {
  EXPECT_TRUE(SameTextIgnoringCase("ffff", "FFFF"));
  EXPECT_TRUE(SameTextIgnoringCase("", ""));
  EXPECT_FALSE(SameTextIgnoringCase("ff", "FFF"));
  EXPECT_FALSE(SameTextIgnoringCase("1", "2"));
  // Letters of the code page beyond ASCII keep their case (0xE1 á, 0xC1 Á).
  EXPECT_FALSE(SameTextIgnoringCase("\xE1", "\xC1"));
}

struct CharCase {
  char ch;
  TValueType type;
  bool editorEnabled;
  const char* text;
  bool accepted;
};

void PrintTo(const CharCase& c, std::ostream* os) {
  *os << CaseName({&c.ch, 1}) << '_' << CaseName(c.type);
  if (!c.editorEnabled) *os << "_EditorOff";
  if (*c.text) *os << "_After" << CaseName(c.text);
}

class AcceptsSpinCharTest : public ::testing::TestWithParam<CharCase> {};

TEST_P(AcceptsSpinCharTest, FollowsTheFieldType) {
  const CharCase& c = GetParam();
  EXPECT_EQ(AcceptsSpinChar(c.ch, c.type, c.editorEnabled, c.text, '.'), c.accepted)
      << "char " << int(static_cast<unsigned char>(c.ch)) << " type " << int(c.type);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, AcceptsSpinCharTest,
    ::testing::Values(
        CharCase{'0', vtInteger, true, "", true}, CharCase{'9', vtInteger, true, "", true},
        CharCase{'+', vtInteger, true, "", true}, CharCase{'-', vtInteger, true, "", true},
        CharCase{'\b', vtInteger, true, "", true}, CharCase{'\x16', vtInteger, true, "", true},
        CharCase{'\r', vtInteger, true, "", true}, CharCase{'A', vtInteger, true, "", false},
        CharCase{' ', vtInteger, true, "", false}, CharCase{'$', vtInteger, true, "", false},
        CharCase{'.', vtInteger, true, "", false}, CharCase{'\xC1', vtInteger, true, "", false},
        CharCase{'A', vtHex, true, "", true}, CharCase{'f', vtHex, true, "", true},
        CharCase{'g', vtHex, true, "", false}, CharCase{'G', vtHex, true, "", false},
        CharCase{'x', vtHex, true, "", false}, CharCase{'.', vtFloat, true, "12", true},
        CharCase{'.', vtFloat, true, "1.2", false}, CharCase{'e', vtFloat, true, "12", true},
        CharCase{'E', vtFloat, true, "1e2", false}, CharCase{'e', vtFloat, true, "1E2", false},
        CharCase{'A', vtFloat, true, "", false},
        // With the editor off only control characters other than Backspace pass.
        CharCase{'5', vtInteger, false, "", false}, CharCase{'\b', vtInteger, false, "", false},
        CharCase{'\x03', vtInteger, false, "", true}, CharCase{'\x16', vtHex, false, "", true}),
    ::testing::PrintToStringParamName());

}  // namespace
