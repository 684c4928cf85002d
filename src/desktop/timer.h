// src/desktop/timer.h
// A periodic callback on the main thread through a platform timer that belongs to no window.
// An interval of 0 or less means "not running"; setInterval starts, retunes and pauses it.
//   idle    (timerId 0, no callback)   --start(>0)--> running, --start(<=0)--> armed
//   armed   (timerId 0, callback kept) --setInterval(>0)--> running
//   running (timerId != 0)             --setInterval(>0)--> running, --setInterval(<=0)--> armed,
//                                      --stop--> idle, --start--> refused
#pragma once
#include <cstdint>
#include <functional>

// The platform's thread timers: SetTimer/KillTimer without a window on Windows.
class TimerPlatform {
 public:
  virtual ~TimerPlatform() = default;
  // Creates a timer (id 0) or retunes an existing one; returns its id, 0 when refused.
  // `owner` is called at every expiry.
  virtual uintptr_t set(uintptr_t id, int32_t intervalMs, class Timer* owner) = 0;
  virtual bool kill(uintptr_t id) = 0;
};

// The Win32 thread timers (timer_win.cpp); tests pass a fake.
TimerPlatform& SystemTimerPlatform();

class Timer {
 public:
  explicit Timer(TimerPlatform& platform = SystemTimerPlatform()) : platform_(&platform) {}
  virtual ~Timer() { stop(); }
  Timer(const Timer&) = default;  // the copy refers to the same platform timer
  Timer& operator=(const Timer&) = default;

  virtual bool start(int32_t intervalMs, std::function<void()> callback);
  virtual bool stop();
  virtual int32_t interval() const { return intervalMs_; }
  virtual bool setInterval(int32_t intervalMs);

  uintptr_t timerId() const { return timerId_; }
  // Called by the platform at every expiry.
  void fire() const {
    if (callback_) callback_();
  }

 private:
  TimerPlatform* platform_;
  uintptr_t timerId_ = 0;
  int32_t intervalMs_ = 0;
  std::function<void()> callback_;
};
