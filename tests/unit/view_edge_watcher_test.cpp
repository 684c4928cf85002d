// tests/unit/view_edge_watcher_test.cpp
#include "view/edge_watcher.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using view::Box;
using view::EdgeWatcherActions;
using view::EdgeWatcherInput;
using view::EdgeWatcherState;
using view::TopmostChange;

constexpr int kScreen = 1920;
constexpr view::Point kFarAway{1000, 900};

EdgeWatcherInput Input(Box window, view::Point pointer) {
  EdgeWatcherInput in;
  in.window = window;
  in.screenWidth = kScreen;
  in.pointer = pointer;
  in.visible = true;
  in.canvas = {0, 0, window.width, window.height};
  return in;
}

// A point inside the window, which is certainly near it.
view::Point Inside(const Box& w) { return {w.left + w.width / 2, w.top + w.height / 2}; }

// Moves the window as the watcher asked and returns the actions.
EdgeWatcherActions Tick(EdgeWatcherState& state, Box& window, view::Point pointer, bool autoHide = false,
                        bool dialogOpen = false) {
  EdgeWatcherInput in = Input(window, pointer);
  in.autoHide = autoHide;
  in.dialogOpen = dialogOpen;
  const EdgeWatcherActions a = view::EdgeWatcherStep(state, in);
  if (a.move) {
    window.left = a.position.left;
    window.top = a.position.top;
  }
  return a;
}

}  // namespace

TEST(ViewEdgeWatcher, ParksDockedWindowsAndBringsThemBack) {
  struct Case { Box window; int parkedLeft, parkedTop; view::Point returnPointer; int backLeft, backTop; };
  const Case cases[] = {
      {{-30, 100, 240, 300}, -238, 100, {22, 200}, 0, 100},         // left edge: 2 pixels stay
      {{0, 100, 240, 300}, -238, 100, {-258, 200}, 0, 100},        // 20 pixels left of the parked window
      {{1700, 100, 240, 300}, 1918, 100, {1900, 200}, 1680, 100},   // right edge
      {{100, -5, 240, 300}, 100, -296, {200, 20}, 100, 0},          // top edge: 4 pixels stay
      {{100, 0, 240, 300}, 100, -296, {200, 0}, 100, 0},
      {{-30, -30, 240, 300}, -238, -30, {0, 0}, 0, -30},            // corner: the left edge wins
  };
  for (const Case& c : cases) {
    EdgeWatcherState state;
    Box window = c.window;
    const EdgeWatcherActions away = Tick(state, window, kFarAway);
    EXPECT_TRUE(away.move);
    EXPECT_EQ(window.left, c.parkedLeft) << c.window.left << "," << c.window.top;
    EXPECT_EQ(window.top, c.parkedTop) << c.window.left << "," << c.window.top;
    EXPECT_EQ(window.width, c.window.width);
    EXPECT_EQ(away.topmost, TopmostChange::MakeTopmost);
    EXPECT_FALSE(away.hide);
    EXPECT_FALSE(Tick(state, window, kFarAway).move);  // parked stays parked

    const EdgeWatcherActions back = Tick(state, window, c.returnPointer);
    EXPECT_EQ(window.left, c.backLeft) << c.window.left << "," << c.window.top;
    EXPECT_EQ(window.top, c.backTop) << c.window.left << "," << c.window.top;
    EXPECT_EQ(back.topmost, TopmostChange::Unchanged);
    EXPECT_FALSE(back.hide);
  }
}

TEST(ViewEdgeWatcher, WindowInsideTheScreenIsNeverMoved) {
  const view::Point pointers[] = {kFarAway, {0, 0}, {400, 300}, {1919, 5}, {-5000, -5000}};
  for (const view::Point& p : pointers) {
    EdgeWatcherState state;
    Box window{300, 300, 240, 200};
    const EdgeWatcherActions a = Tick(state, window, p);
    EXPECT_FALSE(a.move) << p.x << "," << p.y;
    EXPECT_FALSE(a.hide);
  }
  // The nearness margin is 20 pixels on every side.
  EdgeWatcherState state;
  Box window{-238, 100, 240, 300};
  EXPECT_FALSE(Tick(state, window, {23, 200}).move);
  EXPECT_FALSE(Tick(state, window, {0, 421}).move);
  EXPECT_TRUE(Tick(state, window, {0, 420}).move);
}

