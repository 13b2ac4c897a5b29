#include "widgets/bits/flash_service.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>
#include <vector>

#include "framework/timer.h"
#include "widgets/bits/bit_control.h"

namespace {

// Records the flash phases it is sent.
class FlashRecorder : public TBitControl {
 public:
  using TBitControl::TBitControl;
  std::vector<bool> phases;
  std::function<void()> onFlash;

 protected:
  void FlashPaint(bool on) override {
    phases.push_back(on);
    if (onFlash) onFlash();
  }
};

class FlashService : public ::testing::Test {
 protected:
  std::unique_ptr<FlashRecorder> Flashing(TFlashFreq f) {
    auto c = std::make_unique<FlashRecorder>(nullptr);
    c->SetFrequency(f);
    c->SetFlashing(true);
    c->SetChecked(true);
    return c;
  }
  void Ticks(int n) { clock.Advance(std::int64_t(n) * TFlashService::kTickMs); }

  TManualClock clock;
};

using Phases = std::vector<bool>;

TEST_F(FlashService, ExistsOnlyWhileACheckedControlFlashes) {
  FlashRecorder c(nullptr);
  int statusChanges = 0;
  c.OnStatusChanged = [&](TObject*) { ++statusChanges; };
  c.SetFlashing(true);
  EXPECT_EQ(statusChanges, 1);
  EXPECT_EQ(TFlashService::Instance(), nullptr);
  c.SetChecked(true);
  ASSERT_NE(TFlashService::Instance(), nullptr);
  EXPECT_TRUE(TFlashService::Instance()->Contains(&c));
  c.SetChecked(false);
  EXPECT_EQ(TFlashService::Instance(), nullptr);
  c.SetChecked(true);
  c.SetFlashing(false);
  EXPECT_EQ(statusChanges, 5);  // two for Flashing, three for Checked
  EXPECT_EQ(TFlashService::Instance(), nullptr);
  Ticks(40);
  EXPECT_TRUE(c.phases.empty());
}

TEST_F(FlashService, SendsOffAndOnPhasesAtEachControlsRate) {
  auto slow = Flashing(ff1Hz);
  auto fast = Flashing(ff8Hz);
  EXPECT_EQ(TFlashService::Instance()->Count(), 2);
  Ticks(1);
  EXPECT_EQ(fast->phases, (Phases{false}));
  EXPECT_TRUE(slow->phases.empty());
  Ticks(7);
  EXPECT_EQ(slow->phases, (Phases{false}));
  EXPECT_EQ(fast->phases.size(), 8u);
  Ticks(8);
  EXPECT_EQ(slow->phases, (Phases{false, true}));
  ASSERT_EQ(fast->phases.size(), 16u);
  for (std::size_t i = 0; i < fast->phases.size(); ++i) EXPECT_EQ(fast->phases[i], i % 2 == 1);
}

TEST_F(FlashService, ANewFrequencyTakesEffectAtOnce) {
  auto c = Flashing(ff05Hz);
  Ticks(15);
  EXPECT_TRUE(c->phases.empty());
  c->SetFrequency(ff8Hz);
  EXPECT_EQ(TFlashService::Instance()->Count(), 1);
  Ticks(1);
  EXPECT_EQ(c->phases, (Phases{false}));
  Ticks(1);
  EXPECT_EQ(c->phases, (Phases{false, true}));
}

TEST_F(FlashService, ADestroyedControlLeavesTheList) {
  auto a = Flashing(ff8Hz);
  auto b = Flashing(ff8Hz);
  FlashRecorder* gone = b.get();
  b.reset();
  ASSERT_NE(TFlashService::Instance(), nullptr);
  EXPECT_FALSE(TFlashService::Instance()->Contains(gone));
  Ticks(2);
  EXPECT_EQ(a->phases.size(), 2u);
  a.reset();
  EXPECT_EQ(TFlashService::Instance(), nullptr);
}

TEST_F(FlashService, AControlThatStopsFlashingDuringItsPhaseEndsTheServiceSafely) {
  auto c = Flashing(ff8Hz);
  c->onFlash = [&] { c->SetChecked(false); };
  Ticks(3);
  EXPECT_EQ(c->phases, (Phases{false}));
  ASSERT_NE(TFlashService::Instance(), nullptr);
  EXPECT_EQ(TFlashService::Instance()->Count(), 0);
  EXPECT_FALSE(TFlashService::Instance()->Timer().Enabled());
  QCoreApplication::processEvents();
  EXPECT_EQ(TFlashService::Instance(), nullptr);
  // And it starts again on demand.
  c->onFlash = nullptr;
  c->SetChecked(true);
  Ticks(1);
  EXPECT_EQ(c->phases, (Phases{false, false}));
}

}  // namespace
