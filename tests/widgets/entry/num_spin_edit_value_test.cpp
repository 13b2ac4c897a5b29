#include <gtest/gtest.h>

#include <QClipboard>
#include <QLocale>
#include <algorithm>
#include <ostream>
#include <stdexcept>

#include "tests/widgets/entry/case_names.h"
#include "tests/widgets/entry/spin_edit_fixture.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

using SpinEditValue = SpinEditTest;

TEST_F(SpinEditValue, StartsAtZeroWithItsButtonWiredAndLoadsWithoutEvents) {
  TNumSpinEdit* e = MakeField();
  EXPECT_EQ(e->Text(), "0");
  ASSERT_NE(e->SpinButton(), nullptr);
  EXPECT_EQ(e->SpinButton()->Parent(), e->ButtonHost());
  EXPECT_EQ(e->SpinButton()->FocusControl(), e);
  // The layout's stored settings arrive while loading, and raise nothing.
  changes.clear();
  e->BeginLoading();
  e->SetValueType(vtHex);
  e->SetValue(255);
  e->EndLoading();
  EXPECT_EQ(e->Text(), "FF");
  EXPECT_EQ(changes[e], 0);
}

struct WriteCase {
  TValueType type;
  const char* shown;
  TSpinValue value;
  const char* expected;
  int changes;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
  *os << CaseName(c.type) << '_' << CaseName(c.shown) << "_Set" << CaseName(c.value);
}

class SpinEditWrite : public SpinEditTest, public ::testing::WithParamInterface<WriteCase> {};

// An equal text (compared case-sensitively) is left alone and raises nothing;
// any other text raises exactly one OnChange.
TEST_P(SpinEditWrite, RaisesOnChangeOnlyWhenTheTextChanges) {
  const WriteCase& c = GetParam();
  TNumSpinEdit* e = MakeField(c.type);
  e->SetText(c.shown);
  changes.clear();
  e->SetValue(c.value);
  EXPECT_EQ(e->Text(), c.expected);
  EXPECT_EQ(changes[e], c.changes);
}

INSTANTIATE_TEST_SUITE_P(Texts, SpinEditWrite,
                         ::testing::Values(WriteCase{vtInteger, "5", 5, "5", 0},
                                           WriteCase{vtInteger, "05", 5, "5", 1},
                                           WriteCase{vtHex, "FF", 255, "FF", 0},
                                           WriteCase{vtHex, "ff", 255, "FF", 1},
                                           WriteCase{vtHex, "ffff", 65535, "FFFF", 1},
                                           WriteCase{vtHex, "0", 4096, "1000", 1},
                                           WriteCase{vtInteger, "0", 70000, "65535", 1},
                                           WriteCase{vtInteger, "0", 2.5L, "2", 1}),
                         ::testing::PrintToStringParamName());

TEST_F(SpinEditValue, OnChangeRunsInsideTheWriteWithTheNewTextInPlace) {
  TNumSpinEdit* e = MakeField();
  bool inside = false;
  std::string seen;
  e->OnChange = [&](TObject*) {
    EXPECT_TRUE(inside);
    seen = e->Text();
  };
  inside = true;
  e->SetValue(42);
  inside = false;
  EXPECT_EQ(seen, "42");
}

TEST_F(SpinEditValue, ChangingTheTypeRereadsTheTextAndRoundsTheIncrement) {
  const QLocale saved;
  QLocale::setDefault(QLocale::c());  // "." as the decimal separator
  TNumSpinEdit* e = MakeField(vtFloat);
  e->SetValue(1.5L);
  EXPECT_EQ(e->Text(), "1.50");
  e->SetDecimal(1);
  EXPECT_EQ(e->Text(), "1.5");
  e->SetIncrement(0.25L);
  e->SetValueType(vtInteger);  // "1.5" does not parse as an integer: it reads MinValue
  EXPECT_EQ(e->Text(), "0");
  EXPECT_EQ(e->Increment(), 1);  // 0.25 rounds to 0, which becomes 1
  e->SetIncrement(2.5L);
  e->SetValueType(vtHex);
  EXPECT_EQ(e->Increment(), 2);
  QLocale::setDefault(saved);
}

TEST_F(SpinEditValue, TheInputLimitNeverShortensAWriteFromCode) {
  TNumSpinEdit* hex = MakeField(vtHex);
  hex->SetMaxLength(2);
  hex->SetValue(4096);
  EXPECT_EQ(hex->Text(), "1000");
  hex->SetValue(65535);
  EXPECT_EQ(hex->Text(), "FFFF");
}

struct StepCase {
  TValueType type;
  const char* shown;
  bool up;
  const char* expected;
  int changes;
};

void PrintTo(const StepCase& c, std::ostream* os) {
  *os << CaseName(c.type) << '_' << CaseName(c.shown) << (c.up ? "_Up" : "_Down");
}

class SpinEditStep : public SpinEditTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(SpinEditStep, RaisesOnChangeOnlyWhenTheNumberShownChanges) {
  const StepCase& c = GetParam();
  TNumSpinEdit* e = MakeField(c.type);
  int top = 0, bottom = 0;
  e->OnTopClick = [&](TObject* sender) {
    EXPECT_EQ(sender, e);
    ++top;
  };
  e->OnBottomClick = [&](TObject*) { ++bottom; };
  e->SetText(c.shown);
  changes.clear();
  if (c.up)
    e->StepUp();
  else
    e->StepDown();
  EXPECT_EQ(e->Text(), c.expected);
  EXPECT_EQ(changes[e], c.changes);
  EXPECT_EQ(top, c.up ? 1 : 0);
  EXPECT_EQ(bottom, c.up ? 0 : 1);
  EXPECT_EQ(e->Modified(), c.changes == 1);
  EXPECT_FALSE(e->SuppressChange());
}

