// src/view/edge_watcher.h
// Docking at the left, right and top screen edges, and the 300 ms edge watcher that parks a
// docked window when the pointer goes away, brings it back when the pointer returns, keeps it
// on top, and hides it after a while without the pointer. Pure decisions: the window layer
// feeds the measured state in and carries out the returned actions.
#pragma once

#include "view/view_model.h"

namespace view {

inline constexpr int kEdgeWatchPeriodMs = 300;
inline constexpr int kNearMargin = 20;
inline constexpr int kReturnCountdownTicks = 50;  // 15 s
inline constexpr int kAutoHideTicks = 300;        // 90 s

struct EdgeWatcherState {
  bool showHold = false;         // shown from the edge; not parked or hidden before the pointer came near
  bool shownFromHidden = false;  // the hotkey showed a hidden window (set by the hotkey toggle)
  bool returnArmed = false;      // the pointer has visited a window shown from hidden
  // Away ticks for the two countdowns. They count separately: the return countdown and the
  // automatic hiding may both run, and each must see every tick once.
  int returnTicks = 0;
  int autoHideTicks = 0;
};

struct WindowPosition {
  int left = 0;
  int top = 0;
};

struct EdgeWatcherInput {
  Box window;              // outer rectangle, screen pixels
  int screenWidth = 0;     // primary screen
  Point pointer;           // screen pixels
  bool visible = false;
  bool dialogOpen = false;  // a modal box of the program is open
  bool autoHide = false;    // "自动后台隐藏（30秒）" is checked
  Box canvas;              // the canvas's place inside the window
  bool previewListVisible = false;
  Box previewList;         // the folder preview list's place inside the window
};

enum class TopmostChange { Unchanged, MakeTopmost, MakeNotTopmost };

struct EdgeWatcherActions {
  bool move = false;  // move the window to `position` (keeping its size)
  WindowPosition position;
  TopmostChange topmost = TopmostChange::Unchanged;
  bool hide = false;
  bool hideSwapHint = false;          // hide the swap hint and forget the swap partner
  bool previewListFocusLoss = false;  // run the preview list's focus-loss handling
};

// One watcher tick. Updates `state` and returns what to do with the window.
EdgeWatcherActions EdgeWatcherStep(EdgeWatcherState& state, const EdgeWatcherInput& input);

// Where `ShowFromEdge` puts the window: a window parked at the right comes back to
// screen width - width, one above the top to top 0, one left of the screen to left 0.
// It holds off parking and hiding until the pointer has come near once.
WindowPosition ShowFromEdge(EdgeWatcherState& state, const Box& window, int screenWidth);

// Where `HideToEdge` parks the window before hiding it: 2 pixels left on screen at the left or
// right edge, 2 pixels at the top edge; a window inside the screen keeps its place.
WindowPosition HideToEdge(const Box& window, int screenWidth);

}  // namespace view
