// src/view/edge_watcher.cpp
#include "view/edge_watcher.h"

#include "view/pixel_math.h"

namespace view {
namespace {

constexpr long long kSideStrip = 2;       // pixels left on screen at the left or right edge
constexpr long long kWatcherTopStrip = 4;  // at the top edge, when parked by the watcher
constexpr long long kHiddenTopStrip = 2;   // at the top edge, when parked by HideToEdge

// The box the window layer measures a control by: the window's corner plus the control's,
// and the window's size plus the control's. Its edges count as inside.
bool OutsideControlBox(const Box& window, const Box& control, Point pointer) {
  const long long left = static_cast<long long>(window.left) + control.left;
  const long long top = static_cast<long long>(window.top) + control.top;
  const long long right = left + window.width + control.width;
  const long long bottom = top + window.height + control.height;
  return pointer.x < left || pointer.x > right || pointer.y < top || pointer.y > bottom;
}

}  // namespace

EdgeWatcherActions EdgeWatcherStep(EdgeWatcherState& state, const EdgeWatcherInput& in) {
  EdgeWatcherActions actions;
  if (in.visible) {
    const long long left = in.window.left;
    const long long top = in.window.top;
    const long long width = in.window.width;
    const long long height = in.window.height;
    const long long screen = in.screenWidth;
    const long long mx = in.pointer.x;
    const long long my = in.pointer.y;
    const bool near = left - kNearMargin <= mx && mx <= left + width + kNearMargin && top - kNearMargin <= my &&
                      my <= top + height + kNearMargin;
    long long newLeft = left;
    long long newTop = top;

    if (!near && !state.showHold) {
      bool returnDone = false;
      if (state.returnArmed && state.shownFromHidden && ++state.returnTicks >= kReturnCountdownTicks) {
        state.returnTicks = 0;
        state.returnArmed = false;
        state.shownFromHidden = false;
        returnDone = true;
      }
      // Park a docked window; one lying inside the screen stays where it is.
      if (left <= 0) {
        newLeft = kSideStrip - width;
      } else if (left + width >= screen) {
        newLeft = screen - kSideStrip;
      } else if (top <= 0) {
        newTop = kWatcherTopStrip - height;
      }
      if (in.dialogOpen) {
        actions.topmost = TopmostChange::MakeNotTopmost;
        actions.hide = true;
      } else {
        // Kept on top so the parked strip stays reachable; a window the return countdown has
        // just hidden stays hidden.
        actions.topmost = TopmostChange::MakeTopmost;
        actions.hide = returnDone;
      }
      if (in.autoHide && ++state.autoHideTicks >= kAutoHideTicks) {
        state.autoHideTicks = 0;
        actions.hide = true;
      }
    } else if (near) {
      if (left <= kSideStrip) {
        newLeft = 0;
      } else if (left >= screen - kSideStrip) {
        newLeft = screen - width;
      } else if (top <= kWatcherTopStrip) {
        newTop = 0;
      }
      if (state.showHold) {
        state.showHold = false;
        if (state.shownFromHidden) state.returnArmed = true;
      }
      state.returnTicks = 0;
      state.autoHideTicks = 0;
    }

    if (newLeft != left || newTop != top) {
      actions.move = true;
      actions.position = {ClampToInt(newLeft), ClampToInt(newTop)};
    }
  }

  actions.hideSwapHint = OutsideControlBox(in.window, in.canvas, in.pointer);
  actions.previewListFocusLoss = in.previewListVisible && OutsideControlBox(in.window, in.previewList, in.pointer);
  return actions;
}

WindowPosition ShowFromEdge(EdgeWatcherState& state, const Box& window, int screenWidth) {
  state.showHold = true;
  const long long left = window.left;
  WindowPosition to{window.left, window.top};
  if (left > 0) {
    if (left == static_cast<long long>(screenWidth) - kSideStrip) {
      to.left = ClampToInt(static_cast<long long>(screenWidth) - window.width);
    } else if (window.top <= 0) {
      to.top = 0;
    }
  } else {
    to.left = 0;
  }
  return to;
}

WindowPosition HideToEdge(const Box& window, int screenWidth) {
  const long long left = window.left;
  WindowPosition to{window.left, window.top};
  if (left > 0) {
    if (left + window.width >= screenWidth) {
      to.left = ClampToInt(static_cast<long long>(screenWidth) - kSideStrip);
    } else if (window.top <= 0) {
      to.top = ClampToInt(kHiddenTopStrip - window.height);
    }
  } else {
    to.left = ClampToInt(kSideStrip - window.width);
  }
  return to;
}

}  // namespace view