TEST(ViewEdgeWatcher, ShowAndHideToEdgePositions) {
  struct Case { Box window; int showLeft, showTop, hideLeft, hideTop; };
  const Case cases[] = {
      {{1918, 100, 240, 300}, 1680, 100, 1918, 100},  // parked at the right
      {{1700, 100, 240, 300}, 1700, 100, 1918, 100},  // docked at the right
      {{100, 0, 240, 300}, 100, 0, 100, -298},        // at the top: 2 pixels stay when hidden
      {{100, -296, 240, 300}, 100, 0, 100, -298},
      {{-238, 100, 240, 300}, 0, 100, -238, 100},
      {{0, 100, 240, 300}, 0, 100, -238, 100},
      {{300, 300, 240, 200}, 300, 300, 300, 300},     // inside the screen: stays
  };
  for (const Case& c : cases) {
    EdgeWatcherState state;
    const view::WindowPosition shown = view::ShowFromEdge(state, c.window, kScreen);
    EXPECT_TRUE(state.showHold);
    EXPECT_EQ(shown.left, c.showLeft) << c.window.left << "," << c.window.top;
    EXPECT_EQ(shown.top, c.showTop) << c.window.left << "," << c.window.top;
    const view::WindowPosition hidden = view::HideToEdge(c.window, kScreen);
    EXPECT_EQ(hidden.left, c.hideLeft) << c.window.left << "," << c.window.top;
    EXPECT_EQ(hidden.top, c.hideTop) << c.window.left << "," << c.window.top;
  }
}

TEST(ViewEdgeWatcher, ShownWindowWaitsForThePointerBeforeParking) {
  EdgeWatcherState state;
  Box window{1918, 100, 240, 300};
  const view::WindowPosition shown = view::ShowFromEdge(state, window, kScreen);
  window.left = shown.left;
  for (int i = 0; i < 400; ++i) {
    const EdgeWatcherActions a = Tick(state, window, kFarAway, true);
    ASSERT_FALSE(a.move);
    ASSERT_FALSE(a.hide);
    ASSERT_EQ(a.topmost, TopmostChange::Unchanged);
  }
  Tick(state, window, Inside(window));
  EXPECT_FALSE(state.showHold);
  EXPECT_FALSE(state.returnArmed);  // shown from the tray, not from hiding
  EXPECT_TRUE(Tick(state, window, kFarAway).move);
  EXPECT_EQ(window.left, 1918);
}

TEST(ViewEdgeWatcher, ReturnCountdownHidesFiftyTicksAfterTheVisit) {
  for (bool autoHide : {false, true}) {
    EdgeWatcherState state;
    Box window{300, 300, 240, 200};
    state.shownFromHidden = true;  // the hotkey brought it out of hiding
    view::ShowFromEdge(state, window, kScreen);
    Tick(state, window, Inside(window), autoHide);
    EXPECT_TRUE(state.returnArmed);
    for (int tick = 1; tick < view::kReturnCountdownTicks; ++tick) {
      ASSERT_FALSE(Tick(state, window, kFarAway, autoHide).hide) << tick;
    }
    // Both countdowns running must not make this one skip its turn.
    const EdgeWatcherActions last = Tick(state, window, kFarAway, autoHide);
    EXPECT_TRUE(last.hide) << autoHide;
    EXPECT_EQ(last.topmost, TopmostChange::MakeTopmost);
    EXPECT_FALSE(state.returnArmed);
    EXPECT_FALSE(state.shownFromHidden);
  }
}

TEST(ViewEdgeWatcher, ReturnCountdownStartsAgainWhenThePointerComesBack) {
  EdgeWatcherState state;
  Box window{300, 300, 240, 200};
  state.shownFromHidden = true;
  view::ShowFromEdge(state, window, kScreen);
  Tick(state, window, Inside(window));
  for (int tick = 1; tick < view::kReturnCountdownTicks; ++tick) Tick(state, window, kFarAway);
  Tick(state, window, Inside(window));
  EXPECT_TRUE(state.returnArmed);
  for (int tick = 1; tick < view::kReturnCountdownTicks; ++tick) {
    ASSERT_FALSE(Tick(state, window, kFarAway).hide) << tick;
  }
  EXPECT_TRUE(Tick(state, window, kFarAway).hide);
}

