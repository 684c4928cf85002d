// src/view/window_geometry.h
// The launcher window's size rules, its rounded outline and the delayed save of its place.
#pragma once
#include <atomic>

#include "view/view_model.h"

namespace view {

// A window narrower than 200 is set to 240 wide; one lower than 160 to 160 high.
inline constexpr int kMinimumWidth = 200;
inline constexpr int kWidthWhenTooNarrow = 240;
inline constexpr int kMinimumHeight = 160;

struct WindowSize {
  int width = 0;
  int height = 0;
};
WindowSize EnforceMinimumSize(int width, int height);

// Arguments of CreateRoundRectRgn for the window's client area: (0, 0, w, h, 4, 4).
struct RoundRegion {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int ellipseWidth = 4;
  int ellipseHeight = 4;
};
RoundRegion RoundedOutline(int clientWidth, int clientHeight);

// The geometry is saved once, one second after the last of a burst of moves and size changes:
// every change takes a ticket and starts a delayed save with it; when the delay is over, only
// the save whose ticket is still the latest writes. Safe to use from the sleeping workers.
inline constexpr int kGeometrySaveDelayMs = 1000;

class GeometrySaveGate {
 public:
  using Ticket = unsigned;
  Ticket NoteChange() { return count_.fetch_add(1) + 1; }
  bool IsLatest(Ticket ticket) const { return count_.load() == ticket; }
  Ticket ChangeCount() const { return count_.load(); }

 private:
  std::atomic<Ticket> count_{0};
};

}  // namespace view
