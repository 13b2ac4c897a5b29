#include "tests/main_window/calculator_fixture.h"

using namespace bitcalc::widgets;

namespace {

using Switches = CalculatorTest;

TEST_F(Switches, BitZeroOfAFromZeroSetsOneEverywhereAndEvaluatesThreeTimes) {
  const int before = form->EvaluationCount();
  ClickSwitch(1);
  EXPECT_EQ(A(), 1);
  EXPECT_EQ(form->NumSpinEdit4->Text(), "1");
  EXPECT_EQ(form->NumSpinEdit5->Text(), "1");
  // Both field texts changed: once in each field handler, once in the switch's.
  EXPECT_EQ(form->EvaluationCount() - before, 3);
  ExpectInStep();
}

TEST_F(Switches, EachSwitchSetsItsOwnBitOfItsOperand) {
  for (int k = 1; k <= 32; ++k) {
    ClickSwitch(k);
    const int bit = k <= 16 ? k - 1 : k - 17;
    EXPECT_EQ(k <= 16 ? A() : B(), 1u << bit) << "switch " << k;
    ExpectInStep();
    ClickSwitch(k);
  }
  EXPECT_EQ(A(), 0);
  EXPECT_EQ(B(), 0);
}

TEST_F(Switches, A8001LightsTheLeftmostAndRightmostSwitchOfA) {
  EnterA("32769");
  for (int k = 1; k <= 16; ++k)
    EXPECT_EQ(form->BitToggleSwitch[k - 1]->Checked(), k == 1 || k == 16) << k;
  EXPECT_EQ(form->BitToggleSwitch[15]->Left(), 40);
  EXPECT_EQ(form->BitToggleSwitch[0]->Left(), 288);
}

TEST_F(Switches, ADoubleClickOnOneSpotTogglesOnceAndRunsTheHandlerOnce) {
  TBitToggleSwitch* sw = form->BitToggleSwitch[0];
  const int before = form->EvaluationCount();
  QTest::mousePress(sw, Qt::LeftButton, {}, {8, 5});
  QTest::mouseRelease(sw, Qt::LeftButton, {}, {8, 5});
  QTest::mouseDClick(sw, Qt::LeftButton, {}, {8, 5});
  QTest::mouseRelease(sw, Qt::LeftButton, {}, {8, 5});
  EXPECT_TRUE(sw->Checked());
  EXPECT_EQ(A(), 1);
  EXPECT_EQ(form->EvaluationCount() - before, 3);
  ExpectInStep();
}

// The second press in the other half toggles back without a second click:
// the operand keeps the once-toggled value until its next input.
TEST_F(Switches, ASecondPressInTheOtherHalfTogglesBackWithoutAHandler) {
  TBitToggleSwitch* sw = form->BitToggleSwitch[0];
  QTest::mousePress(sw, Qt::LeftButton, {}, {8, 15});
  QTest::mouseRelease(sw, Qt::LeftButton, {}, {8, 15});
  QTest::mouseDClick(sw, Qt::LeftButton, {}, {8, 17});
  QTest::mouseRelease(sw, Qt::LeftButton, {}, {8, 17});
  EXPECT_FALSE(sw->Checked());
  EXPECT_EQ(A(), 1);
  EXPECT_EQ(form->NumSpinEdit4->Text(), "1");
  ClickSwitch(2);  // the next input of A re-reads every switch
  EXPECT_EQ(A(), 2);
  ExpectInStep();
}

struct ButtonCase {
  const char* name;
  int button;  // 1-based
  std::uint16_t a, b;
  std::uint16_t expectA, expectB;
};

class Buttons : public CalculatorTest, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(Buttons, ChangeTheirOperandAndBringEverythingIntoStep) {
  const ButtonCase& c = GetParam();
  SetBySwitches(1, c.a);
  SetBySwitches(17, c.b);
  ASSERT_EQ(A(), c.a);
  ASSERT_EQ(B(), c.b);
  Click(form->Button[c.button - 1]);
  EXPECT_EQ(A(), c.expectA);
  EXPECT_EQ(B(), c.expectB);
  ExpectInStep();
}

INSTANTIATE_TEST_SUITE_P(Calculator, Buttons,
                         ::testing::Values(ButtonCase{"RotateALeft", 1, 0x8001, 7, 0x0003, 7},
                                           ButtonCase{"RotateARight", 2, 0x0001, 7, 0x8000, 7},
                                           ButtonCase{"RotateBLeft", 3, 5, 0x8001, 5, 0x0003},
                                           ButtonCase{"RotateBRight", 4, 5, 0x0001, 5, 0x8000},
                                           ButtonCase{"InvertA", 5, 0x00FF, 0, 0xFF00, 0},
                                           ButtonCase{"ResetA", 6, 0xFFFF, 9, 0, 9},
                                           ButtonCase{"InvertB", 7, 1, 0x00FF, 1, 0xFF00},
                                           ButtonCase{"ResetB", 8, 1, 0xFFFF, 1, 0},
                                           ButtonCase{"SwapLowNibbles", 9, 0x1234, 0, 0x1243, 0},
                                           ButtonCase{"SwapHighNibbles", 10, 0x1234, 0, 0x2134, 0},
                                           ButtonCase{"SwapBytes", 11, 0x1234, 0, 0x3412, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
