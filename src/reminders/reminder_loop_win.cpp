// src/reminders/reminder_loop_win.cpp
#include "reminders/reminder_loop_win.h"

namespace {
constexpr int kReminderTickMs = 950;

// The reminder check runs here once reminders exist; the tick already keeps its rhythm.
void ReminderTick() {}
}  // namespace

Timer& ReminderTimer() {
  static Timer timer;
  return timer;
}

void StartReminderLoop() {
  ReminderTimer().start(0, ReminderTick);
  ReminderTimer().setInterval(kReminderTickMs);
}
