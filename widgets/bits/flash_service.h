#pragma once

#include <memory>
#include <vector>

#include "framework/runtime/timer.h"

namespace bitcalc::widgets {

// What the service drives: something that paints one phase of flashing.
// Bit controls implement it; the service knows nothing else of them.
class TFlashTarget {
 public:
  virtual void FlashMessage(bool on) = 0;

 protected:
  ~TFlashTarget() = default;
};

// Flashing rates: how many on-off cycles a second.
enum TFlashFreq { ff8Hz, ff4Hz, ff2Hz, ff1Hz, ff05Hz };

// The one service that makes bit controls flash. It exists, with its timer,
// only while at least one control is listed; each listed control is sent
// alternately an off and an on phase at its own rate, starting with off
// (a control starts flashing while it shows on).
class TFlashService {
 public:
  // One tick of the service's timer: a sixteenth of a second, to the
  // millisecond below. The fastest rate changes phase every tick.
  static constexpr int kTickMs = 62;
  static int TicksPerPhase(TFlashFreq f);

  // Lists control at rate f, or changes the rate of a listed control (its
  // phase carries on).
  static void Register(TFlashTarget* control, TFlashFreq f);
  // Takes control off the list; the service goes with its last entry.
  static void Unregister(TFlashTarget* control);

  // The running service, or nullptr while nothing flashes.
  static TFlashService* Instance();

  bool Contains(const TFlashTarget* control) const;
  int Count() const { return int(entries_.size()); }
  const framework::TTimer& Timer() const { return *timer_; }

  TFlashService(const TFlashService&) = delete;
  TFlashService& operator=(const TFlashService&) = delete;
  ~TFlashService();

 private:
  struct Entry {
    TFlashTarget* control;
    TFlashFreq freq;
    int ticks_left;
    bool on;
  };

  TFlashService();
  Entry* Find(const TFlashTarget* control);
  void Tick();
  static void ReleaseIfIdle();

  std::vector<Entry> entries_;
  std::unique_ptr<framework::TTimer> timer_;
  bool ticking_ = false;
};

}  // namespace bitcalc::widgets
