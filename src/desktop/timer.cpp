// src/desktop/timer.cpp
#include "desktop/timer.h"

#include <utility>

bool Timer::start(int32_t intervalMs, std::function<void()> callback) {
  if (timerId_ != 0) return false;
  intervalMs_ = intervalMs;
  callback_ = std::move(callback);
  if (intervalMs_ <= 0) return false;  // armed: a later setInterval starts it
  timerId_ = platform_->set(0, intervalMs_, this);
  return timerId_ != 0;
}

bool Timer::stop() {
  if (timerId_ == 0) return false;
  bool killed = platform_->kill(timerId_);
  timerId_ = 0;
  intervalMs_ = 0;
  callback_ = nullptr;
  return killed;
}

bool Timer::setInterval(int32_t intervalMs) {
  intervalMs_ = intervalMs;
  if (intervalMs_ > 0) {
    timerId_ = platform_->set(timerId_, intervalMs_, this);
    return timerId_ != 0;
  }
  if (timerId_ == 0) return false;
  bool killed = platform_->kill(timerId_);
  timerId_ = 0;  // the callback stays, so setInterval can resume
  return killed;
}
