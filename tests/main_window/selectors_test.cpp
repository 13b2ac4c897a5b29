#include "tests/main_window/calculator_fixture.h"
#include "widgets/entry/selector_drop_down_window.h"
#include "widgets/entry/styled_character_selector.h"
#include "widgets/entry/styled_selector_panel.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

struct PickCase {
  const char* name;
  int selector;  // asK
  int code;
  std::uint16_t a, b;  // what the operands become from A = 0x1234, B = 0x1234
};

class CharacterPicks : public CalculatorTest, public ::testing::WithParamInterface<PickCase> {
 protected:
  // Opens the grid with a click on the selector, then moves onto the cell,
  // presses and releases, as a user picks.
  void PickCode(TStyledCharacterSelector* s, int code) {
    Click(s);
    ASSERT_TRUE(s->DropDownWindow()->isVisible());
    TStyledSelectorPanel* panel = s->Panel();
    const TRect r = panel->Items()[code].CellRect;
    const QPoint centre((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    MoveMouse(panel, QPoint(2, 2));
    MoveMouse(panel, centre);
    QTest::mousePress(panel, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(panel, Qt::LeftButton, {}, centre);
    clock.Advance(1);  // the grid's hide timer
  }
};

TEST_P(CharacterPicks, LoadTheirByteAndBringEverythingIntoStep) {
  const PickCase& c = GetParam();
  SetBySwitches(1, 0x1234);
  SetBySwitches(17, 0x1234);
  TStyledCharacterSelector* const selectors[] = {form->as1, form->as2, form->as3, form->as4};
  PickCode(selectors[c.selector - 1], c.code);
  EXPECT_FALSE(selectors[c.selector - 1]->DropDownWindow()->isVisible());
  EXPECT_EQ(A(), c.a);
  EXPECT_EQ(B(), c.b);
  ExpectInStep();
}

INSTANTIATE_TEST_SUITE_P(Calculator, CharacterPicks,
                         ::testing::Values(PickCase{"ALowByte", 1, 0x41, 0x1241, 0x1234},
                                           PickCase{"AHighByte", 2, 0x41, 0x4134, 0x1234},
                                           PickCase{"BLowByte", 3, 0xFF, 0x1234, 0x12FF},
                                           PickCase{"BHighByte", 4, 0x80, 0x1234, 0x8034},
                                           PickCase{"CodeZeroClearsALowByte", 1, 0, 0x1200,
                                                    0x1234}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
