#include "core/evaluation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "core/n_bool_proc.h"

using namespace bitcalc::core;

namespace {

using namespace std::string_literals;
using TExpectedCaption = std::pair<std::string_view, std::string>;

std::string CaptionOf(const TEvaluation& e, std::string_view target) {
  const auto it = std::find_if(e.Captions.begin(), e.Captions.end(),
                               [&](const TCaption& c) { return c.Target == target; });
  if (it != e.Captions.end()) return it->Text;
  ADD_FAILURE() << "no caption for " << target;
  return {};
}

TEvaluation EvaluateOperands(TNBoolProc& store, std::uint16_t a, std::uint16_t b, int position) {
  store.SetRowFromWord(RowA, a);
  store.SetRowFromWord(RowB, b);
  store.SetRowFromWord(RowResult, 0xA5A5);  // a stale result must be overwritten
  return Evaluate(store, position);
}

// A = B = 0 with NOT A, as the window's creation evaluates it.
TEST(Evaluation, StartUpCaptionsInAssignmentOrderAroundTheLeds) {
  BoolStore.SetRowFromWord(RowA, 0x1234);
  CreateBoolStore();
  const TEvaluation e = Evaluate(BoolStore, 7);
  // clang-format off
  const TExpectedCaption expected[] = {
      {"GradientLabel1", "0d  0h"}, {"GradientLabel2", "0d  0h"}, {"GradientLabel3", "0d  00h"},
      {"GradientLabel4", "0d  0h"}, {"GradientLabel6", "0d  0h"}, {"GradientLabel5", "0d  00h"},
      {"Label22", "\0"s}, {"Label23", "\0"s}, {"Label25", "\0"s}, {"Label24", "\0"s},
      {"Label27", "liczba ze znakiem: 0d "},
      // the LEDs come here
      {"Label13", "65535d"}, {"Label15", "FFFFh"},
      {"GradientLabel7", "15d  Fh"}, {"GradientLabel8", "15d  Fh"}, {"GradientLabel9", "255d  FFh"},
      {"GradientLabel10", "15d  Fh"}, {"GradientLabel11", "15d  Fh"},
      {"GradientLabel12", "255d  FFh"}, {"Label21", "\xFF  \xFF"}};
  // clang-format on
  for (std::size_t i = 0; i < TEvaluation::CaptionCount; ++i) {
    EXPECT_EQ(e.Captions[i].Target, expected[i].first) << i;
    EXPECT_EQ(e.Captions[i].Text, expected[i].second) << expected[i].first;
  }
  EXPECT_EQ(e.BeforeLeds().back().Target, "Label27");
  EXPECT_EQ(e.AfterLeds().front().Target, "Label13");
  EXPECT_EQ(std::count(e.Leds.begin(), e.Leds.end(), true), 16);
  EXPECT_EQ(BoolStore.RowToWord(RowResult), 65535);
}

// Position 0-7 is DIV, MOD, SUB, ADD, XOR, OR, AND, NOT A.
TEST(Evaluation, ResultRowLedsAndResultNumbers) {
  struct TCase {
    std::uint16_t A, B;
    int Position;
    std::uint16_t Result;
    const char* Hex;
  };
  // clang-format off
  const TCase cases[] = {
      {7, 2, 0, 3, "0003h"}, {7, 2, 1, 1, "0001h"}, {7, 2, 2, 5, "0005h"}, {7, 2, 3, 9, "0009h"},
      {7, 2, 4, 5, "0005h"}, {7, 2, 5, 7, "0007h"}, {7, 2, 6, 2, "0002h"},
      {7, 2, 7, 65528, "FFF8h"}, {2, 7, 2, 65531, "FFFBh"}, {65535, 1, 3, 0, "0000h"},
      {1234, 0, 0, 0, "0000h"}, {1234, 0, 1, 0, "0000h"}, {65535, 2, 0, 32767, "7FFFh"},
      {0xAB, 0x100, 1, 0xAB, "00ABh"},
      // The track bar never leaves 0-7; a position past an end acts as that end.
      {7, 2, -1, 3, "0003h"}, {7, 2, 8, 65528, "FFF8h"}};
  // clang-format on
  for (const TCase& c : cases) {
    TNBoolProc store;
    const TEvaluation e = EvaluateOperands(store, c.A, c.B, c.Position);
    const auto label = ::testing::Message() << c.A << " op" << c.Position << " " << c.B;
    EXPECT_EQ(e.Result, c.Result) << label;
    EXPECT_EQ(store.RowToWord(RowResult), c.Result) << label;
    EXPECT_EQ(CaptionOf(e, "Label13"), std::to_string(c.Result) + "d") << label;
    EXPECT_EQ(CaptionOf(e, "Label15"), c.Hex) << label;
    for (unsigned i = 0; i < 16; ++i) EXPECT_EQ(e.Leds[i], ((c.Result >> i) & 1U) != 0) << label;
  }
}

// Character readouts are raw code page 1250 bytes; a code-0 byte stays in the
// text, since the label showing it decides where the caption ends.
TEST(Evaluation, ReadoutTexts) {
  struct TCase {
    std::uint16_t A, B;
    int Position;
    std::initializer_list<TExpectedCaption> Captions;
  };
  // clang-format off
  const TCase cases[] = {
      {0x1234, 0, 7,  // result 0xEDCB
       {{"GradientLabel6", "1d  1h"}, {"GradientLabel4", "2d  2h"}, {"GradientLabel2", "3d  3h"},
        {"GradientLabel1", "4d  4h"}, {"GradientLabel5", "18d  12h"}, {"GradientLabel3", "52d  34h"},
        {"GradientLabel11", "14d  Eh"}, {"GradientLabel10", "13d  Dh"},
        {"GradientLabel8", "12d  Ch"}, {"GradientLabel7", "11d  Bh"},
        {"GradientLabel12", "237d  EDh"}, {"GradientLabel9", "203d  CBh"}}},
      {32767, 0, 0, {{"Label27", "liczba ze znakiem: 32767d "}}},
      {32768, 0, 0, {{"Label27", "liczba ze znakiem: -32768d "}}},
      {65535, 0, 0, {{"Label27", "liczba ze znakiem: -1d "}}},
      {0xA542, 0x4300, 0,
       {{"Label22", "B"}, {"Label23", "\xA5"}, {"Label25", "\0"s}, {"Label24", "C"}}},
      {0x4142, 0, 5, {{"Label21", "A  B"}}},
      {0x0042, 0, 5, {{"Label21", "\0  B"s}}},
      {0x4100, 0, 5, {{"Label21", "A  \0"s}}}};
  // clang-format on
  for (const TCase& c : cases) {
    TNBoolProc store;
    const TEvaluation e = EvaluateOperands(store, c.A, c.B, c.Position);
    for (const auto& [target, text] : c.Captions) {
      EXPECT_EQ(CaptionOf(e, target), text) << target << " for A " << c.A << ", B " << c.B;
    }
  }
}

TEST(Evaluation, WritesOnlyTheResultAndScratchRows) {
  TNBoolProc store;
  for (std::uint8_t row = 0; row < TNBoolProc::RowCount; ++row) store.Cells[row].fill(1);
  Evaluate(store, 3);
  for (std::uint8_t row = 0; row < TNBoolProc::RowCount; ++row) {
    if (row == RowResult || row == RowScratch) continue;
    EXPECT_EQ(store.RowToWord(row), 0xFFFF) << "row " << int{row};
  }
}

TEST(Evaluation, MovingTheTrackBarChangesOnlyTheResultReadouts) {
  TNBoolProc store;
  const TEvaluation xorResult = EvaluateOperands(store, 0x1234, 0x0F0F, 4);
  const TEvaluation andResult = Evaluate(store, 6);
  for (std::size_t i = 0; i < TEvaluation::CaptionCount; ++i) {
    const bool same = andResult.Captions[i].Text == xorResult.Captions[i].Text;
    EXPECT_EQ(same, i < TEvaluation::CaptionsBeforeLeds) << andResult.Captions[i].Target;
  }
}

}  // namespace
