#include "framework/runtime/timer.h"

#include <algorithm>

namespace bitcalc::framework {

namespace {
TManualClock* g_clock = nullptr;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  QObject::connect(&qtimer_, &QTimer::timeout, [this] { Fire(); });
  Restart();
}

TTimer::~TTimer() {
  if (g_clock) g_clock->Remove(this);
}

void TTimer::SetInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  Restart();
}

void TTimer::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Restart();
}

void TTimer::Restart() {
  qtimer_.stop();
  if (!enabled_ || interval_ <= 0) return;
  if (g_clock) {
    g_clock->Add(this);
    due_ = g_clock->Now() + interval_;
  } else
    qtimer_.start(interval_);
}

void TTimer::Fire() {
  if (!enabled_ || interval_ <= 0) return;
  Notify(OnTimer, this);
}

TManualClock::TManualClock() {
  g_clock = this;
}

TManualClock::~TManualClock() {
  if (g_clock != this) return;
  g_clock = nullptr;
  // Timers that outlive the clock go back to real time.
  for (TTimer* t : timers_) t->Restart();
}

TManualClock* TManualClock::Current() {
  return g_clock;
}

void TManualClock::Add(TTimer* t) {
  if (std::find(timers_.begin(), timers_.end(), t) == timers_.end()) timers_.push_back(t);
}

void TManualClock::Remove(TTimer* t) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), t), timers_.end());
}

void TManualClock::Advance(std::int64_t ms) {
  const std::int64_t end = now_ + ms;
  for (;;) {
    // The earliest running timer falls due next; ties go in creation order.
    TTimer* next = nullptr;
    for (TTimer* t : timers_)
      if (t->enabled_ && t->interval_ > 0 && t->due_ <= end && (!next || t->due_ < next->due_))
        next = t;
    if (!next) break;
    now_ = next->due_;
    next->due_ = now_ + next->interval_;
    next->Fire();
  }
  now_ = end;
}

}  // namespace bitcalc::framework
