#pragma once

#include <ctime>

// The processor time of this thread in milliseconds, which other work on the
// machine does not stretch.
inline double ThreadMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}
