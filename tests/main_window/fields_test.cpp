#include "tests/main_window/calculator_fixture.h"

namespace {

using Fields = CalculatorTest;

TEST_F(Fields, TypingTwoFiveFiveIntoAnEmptyDecimalFieldStepsAAndTheHexField) {
  Focus(form->NumSpinEdit4);
  DeleteAll();
  const struct {
    const char* key;
    std::uint16_t a;
    const char* hex;
  } steps[] = {{"2", 2, "2"}, {"5", 25, "19"}, {"5", 255, "FF"}};
  for (const auto& s : steps) {
    Type(s.key);
    EXPECT_EQ(A(), s.a);
    EXPECT_EQ(form->NumSpinEdit5->Text(), s.hex);
    ExpectInStep();
  }
  EXPECT_EQ(form->NumSpinEdit4->Text(), "255");
}

TEST_F(Fields, AnEmptiedFieldChangesNothingElse) {
  EnterA("1234");
  const std::string label3 = Shown(form->GradientLabel[2]);
  Focus(form->NumSpinEdit5);
  DeleteAll();
  EXPECT_EQ(form->NumSpinEdit5->Text(), "");
  EXPECT_EQ(A(), 1234);
  EXPECT_EQ(SwitchesA(), 1234);
  EXPECT_EQ(form->NumSpinEdit4->Text(), "1234");
  EXPECT_EQ(Shown(form->GradientLabel[2]), label3);
}

// A text put into a field in one step (a paste over the whole text), what
// the window shows at once, and after the focus has left the field.
struct PasteCase {
  const char* name;
  int field;  // 4: A decimal, 5: A hexadecimal
  const char* startA;
  const char* pasted;
  std::uint16_t a;
  const char* decimal;
  const char* hex;
  std::uint16_t aAfterLeaving;
  const char* decimalAfterLeaving;
  const char* hexAfterLeaving;
};

class Pastes : public CalculatorTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(Pastes, FollowTheTwinFieldChain) {
  const PasteCase& c = GetParam();
  EnterA(c.startA);
  Focus(c.field == 4 ? form->NumSpinEdit4 : form->NumSpinEdit5);
  PasteOverAll(c.pasted);
  EXPECT_EQ(A(), c.a);
  EXPECT_EQ(form->NumSpinEdit4->Text(), c.decimal);
  EXPECT_EQ(form->NumSpinEdit5->Text(), c.hex);
  EXPECT_EQ(SwitchesA(), A());
  ExpectReadoutsFresh();

  FocusElsewhere();
  EXPECT_EQ(A(), c.aAfterLeaving);
  EXPECT_EQ(form->NumSpinEdit4->Text(), c.decimalAfterLeaving);
  EXPECT_EQ(form->NumSpinEdit5->Text(), c.hexAfterLeaving);
  EXPECT_EQ(SwitchesA(), A());
  ExpectReadoutsFresh();
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, Pastes,
    ::testing::Values(
        // The twin's text changes, so the round trip rewrites the typed text.
        PasteCase{"HexFf", 5, "0", "ff", 255, "255", "FF", 255, "255", "FF"},
        // The twin already shows 255: nothing is rewritten.
        PasteCase{"HexFfBesideDecimal255", 5, "255", "ff", 255, "255", "ff", 255, "255", "ff"},
        PasteCase{"Decimal70000", 4, "0", "70000", 65535, "65535", "FFFF", 65535, "65535", "FFFF"},
        // The twin already shows FFFF: the row keeps 70000 modulo 65536 until
        // the focus leaves and the field clamps itself.
        PasteCase{"Decimal70000BesideHexFFFF", 4, "65535", "70000", 4464, "70000", "FFFF", 65535,
                  "65535", "FFFF"},
        PasteCase{"DecimalMinus5BesideHex0", 4, "0", "-5", 65531, "-5", "0", 0, "0", "0"},
        PasteCase{"DecimalMinus5BesideHex1", 4, "1", "-5", 0, "0", "0", 0, "0", "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Fields, MinusFiveShowsAsASignedReadoutWithEverySwitchButBitTwo) {
  Focus(form->NumSpinEdit4);
  PasteOverAll("-5");
  EXPECT_EQ(Shown(form->Label[26]), "liczba ze znakiem: -5d ");
  for (int k = 1; k <= 16; ++k) EXPECT_EQ(form->BitToggleSwitch[k - 1]->Checked(), k != 3) << k;
}

// B's fields take at most 3 and 2 typed characters; what the program writes
// into them is shown whole.
TEST_F(Fields, TheInputLimitsOfBBindTypingButNotProgramWrites) {
  Focus(form->NumSpinEdit1);
  DeleteAll();
  Type("12345");
  EXPECT_EQ(form->NumSpinEdit1->Text(), "123");
  EXPECT_EQ(B(), 123);
  Focus(form->NumSpinEdit2);
  DeleteAll();
  Type("abc");
  EXPECT_EQ(form->NumSpinEdit2->Text(), "AB");
  EXPECT_EQ(B(), 0xAB);
  FocusElsewhere();
  Click(form->Button[7]);  // res
  SetBySwitches(17, 0xFFFF);
  EXPECT_EQ(form->NumSpinEdit1->Text(), "65535");
  EXPECT_EQ(form->NumSpinEdit2->Text(), "FFFF");
  ExpectInStep();
}

}  // namespace
