// src/desktop/timer_posix.cpp
// The native build has no message loop: its system timer platform refuses every timer.
#include "desktop/timer.h"

namespace {
class NoTimerPlatform : public TimerPlatform {
 public:
  uintptr_t set(uintptr_t, int32_t, Timer*) override { return 0; }
  bool kill(uintptr_t) override { return false; }
};
}  // namespace

TimerPlatform& SystemTimerPlatform() {
  static NoTimerPlatform platform;
  return platform;
}
