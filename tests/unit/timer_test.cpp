#include "desktop/timer.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Records what the timer asks of the platform; expiries are fired by hand.
class FakeTimers : public TimerPlatform {
 public:
  uintptr_t set(uintptr_t id, int32_t intervalMs, Timer* owner) override {
    if (refuse) return 0;
    uintptr_t given = id != 0 ? id : nextId++;
    running[given] = {intervalMs, owner};
    return given;
  }
  bool kill(uintptr_t id) override { return running.erase(id) == 1; }
  void fireAll() {
    for (auto& [id, t] : running) t.owner->fire();
  }
  struct Entry { int32_t interval; Timer* owner; };
  std::map<uintptr_t, Entry> running;
  uintptr_t nextId = 7;
  bool refuse = false;
};

}  // namespace

TEST(Timer, ArmedTimerStartsOnSetIntervalAndPausesAndResumes) {
  FakeTimers platform;
  Timer timer(platform);
  int calls = 0;
  EXPECT_FALSE(timer.start(0, [&] { ++calls; }));  // armed: nothing runs yet
  EXPECT_TRUE(platform.running.empty());
  EXPECT_TRUE(timer.setInterval(950));
  ASSERT_EQ(platform.running.size(), 1u);
  EXPECT_EQ(platform.running.begin()->second.interval, 950);
  platform.fireAll();
  EXPECT_EQ(calls, 1);

  uintptr_t id = timer.timerId();
  EXPECT_TRUE(timer.setInterval(300));  // retuned, same id
  EXPECT_EQ(timer.timerId(), id);
  EXPECT_TRUE(timer.setInterval(0));  // paused: platform timer gone, callback kept
  EXPECT_TRUE(platform.running.empty());
  EXPECT_EQ(timer.timerId(), 0u);
  EXPECT_FALSE(timer.setInterval(0));
  EXPECT_TRUE(timer.setInterval(950));
  platform.fireAll();
  EXPECT_EQ(calls, 2);
}

TEST(Timer, StartIsRefusedWhileRunningAndStopClearsEverything) {
  FakeTimers platform;
  Timer timer(platform);
  int first = 0, second = 0;
  EXPECT_FALSE(timer.stop());  // idle
  EXPECT_TRUE(timer.start(300, [&] { ++first; }));
  EXPECT_FALSE(timer.start(50, [&] { ++second; }));
  EXPECT_EQ(timer.interval(), 300);
  platform.fireAll();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 0);

  EXPECT_TRUE(timer.stop());
  EXPECT_EQ(timer.interval(), 0);
  EXPECT_TRUE(platform.running.empty());
  EXPECT_TRUE(timer.setInterval(100));  // no callback stored any more: its expiries call nothing
  platform.fireAll();
  EXPECT_EQ(first, 1);
}

TEST(Timer, PlatformRefusalLeavesNoTimer) {
  FakeTimers platform;
  platform.refuse = true;
  Timer timer(platform);
  EXPECT_FALSE(timer.start(300, [] {}));
  EXPECT_EQ(timer.timerId(), 0u);
  EXPECT_EQ(timer.interval(), 300);
}

TEST(Timer, DestroyingARunningTimerStopsIt) {
  FakeTimers platform;
  {
    Timer timer(platform);
    timer.start(300, [] {});
    EXPECT_EQ(platform.running.size(), 1u);
  }
  EXPECT_TRUE(platform.running.empty());
}
