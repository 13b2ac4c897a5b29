#include "core/evaluation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/n_bool_proc.h"

namespace {

using namespace std::string_literals;

constexpr int kNotA = 7;

std::string CaptionOf(const TEvaluation& e, std::string_view target) {
  const auto it = std::find_if(e.Captions.begin(), e.Captions.end(),
                               [&](const TCaption& c) { return c.Target == target; });
  if (it == e.Captions.end()) {
    ADD_FAILURE() << "no caption for " << target;
    return {};
  }
  return it->Text;
}

TEvaluation EvaluateOperands(std::uint16_t a, std::uint16_t b, int position) {
  TNBoolProc store;
  store.SetRowFromWord(RowA, a);
  store.SetRowFromWord(RowB, b);
  return Evaluate(store, position);
}

TEST(Evaluation, CaptionsComeInAssignmentOrderAroundTheLeds) {
  const TEvaluation e = EvaluateOperands(0, 0, kNotA);
  std::vector<std::string_view> before, after;
  for (const TCaption& c : e.BeforeLeds()) before.push_back(c.Target);
  for (const TCaption& c : e.AfterLeds()) after.push_back(c.Target);
  EXPECT_EQ(before,
            (std::vector<std::string_view>{"GradientLabel1", "GradientLabel2", "GradientLabel3",
                                           "GradientLabel4", "GradientLabel6", "GradientLabel5",
                                           "Label22", "Label23", "Label25", "Label24", "Label27"}));
  EXPECT_EQ(after, (std::vector<std::string_view>{
                       "Label13", "Label15", "GradientLabel7", "GradientLabel8", "GradientLabel9",
                       "GradientLabel10", "GradientLabel11", "GradientLabel12", "Label21"}));
}

TEST(Evaluation, StartUpShowsNotAOfZero) {
  CreateBoolStore();
  const TEvaluation e = Evaluate(BoolStore, kNotA);
  EXPECT_EQ(e.Result, 65535);
  EXPECT_EQ(BoolStore.RowToWord(RowResult), 65535);
  EXPECT_EQ(std::count(e.Leds.begin(), e.Leds.end(), true), 16);
  EXPECT_EQ(CaptionOf(e, "Label13"), "65535d");
  EXPECT_EQ(CaptionOf(e, "Label15"), "FFFFh");
  EXPECT_EQ(CaptionOf(e, "Label27"), "liczba ze znakiem: 0d ");
  EXPECT_EQ(CaptionOf(e, "Label21"), "\xFF  \xFF");
  for (const char* nibble :
       {"GradientLabel7", "GradientLabel8", "GradientLabel10", "GradientLabel11"}) {
    EXPECT_EQ(CaptionOf(e, nibble), "15d  Fh") << nibble;
  }
  EXPECT_EQ(CaptionOf(e, "GradientLabel9"), "255d  FFh");
  EXPECT_EQ(CaptionOf(e, "GradientLabel12"), "255d  FFh");
  for (const char* nibble :
       {"GradientLabel1", "GradientLabel2", "GradientLabel4", "GradientLabel6"}) {
    EXPECT_EQ(CaptionOf(e, nibble), "0d  0h") << nibble;
  }
  EXPECT_EQ(CaptionOf(e, "GradientLabel3"), "0d  00h");
  EXPECT_EQ(CaptionOf(e, "GradientLabel5"), "0d  00h");
  for (const char* character : {"Label22", "Label23", "Label24", "Label25"}) {
    EXPECT_EQ(CaptionOf(e, character), "\0"s) << character;
  }
}

TEST(Evaluation, OperationsWrapsAndDivisionByZero) {
  struct TCase {
    std::uint16_t A, B;
    int Position;
    std::uint16_t Result;
  };
  const TCase cases[] = {
      {7, 2, 0, 3},
      {7, 2, 1, 1},
      {7, 2, 2, 5},
      {7, 2, 3, 9},
      {7, 2, 4, 5},
      {7, 2, 5, 7},
      {7, 2, 6, 2},
      {7, 2, 7, 65528},
      {2, 7, 2, 65531},
      {65535, 1, 3, 0},
      {1234, 0, 0, 0},
      {1234, 0, 1, 0},
      {65535, 65535, 3, 65534},
      {0x1234, 0xFFFF, 7, 0xEDCB},
      {65535, 2, 0, 32767},
      // The track bar never leaves 0-7; a position past an end acts as that end.
      {7, 2, -1, 3},
      {7, 2, 8, 65528},
  };
  for (const TCase& c : cases) {
    TNBoolProc store;
    store.SetRowFromWord(RowA, c.A);
    store.SetRowFromWord(RowB, c.B);
    store.SetRowFromWord(RowResult, 0xA5A5);  // a stale result must be overwritten
    const TEvaluation e = Evaluate(store, c.Position);
    const auto label = ::testing::Message() << c.A << " op" << c.Position << " " << c.B;
    EXPECT_EQ(e.Result, c.Result) << label;
    EXPECT_EQ(store.RowToWord(RowResult), c.Result) << label;
    EXPECT_EQ(CaptionOf(e, "Label13"), std::to_string(c.Result) + "d") << label;
    for (unsigned i = 0; i < 16; ++i) EXPECT_EQ(e.Leds[i], ((c.Result >> i) & 1U) != 0) << label;
  }
}

TEST(Evaluation, ResultHexHasFourUpperCaseDigits) {
  EXPECT_EQ(CaptionOf(EvaluateOperands(2, 7, 2), "Label15"), "FFFBh");
  EXPECT_EQ(CaptionOf(EvaluateOperands(0xAB, 0, 5), "Label15"), "00ABh");
  EXPECT_EQ(CaptionOf(EvaluateOperands(0, 0, 5), "Label15"), "0000h");
}

TEST(Evaluation, SignedReadoutOfA) {
  EXPECT_EQ(CaptionOf(EvaluateOperands(0, 0, 0), "Label27"), "liczba ze znakiem: 0d ");
  EXPECT_EQ(CaptionOf(EvaluateOperands(32767, 0, 0), "Label27"), "liczba ze znakiem: 32767d ");
  EXPECT_EQ(CaptionOf(EvaluateOperands(32768, 0, 0), "Label27"), "liczba ze znakiem: -32768d ");
  EXPECT_EQ(CaptionOf(EvaluateOperands(65535, 0, 0), "Label27"), "liczba ze znakiem: -1d ");
}

TEST(Evaluation, NibbleAndByteReadoutsOfAAndTheResult) {
  const TEvaluation e = EvaluateOperands(0x1234, 0, kNotA);  // result 0xEDCB
  const std::pair<const char*, const char*> expected[] = {
      {"GradientLabel6", "1d  1h"},     {"GradientLabel4", "2d  2h"},
      {"GradientLabel2", "3d  3h"},     {"GradientLabel1", "4d  4h"},
      {"GradientLabel5", "18d  12h"},   {"GradientLabel3", "52d  34h"},
      {"GradientLabel11", "14d  Eh"},   {"GradientLabel10", "13d  Dh"},
      {"GradientLabel8", "12d  Ch"},    {"GradientLabel7", "11d  Bh"},
      {"GradientLabel12", "237d  EDh"}, {"GradientLabel9", "203d  CBh"},
  };
  for (const auto& [target, text] : expected) EXPECT_EQ(CaptionOf(e, target), text) << target;
}

TEST(Evaluation, CharacterReadoutsOfAAndB) {
  const TEvaluation e = EvaluateOperands(0xA542, 0x4300, 0);
  EXPECT_EQ(CaptionOf(e, "Label22"), "B");
  EXPECT_EQ(CaptionOf(e, "Label23"), "\xA5");
  EXPECT_EQ(CaptionOf(e, "Label25"), "\0"s);
  EXPECT_EQ(CaptionOf(e, "Label24"), "C");
}

// Code-0 bytes stay in the text; the label showing it decides where it ends.
TEST(Evaluation, ResultCharactersKeepZeroBytes) {
  EXPECT_EQ(CaptionOf(EvaluateOperands(0x4142, 0, 5), "Label21"), "A  B");
  EXPECT_EQ(CaptionOf(EvaluateOperands(0x0042, 0, 5), "Label21"), "\0  B"s);
  EXPECT_EQ(CaptionOf(EvaluateOperands(0x4100, 0, 5), "Label21"), "A  \0"s);
}

TEST(Evaluation, WritesOnlyTheResultAndScratchRows) {
  TNBoolProc store;
  for (std::uint8_t row = 0; row < TNBoolProc::RowCount; ++row)
    store.SetRowFromWord(row, 0x5A00 + row);
  const TNBoolProc before = store;
  Evaluate(store, 3);
  for (std::uint8_t row = 0; row < TNBoolProc::RowCount; ++row) {
    if (row == RowResult || row == RowScratch) continue;
    EXPECT_EQ(store.Cells[row], before.Cells[row]) << "row " << int{row};
  }
  EXPECT_EQ(store.RowToWord(RowResult), 0x5A00 + 0x5A01);
}

TEST(Evaluation, MovingTheTrackBarChangesOnlyTheResultReadouts) {
  TNBoolProc store;
  store.SetRowFromWord(RowA, 0x1234);
  store.SetRowFromWord(RowB, 0x0F0F);
  const TEvaluation xorResult = Evaluate(store, 4);
  const TEvaluation andResult = Evaluate(store, 6);
  for (std::size_t i = 0; i < TEvaluation::CaptionsBeforeLeds; ++i) {
    EXPECT_EQ(andResult.Captions[i].Text, xorResult.Captions[i].Text) << i;
  }
  EXPECT_NE(CaptionOf(andResult, "Label13"), CaptionOf(xorResult, "Label13"));
  EXPECT_EQ(store.RowToWord(RowA), 0x1234);
  EXPECT_EQ(store.RowToWord(RowB), 0x0F0F);
}

}  // namespace
