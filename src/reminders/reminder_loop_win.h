// src/reminders/reminder_loop_win.h
#pragma once
#include "desktop/timer.h"

// The process's reminder tick timer (950 ms while reminders are armed).
Timer& ReminderTimer();

// Gives the tick timer its callback without running it, then arms the reminders.
void StartReminderLoop();
