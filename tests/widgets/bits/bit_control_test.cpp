#include "widgets/bits/bit_control.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <climits>

#include "framework/runtime/timer.h"
#include "tests/support/shown_form.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

using Log = std::vector<std::string>;

// A bit control that logs its notifications and flash phases under a tag.
class Logged : public TBitControl {
 public:
  Logged(TComponent* owner, Log& log, const std::string& tag)
      : TBitControl(owner), log_(log), tag_(tag) {
    OnStatusChanged = [this, tag](TObject*) { log_.push_back(tag + " status"); };
    OnStatusIntChanged = [this, tag](TObject*) {
      log_.push_back(tag + " int " + std::to_string(StatusInt()));
    };
    OnClick = [this, tag](TObject*) { log_.push_back(tag + " click"); };
  }
  std::function<void(bool)> onFlash;

 protected:
  void FlashPaint(bool on) override {
    log_.push_back(tag_ + (on ? " on" : " off"));
    if (onFlash) onFlash(on);
  }

 private:
  Log& log_;
  std::string tag_;
};

class BitControl : public ShownFormTest {
 protected:
  Logged* Make(const std::string& tag) {
    auto* c = new Logged(form.get(), log, tag);
    c->SetBounds(30 * form->ComponentCount(), 0, 20, 20);
    return c;
  }
  Log log;
};

TEST_F(BitControl, CheckedAndTheStatusWordMirrorEachOther) {
  auto* c = Make("a");
  EXPECT_EQ(c->Parent(), form.get());
  c->SetStatusBit(7);
  c->SetChecked(true);
  c->SetChecked(true);
  EXPECT_EQ(log, (Log{"a int 128", "a status"}));
  c->SetStatusInt(0b10001010);
  c->SetChecked(false);  // clears its own bit only
  EXPECT_EQ(c->StatusInt(), 0b1010);
  c->SetStatusBit(32);
  c->SetStatusBit(-1);
  EXPECT_EQ(c->StatusBit(), 7);
  c->SetStatusBit(3);  // reads its new bit
  EXPECT_TRUE(c->Checked());
  c->SetStatusBit(31);
  c->SetStatusInt(INT_MIN);
  EXPECT_TRUE(c->Checked());
}

TEST_F(BitControl, GroupMembersShareTheWordInCreationOrderAndTheGuardStopsNestedPasses) {
  auto* a = Make("a");
  auto* b = Make("b");
  auto* outsider = Make("x");
  auto* c = Make("c");
  b->SetStatusBit(1);
  c->SetStatusBit(2);
  for (auto* m : {a, b, c}) m->SetGroupIndex(1);
  outsider->SetGroupIndex(2);
  log.clear();
  b->SetStatusInt(6);
  EXPECT_EQ(log, (Log{"b status", "b int 6", "a int 6", "c status", "c int 6"}));
  EXPECT_EQ(outsider->StatusInt(), 0);
  // A write from a handler while the group update runs stays with its control.
  c->OnStatusIntChanged = [&](TObject*) {
    if (c->StatusInt() == 3) a->SetStatusInt(1);
  };
  b->SetStatusInt(3);
  EXPECT_EQ(std::vector<int>({a->StatusInt(), b->StatusInt(), c->StatusInt()}),
            std::vector<int>({1, 3, 3}));
  // A newcomer to the group takes the first member's word; -1 is no index.
  outsider->SetGroupIndex(1);
  EXPECT_EQ(outsider->StatusInt(), 1);
  outsider->SetGroupIndex(-1);
  EXPECT_EQ(outsider->GroupIndex(), 1);
}

TEST_F(BitControl, ModesDecideWhatTheLeftButtonDoes) {
  auto* indicator = Make("i");
  auto* button = Make("b");
  button->SetMode(mButton);
  Logged* radios[3] = {Make("r0"), Make("r1"), Make("r2")};
  for (int i = 0; i < 3; ++i) {
    radios[i]->SetMode(mRadioButton);
    radios[i]->SetStatusBit(i);
    radios[i]->SetGroupIndex(5);
  }
  log.clear();
  QTest::mouseClick(indicator, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(log, (Log{"i click"}));
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(button->Checked());
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(button->Checked());
  QTest::mouseClick(radios[2], Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(radios[1], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(radios[0]->StatusInt(), 2);
  EXPECT_TRUE(radios[1]->Checked());
  EXPECT_FALSE(radios[2]->Checked());
}

TEST_F(BitControl, FlashingRunsTheSharedServiceOnlyWhileNeeded) {
  TManualClock clock;
  auto* fast = Make("f");
  auto* slow = Make("s");
  fast->SetFrequency(ff8Hz);
  for (auto* c : {fast, slow}) c->SetFlashing(true);
  EXPECT_EQ(TFlashService::Instance(), nullptr);
  for (auto* c : {fast, slow}) c->SetChecked(true);
  ASSERT_NE(TFlashService::Instance(), nullptr);
  log.clear();
  clock.Advance(8 * TFlashService::kTickMs);
  // Eight phases of the 8 Hz control, starting with off, and the first of 1 Hz.
  EXPECT_EQ(log,
            (Log{"f off", "f on", "f off", "f on", "f off", "f on", "f off", "f on", "s off"}));
  delete slow;  // a destroyed control leaves the list
  EXPECT_EQ(TFlashService::Instance()->Count(), 1);
  // Stopping from inside a phase ends the service once the tick is over.
  fast->onFlash = [&](bool) { fast->SetChecked(false); };
  clock.Advance(TFlashService::kTickMs);
  QCoreApplication::processEvents();
  EXPECT_EQ(TFlashService::Instance(), nullptr);
}

}  // namespace
