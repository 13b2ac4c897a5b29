#pragma once

#include <QTimer>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/controls/component.h"

namespace bitcalc::framework {

class TManualClock;

// A component that raises OnTimer every Interval milliseconds while Enabled,
// from the event loop. Changing Interval or re-enabling restarts the wait.
// A tick never comes early: each wait is at least Interval, counted from the
// end of the previous tick, so a late tick is never made up by an early one.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  int Interval() const { return interval_; }
  void SetInterval(int ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  TNotifyEvent OnTimer;

 private:
  friend class TManualClock;
  void Restart();
  void Fire();
  // A tick of the event loop's timer, which runs once per wait.
  void QtTick();

  int interval_ = 1000;
  bool enabled_ = true;
  QTimer qtimer_;
  bool* destroyed_ = nullptr;  // set while a tick runs, in case its handler frees the timer
  std::int64_t due_ = 0;       // on a manual clock: when the next tick is due
};

// A stand-in for wall time: while one exists, every timer runs on it instead
// of the event loop, and time passes only through Advance. Tests use it to
// check timings without sleeping.
class TManualClock {
 public:
  TManualClock();
  ~TManualClock();
  TManualClock(const TManualClock&) = delete;
  TManualClock& operator=(const TManualClock&) = delete;

  // The clock in force, or nullptr.
  static TManualClock* Current();

  std::int64_t Now() const { return now_; }
  // Moves time forward, raising every tick that falls due on the way, in order.
  void Advance(std::int64_t ms);

 private:
  friend class TTimer;
  void Add(TTimer* t);
  void Remove(TTimer* t);

  std::int64_t now_ = 0;
  std::vector<TTimer*> timers_;
};

}  // namespace bitcalc::framework
