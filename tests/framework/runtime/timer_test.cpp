#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <vector>

#include "framework/runtime/timer.h"

using namespace bitcalc::framework;

TEST(ManualClock, TicksComeAtEachIntervalAndAChangedIntervalRestartsTheWait) {
  TManualClock clock;
  TTimer timer(nullptr);
  std::vector<std::int64_t> ticks;
  timer.SetInterval(400);
  timer.OnTimer = [&](TObject*) {
    ticks.push_back(clock.Now());
    timer.SetInterval(100);  // as an auto-repeat does after its first wait
  };
  clock.Advance(399);
  EXPECT_TRUE(ticks.empty());
  clock.Advance(301);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{400, 500, 600, 700}));
}

TEST(ManualClock, DisablingStopsTicksAndReenablingWaitsAFullInterval) {
  TManualClock clock;
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(100);
  timer.OnTimer = [&](TObject*) { ++ticks; };
  clock.Advance(250);
  EXPECT_EQ(ticks, 2);
  timer.SetEnabled(false);
  clock.Advance(1000);
  EXPECT_EQ(ticks, 2);
  timer.SetEnabled(true);
  clock.Advance(99);
  EXPECT_EQ(ticks, 2);
  clock.Advance(1);
  EXPECT_EQ(ticks, 3);
}

TEST(ManualClock, TimersDueTogetherTickInCreationOrderAndADeletedTimerIsForgotten) {
  TManualClock clock;
  std::vector<int> order;
  TTimer first(nullptr);
  auto* second = new TTimer(nullptr);
  TTimer third(nullptr);
  for (auto [t, id] : {std::pair{&first, 1}, std::pair{second, 2}, std::pair{&third, 3}}) {
    t->SetInterval(50);
    t->OnTimer = [&order, id = id](TObject*) { order.push_back(id); };
  }
  clock.Advance(50);
  delete second;
  clock.Advance(50);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 1, 3}));
}

TEST(ManualClock, AHandlerThatDisablesItsTimerGetsNoFurtherTicks) {
  TManualClock clock;
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(10);
  timer.OnTimer = [&](TObject*) {
    ++ticks;
    timer.SetEnabled(false);
  };
  clock.Advance(100);
  EXPECT_EQ(ticks, 1);
}

TEST(Timer, OnTheRealClockNoTickComesBeforeItsInterval) {
  TTimer timer(nullptr);
  timer.SetEnabled(false);
  timer.SetInterval(50);
  QElapsedTimer clock;
  std::vector<qint64> at{0};
  timer.OnTimer = [&](TObject*) { at.push_back(clock.nsecsElapsed()); };
  clock.start();
  timer.SetEnabled(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return at.size() > 6; }, 2000));
  for (std::size_t i = 1; i < at.size(); ++i) EXPECT_GE(at[i] - at[i - 1], 50'000'000) << i;
}
