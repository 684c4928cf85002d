// tests/unit/view_window_geometry_test.cpp
#include "view/window_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

TEST(ViewWindowGeometry, TooSmallWindowsAreEnlarged) {
  struct Case { int width, height, expectedWidth, expectedHeight; };
  const Case cases[] = {
      {150, 100, 240, 160}, {199, 300, 240, 300}, {200, 160, 200, 160}, {200, 159, 200, 160},
      {1, 1, 240, 160},     {0, 0, 240, 160},     {-50, -50, 240, 160}, {10000, 10000, 10000, 10000},
  };
  for (const Case& c : cases) {
    const view::WindowSize size = view::EnforceMinimumSize(c.width, c.height);
    EXPECT_EQ(size.width, c.expectedWidth) << c.width << "x" << c.height;
    EXPECT_EQ(size.height, c.expectedHeight) << c.width << "x" << c.height;
  }
}

TEST(ViewWindowGeometry, RoundedOutlineCoversTheClientArea) {
  const view::RoundRegion region = view::RoundedOutline(240, 160);
  EXPECT_EQ(region.left, 0);
  EXPECT_EQ(region.top, 0);
  EXPECT_EQ(region.right, 240);
  EXPECT_EQ(region.bottom, 160);
  EXPECT_EQ(region.ellipseWidth, 4);
  EXPECT_EQ(region.ellipseHeight, 4);
  EXPECT_EQ(view::RoundedOutline(-1, -1).right, 0);
}

// Each change starts a save that looks at the gate one delay later. Played on a clock in
// milliseconds: the saves that find their ticket still the latest are the ones that write.
std::vector<int> SaveTimes(const std::vector<int>& changeTimes) {
  view::GeometrySaveGate gate;
  struct Pending { int due; view::GeometrySaveGate::Ticket ticket; };
  std::vector<Pending> pending;
  std::vector<int> saves;
  size_t nextChange = 0;
  const int end = changeTimes.empty() ? 0 : changeTimes.back() + view::kGeometrySaveDelayMs;
  for (int now = 0; now <= end; ++now) {
    for (const Pending& p : pending) {
      if (p.due == now && gate.IsLatest(p.ticket)) saves.push_back(now);
    }
    while (nextChange < changeTimes.size() && changeTimes[nextChange] == now) {
      pending.push_back({now + view::kGeometrySaveDelayMs, gate.NoteChange()});
      ++nextChange;
    }
  }
  return saves;
}

TEST(ViewWindowGeometry, BurstOfChangesIsSavedOnceASecondAfterTheLast) {
  struct Case { std::vector<int> changes; std::vector<int> saves; };
  const Case cases[] = {
      {{0}, {1000}},
      {{0, 100, 200, 300, 400, 500, 600, 700, 800, 900}, {1900}},  // ten quick moves, one write
      {{0, 0, 0}, {1000}},
      {{0, 1500}, {1000, 2500}},                                   // two bursts, two writes
      {{0, 999, 1998}, {2998}},                                    // each change just inside the delay
      {{}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SaveTimes(c.changes), c.saves);
}

TEST(ViewWindowGeometry, SleepingWorkersWriteOnlyForTheLatestChange) {
  view::GeometrySaveGate gate;
  std::atomic<int> writes{0};
  std::vector<std::thread> workers;
  for (int i = 0; i < 10; ++i) {
    const view::GeometrySaveGate::Ticket ticket = gate.NoteChange();
    workers.emplace_back([&gate, &writes, ticket] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      if (gate.IsLatest(ticket)) ++writes;
    });
  }
  for (std::thread& worker : workers) worker.join();
  EXPECT_EQ(writes.load(), 1);
  EXPECT_EQ(gate.ChangeCount(), 10u);
}