TEST(ViewEdgeWatcher, AutomaticHidingFiresAfterThreeHundredAwayTicks) {
  EdgeWatcherState state;
  Box window{300, 300, 240, 200};
  for (int tick = 1; tick < view::kAutoHideTicks; ++tick) {
    ASSERT_FALSE(Tick(state, window, kFarAway, true).hide) << tick;
  }
  EXPECT_TRUE(Tick(state, window, kFarAway, true).hide);
  EXPECT_EQ(state.autoHideTicks, 0);

  // A visit in between starts the count again; without the switch nothing is hidden.
  for (int tick = 1; tick < view::kAutoHideTicks; ++tick) Tick(state, window, kFarAway, true);
  Tick(state, window, Inside(window), true);
  EXPECT_FALSE(Tick(state, window, kFarAway, true).hide);
  EdgeWatcherState off;
  for (int tick = 0; tick < 1000; ++tick) ASSERT_FALSE(Tick(off, window, kFarAway, false).hide);
}

TEST(ViewEdgeWatcher, OpenDialogHidesTheWindowWhenThePointerIsAway) {
  EdgeWatcherState state;
  Box window{-30, 100, 240, 300};
  const EdgeWatcherActions a = Tick(state, window, kFarAway, false, true);
  EXPECT_TRUE(a.hide);
  EXPECT_EQ(a.topmost, TopmostChange::MakeNotTopmost);
  EXPECT_EQ(window.left, -238);
  const EdgeWatcherActions near = Tick(state, window, {0, 200}, false, true);
  EXPECT_FALSE(near.hide);
}

TEST(ViewEdgeWatcher, HiddenWindowIsLeftAloneButHintsStillFollowThePointer) {
  EdgeWatcherState state;
  state.returnArmed = true;
  state.shownFromHidden = true;
  EdgeWatcherInput in = Input({-30, 100, 240, 300}, kFarAway);
  in.visible = false;
  in.autoHide = true;
  const EdgeWatcherActions a = view::EdgeWatcherStep(state, in);
  EXPECT_FALSE(a.move);
  EXPECT_FALSE(a.hide);
  EXPECT_EQ(a.topmost, TopmostChange::Unchanged);
  EXPECT_EQ(state.returnTicks, 0);
  EXPECT_EQ(state.autoHideTicks, 0);
  EXPECT_TRUE(a.hideSwapHint);
}

TEST(ViewEdgeWatcher, SwapHintAndPreviewListFollowTheirMeasuredBoxes) {
  // Window (100, 100, 240, 200) with the canvas at (0, 0, 240, 200): the box measured is
  // (100, 100) to (580, 500), edges inside.
  struct Case { view::Point pointer; bool hideHint; };
  const Case cases[] = {
      {{100, 100}, false}, {{200, 200}, false}, {{580, 500}, false},
      {{99, 200}, true},   {{200, 99}, true},   {{581, 200}, true}, {{200, 501}, true},
  };
  for (const Case& c : cases) {
    EdgeWatcherState state;
    EdgeWatcherInput in = Input({100, 100, 240, 200}, c.pointer);
    EXPECT_EQ(view::EdgeWatcherStep(state, in).hideSwapHint, c.hideHint) << c.pointer.x << "," << c.pointer.y;
  }
  EdgeWatcherState state;
  EdgeWatcherInput in = Input({100, 100, 240, 200}, {90, 150});
  EXPECT_FALSE(view::EdgeWatcherStep(state, in).previewListFocusLoss);
  in.previewListVisible = true;
  in.previewList = {50, 40, 150, 120};  // measured from (150, 140)
  EXPECT_TRUE(view::EdgeWatcherStep(state, in).previewListFocusLoss);
  in.pointer = {160, 150};
  EXPECT_FALSE(view::EdgeWatcherStep(state, in).previewListFocusLoss);
}

TEST(ViewEdgeWatcher, OddGeometryNeverFaults) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  const Box windows[] = {{0, 0, 1, 1}, {0, 0, 10000, 10000}, {kMin, kMin, kMax, kMax}, {kMax, kMax, kMax, kMax},
                         {5, 5, -100, -100}};
  const view::Point pointers[] = {{0, 0}, {kMax, kMax}, {kMin, kMin}};
  for (const Box& w : windows) {
    for (const view::Point& p : pointers) {
      for (int screen : {0, -1, 1920, kMax}) {
        EdgeWatcherState state;
        EdgeWatcherInput in = Input(w, p);
        in.screenWidth = screen;
        in.previewListVisible = true;
        in.previewList = w;
        (void)view::EdgeWatcherStep(state, in);
        (void)view::ShowFromEdge(state, w, screen);
        (void)view::HideToEdge(w, screen);
      }
    }
  }
  // A window as wide as the screen at 0 is docked left: parked with 2 pixels showing.
  EdgeWatcherState state;
  Box wide{0, 0, 10000, 10000};
  Tick(state, wide, {-500, -500});
  EXPECT_EQ(wide.left, 2 - 10000);
}
