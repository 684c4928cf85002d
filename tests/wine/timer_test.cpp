#include "desktop/timer.h"

#include <windows.h>
#include <gtest/gtest.h>

namespace {
// Runs this thread's message loop for about `ms` milliseconds.
void PumpFor(DWORD ms) {
  DWORD end = GetTickCount() + ms;
  MSG msg;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(5);
  }
}
}  // namespace

TEST(TimerOnWin32, ThreadTimerWithoutWindowCallsBackThroughTheMessageLoop) {
  Timer timer;
  int calls = 0;
  EXPECT_FALSE(timer.start(0, [&] { ++calls; }));
  PumpFor(150);
  EXPECT_EQ(calls, 0);
  ASSERT_TRUE(timer.setInterval(30));
  PumpFor(400);
  EXPECT_GE(calls, 4);

  ASSERT_TRUE(timer.setInterval(0));
  int paused = calls;
  PumpFor(200);
  EXPECT_EQ(calls, paused);

  ASSERT_TRUE(timer.setInterval(30));
  PumpFor(200);
  EXPECT_GT(calls, paused);
  EXPECT_TRUE(timer.stop());
}

TEST(TimerOnWin32, TwoTimersKeepTheirOwnCallbacks) {
  Timer a, b;
  int aCalls = 0, bCalls = 0;
  ASSERT_TRUE(a.start(20, [&] { ++aCalls; }));
  ASSERT_TRUE(b.start(20, [&] { ++bCalls; }));
  EXPECT_NE(a.timerId(), b.timerId());
  PumpFor(200);
  a.stop();
  int bBefore = bCalls, aAfter = aCalls;
  PumpFor(150);
  EXPECT_EQ(aCalls, aAfter);
  EXPECT_GT(bCalls, bBefore);
}