INSTANTIATE_TEST_SUITE_P(Edges, SpinEditStep,
                         ::testing::Values(StepCase{vtHex, "ffff", true, "FFFF", 0},
                                           StepCase{vtInteger, "0", false, "0", 0},
                                           StepCase{vtInteger, "65535", true, "65535", 0},
                                           StepCase{vtInteger, "", true, "1", 1},
                                           StepCase{vtInteger, "5", true, "6", 1},
                                           StepCase{vtInteger, "5", false, "4", 1},
                                           StepCase{vtInteger, "70000", false, "65535", 1},
                                           StepCase{vtInteger, "-5", true, "0", 1},
                                           StepCase{vtHex, "f", true, "10", 1},
                                           StepCase{vtHex, "a", false, "9", 1}),
                         ::testing::PrintToStringParamName());

TEST_F(SpinEditValue, AStepOnAReadOnlyFieldOnlyBeeps) {
  TNumSpinEdit* e = MakeField();
  int clicks = 0;
  e->OnTopClick = e->OnBottomClick = [&](TObject*) { ++clicks; };
  e->SetReadOnly(true);
  e->StepUp();
  e->StepDown();
  EXPECT_EQ(spy.Beeps(), 2);
  EXPECT_EQ(e->Text(), "0");
  EXPECT_EQ(changes[e], 0);
  EXPECT_EQ(clicks, 0);
}

TEST_F(SpinEditValue, StepsByTheIncrementAndKeepsAQuietFieldQuiet) {
  TNumSpinEdit* e = MakeField();
  e->SetIncrement(5);
  e->StepUp();
  EXPECT_EQ(e->Text(), "5");
  EXPECT_EQ(changes[e], 1);
  e->SetSuppressChange(true);
  e->StepUp();
  EXPECT_EQ(e->Text(), "10");
  EXPECT_EQ(changes[e], 1);
  EXPECT_TRUE(e->SuppressChange());
}

TEST_F(SpinEditValue, AThrowingHandlerLeavesTheFieldReportingChanges) {
  TNumSpinEdit* e = MakeField();
  e->OnTopClick = [](TObject*) { throw std::runtime_error("handler failed"); };
  EXPECT_THROW(e->StepUp(), std::runtime_error);
  EXPECT_FALSE(e->SuppressChange());
  changes.clear();
  e->SetValue(9);
  EXPECT_EQ(changes[e], 1);
}

// The window mirrors each decimal field into its hexadecimal twin and back; the
// chain must end as soon as a write leaves a text as it was.
class MirroredFields : public SpinEditTest {
 protected:
  void SetUp() override {
    SpinEditTest::SetUp();
    dec = MakeField(vtInteger);
    hex = MakeField(vtHex, 50);
    Mirror(dec, hex);
    Mirror(hex, dec);
  }
  // Replaces the whole text in one edit of the user.
  void Paste(TNumSpinEdit* e, const char* text) {
    Focus(e);  // selects all
    QApplication::clipboard()->setText(text);
    Key(Qt::Key_V, Qt::ControlModifier);
  }
  void Mirror(TNumSpinEdit* from, TNumSpinEdit* to) {
    from->OnChange = [this, from, to](TObject*) {
      ++changes[from];
      ++depth;
      maxDepth = std::max(maxDepth, depth);
      if (!from->Text().empty()) to->SetValue(from->Value());
      --depth;
    };
  }
  TNumSpinEdit* dec = nullptr;
  TNumSpinEdit* hex = nullptr;
  int depth = 0;
  int maxDepth = 0;
};

TEST_F(MirroredFields, AWriteToOneSettlesAfterOneRoundTrip) {
  dec->SetValue(255);
  EXPECT_EQ(dec->Text(), "255");
  EXPECT_EQ(hex->Text(), "FF");
  EXPECT_EQ(changes[dec], 1);
  EXPECT_EQ(changes[hex], 1);
  EXPECT_EQ(maxDepth, 2);
}

TEST_F(MirroredFields, ALowerCaseTextIsRewrittenWhenTheTwinChanges) {
  Paste(hex, "ff");
  EXPECT_EQ(dec->Text(), "255");
  EXPECT_EQ(hex->Text(), "FF");
  EXPECT_EQ(changes[hex], 2);
  EXPECT_EQ(changes[dec], 1);
  EXPECT_EQ(maxDepth, 3);
}

TEST_F(MirroredFields, ALowerCaseTextStaysWhenTheTwinAlreadyAgrees) {
  dec->SetValue(255);
  changes.clear();
  maxDepth = 0;
  Paste(hex, "ff");
  EXPECT_EQ(hex->Text(), "ff");
  EXPECT_EQ(changes[hex], 1);
  EXPECT_EQ(changes[dec], 0);
  EXPECT_EQ(maxDepth, 1);
}

TEST_F(MirroredFields, AnEmptiedFieldStopsTheChain) {
  dec->SetValue(12);
  changes.clear();
  dec->SetText("");
  EXPECT_EQ(changes[dec], 1);
  EXPECT_EQ(changes[hex], 0);
  EXPECT_EQ(hex->Text(), "C");
}

}  // namespace
