// src/desktop/timer_win.cpp
// Thread timers without a window: SetTimer(NULL, ...) hands back an id, and its expiries reach
// TimerProc through the message loop of the thread that made them.
#include <windows.h>

#include <map>

#include "desktop/timer.h"

namespace {

class Win32TimerPlatform : public TimerPlatform {
 public:
  uintptr_t set(uintptr_t id, int32_t intervalMs, Timer* owner) override {
    UINT_PTR newId = SetTimer(nullptr, id, static_cast<UINT>(intervalMs), &Win32TimerPlatform::Expired);
    if (id != 0 && newId != id) owners().erase(id);
    if (newId != 0) owners()[newId] = owner;
    return newId;
  }
  bool kill(uintptr_t id) override {
    owners().erase(id);
    return KillTimer(nullptr, id) != 0;
  }

 private:
  // Never destroyed: timers that live until the process ends still stop themselves during
  // the exit clean-up, after ordinary statics are gone.
  static std::map<uintptr_t, Timer*>& owners() {
    static auto* map = new std::map<uintptr_t, Timer*>;
    return *map;
  }
  static void CALLBACK Expired(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = owners().find(id);
    if (it != owners().end()) it->second->fire();
  }
};

}  // namespace

TimerPlatform& SystemTimerPlatform() {
  static auto* platform = new Win32TimerPlatform;  // outlives every timer, as the map does
  return *platform;
}
