#include "widgets/bits/bit_control.h"

#include <gtest/gtest.h>

#include <QTest>
#include <climits>
#include <string>
#include <vector>

#include "tests/support/shown_form.h"

namespace {

using Log = std::vector<std::string>;

// A bit control that records its notifications, tagged with its name.
class Recorded : public TBitControl {
 public:
  Recorded(TComponent* owner, Log& log, std::string tag) : TBitControl(owner), tag_(std::move(tag)) {
    OnStatusChanged = [&log, this](TObject*) { log.push_back(tag_ + " status"); };
    OnStatusIntChanged = [&log, this](TObject*) {
      log.push_back(tag_ + " int " + std::to_string(StatusInt()));
    };
    OnClick = [&log, this](TObject*) { log.push_back(tag_ + " click"); };
  }

 private:
  std::string tag_;
};

class BitControl : public ShownFormTest {
 protected:
  Recorded* Make(const std::string& tag) {
    auto* c = new Recorded(form.get(), log, tag);
    c->SetBounds(10 + 30 * int(form->ComponentCount()), 10, 20, 20);
    return c;
  }
  Log log;
};

TEST_F(BitControl, IsPlacedOnItsOwnerWindow) {
  auto* c = Make("a");
  EXPECT_EQ(c->Parent(), form.get());
  EXPECT_EQ(c->Mode(), mIndicator);
}

TEST_F(BitControl, CheckedSetsItsBitAndRaisesStatusIntChangedFirst) {
  auto* c = Make("a");
  c->SetStatusBit(7);
  c->SetChecked(true);
  EXPECT_EQ(c->StatusInt(), 128);
  EXPECT_EQ(log, (Log{"a int 128", "a status"}));
  log.clear();
  c->SetChecked(true);
  EXPECT_TRUE(log.empty());
}

TEST_F(BitControl, UncheckingClearsOnlyItsOwnBit) {
  auto* c = Make("a");
  c->SetStatusBit(3);
  c->SetStatusInt(0b1010);
  ASSERT_TRUE(c->Checked());
  c->SetChecked(false);
  EXPECT_EQ(c->StatusInt(), 0b0010);
}

TEST_F(BitControl, TheTopBitIsTheSignOfTheStatusWord) {
  auto* c = Make("a");
  c->SetStatusBit(31);
  c->SetChecked(true);
  EXPECT_EQ(c->StatusInt(), INT_MIN);
  c->SetStatusInt(-1 ^ INT_MIN);
  EXPECT_FALSE(c->Checked());
}

TEST_F(BitControl, StatusIntSetsCheckedFromTheChosenBit) {
  auto* c = Make("a");
  c->SetStatusBit(2);
  c->SetStatusInt(5);
  EXPECT_TRUE(c->Checked());
  EXPECT_EQ(log, (Log{"a status", "a int 5"}));
  c->SetStatusBit(1);
  EXPECT_FALSE(c->Checked());
  EXPECT_EQ(c->StatusInt(), 5);
}

TEST_F(BitControl, StatusBitOutsideTheWordIsIgnored) {
  auto* c = Make("a");
  c->SetStatusInt(1);
  c->SetStatusBit(32);
  EXPECT_EQ(c->StatusBit(), 0);
  c->SetStatusBit(-1);
  EXPECT_EQ(c->StatusBit(), 0);
  EXPECT_TRUE(c->Checked());
}

TEST_F(BitControl, RadioButtonKeepsOnlyItsBitWhenChecked) {
  auto* c = Make("a");
  c->SetMode(mRadioButton);
  EXPECT_EQ(c->StatusInt(), 1);
  EXPECT_TRUE(c->Checked());  // bit 0 of 1
  c->SetStatusBit(4);
  c->SetStatusInt(0x0F);
  EXPECT_FALSE(c->Checked());
  c->SetChecked(true);
  EXPECT_EQ(c->StatusInt(), 0x10);
  // Unchecking a radio button leaves the word alone.
  c->SetChecked(false);
  EXPECT_EQ(c->StatusInt(), 0x10);
}

TEST_F(BitControl, GroupMembersShareTheStatusWordInCreationOrder) {
  auto* a = Make("a");
  auto* b = Make("b");
  auto* outsider = Make("x");
  auto* c = Make("c");
  b->SetStatusBit(1);
  c->SetStatusBit(2);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  c->SetGroupIndex(1);
  outsider->SetGroupIndex(2);
  log.clear();

  b->SetStatusInt(6);
  // b first, then the rest of the group in component order, each once; a
  // takes the word without changing state, and the outsider is left alone.
  EXPECT_EQ(log, (Log{"b status", "b int 6", "a int 6", "c status", "c int 6"}));
  EXPECT_EQ(a->StatusInt(), 6);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(c->Checked());
  EXPECT_EQ(outsider->StatusInt(), 0);

  // A second update runs as well: the guard was released.
  log.clear();
  a->SetChecked(true);
  EXPECT_EQ(b->StatusInt(), 7);
  EXPECT_EQ(c->StatusInt(), 7);
  EXPECT_EQ(log, (Log{"a int 7", "b int 7", "c int 7", "a status"}));
}

TEST_F(BitControl, AWriteFromAHandlerDuringAGroupUpdateStaysWithItsControl) {
  auto* a = Make("a");
  auto* b = Make("b");
  auto* c = Make("c");
  for (auto* m : {a, b, c}) m->SetGroupIndex(1);
  c->OnStatusIntChanged = [&](TObject*) {
    if (c->StatusInt() == 6) a->SetStatusInt(1);
  };
  b->SetStatusInt(6);
  // The group update is still running when the handler writes a, so that
  // write is not handed round the group again.
  EXPECT_EQ(a->StatusInt(), 1);
  EXPECT_EQ(b->StatusInt(), 6);
  EXPECT_EQ(c->StatusInt(), 6);
  // Afterwards a write is shared again.
  a->SetStatusInt(2);
  EXPECT_EQ(b->StatusInt(), 2);
  EXPECT_EQ(c->StatusInt(), 2);
}

TEST_F(BitControl, JoiningAGroupTakesTheWordOfItsFirstMember) {
  auto* a = Make("a");
  auto* b = Make("b");
  a->SetGroupIndex(3);
  a->SetStatusInt(9);
  b->SetStatusBit(3);
  b->SetGroupIndex(3);
  EXPECT_EQ(b->StatusInt(), 9);
  EXPECT_TRUE(b->Checked());
  b->SetGroupIndex(-2);
  EXPECT_EQ(b->GroupIndex(), 3);
  // Leaving the group keeps the word but no longer shares it.
  b->SetGroupIndex(0);
  a->SetStatusInt(1);
  EXPECT_EQ(b->StatusInt(), 9);
}

TEST_F(BitControl, ARadioGroupHasOneCheckedMember) {
  Recorded* radios[3] = {Make("a"), Make("b"), Make("c")};
  for (int i = 0; i < 3; ++i) {
    radios[i]->SetMode(mRadioButton);
    radios[i]->SetStatusBit(i);
    radios[i]->SetGroupIndex(5);
  }
  QTest::mouseClick(radios[2], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(radios[0]->Checked());
  EXPECT_FALSE(radios[1]->Checked());
  EXPECT_TRUE(radios[2]->Checked());
  QTest::mouseClick(radios[1], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(radios[2]->Checked());
  EXPECT_TRUE(radios[1]->Checked());
  EXPECT_EQ(radios[0]->StatusInt(), 2);
}

TEST_F(BitControl, IndicatorIgnoresTheMouseButStillClicks) {
  auto* c = Make("a");
  QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(c->Checked());
  EXPECT_EQ(log, (Log{"a click"}));
}

TEST_F(BitControl, SwitchTogglesOnEachLeftPressOnly) {
  auto* c = Make("a");
  c->SetMode(mSwitch);
  QTest::mousePress(c, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(c->Checked());
  QTest::mouseRelease(c, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(c->Checked());
  QTest::mouseClick(c, Qt::RightButton, {}, QPoint(12, 12));
  EXPECT_TRUE(c->Checked());
  QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(15, 3));
  EXPECT_FALSE(c->Checked());
}

TEST_F(BitControl, ButtonIsOnOnlyWhileHeld) {
  auto* c = Make("a");
  c->SetStatusInt(4);
  c->SetMode(mButton);
  EXPECT_EQ(c->StatusInt(), 0);
  QTest::mousePress(c, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(c->Checked());
  QTest::mouseRelease(c, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(c->Checked());
  EXPECT_EQ(log, (Log{"a int 4", "a int 0", "a int 1", "a status", "a click", "a int 0",
                      "a status"}));
}

}  // namespace
