#include "framework/runtime/timer.h"

#include <algorithm>
#include <utility>

namespace bitcalc::framework {

namespace {
TManualClock* g_clock = nullptr;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  // Coarse timers may fire up to 5 % before their time.
  qtimer_.setTimerType(Qt::PreciseTimer);
  qtimer_.setSingleShot(true);
  QObject::connect(&qtimer_, &QTimer::timeout, [this] { QtTick(); });
  Restart();
}

TTimer::~TTimer() {
  if (destroyed_) *destroyed_ = true;
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

void TTimer::QtTick() {
  // The handler may free the timer, or run a nested event loop in which the
  // timer ticks again; the watch tells this call and any outer one.
  struct Watch {
    explicit Watch(TTimer* t) : timer(t), outer(std::exchange(t->destroyed_, &destroyed)) {}
    ~Watch() {
      if (!destroyed)
        timer->destroyed_ = outer;
      else if (outer)
        *outer = true;
    }
    TTimer* timer;
    bool destroyed = false;
    bool* outer;
  } watch(this);
  Fire();
  if (watch.destroyed) return;
  // The next wait starts now, unless the handler stopped or restarted the timer.
  if (!qtimer_.isActive()) Restart();
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
