// src/view/launcher_paint_win.cpp
#include "view/launcher_paint_win.h"

#include <atomic>

#include "app/creation_sequence_win.h"
#include "app/main_window_win.h"
#include "view/gdi_replay_win.h"
#include "view/launcher_paint.h"
#include "view/launcher_view_win.h"
#include "view/view_state_win.h"

namespace {
std::atomic<std::uint64_t> g_paints{0};
}  // namespace

void PaintLauncherOn(const LauncherSurface& surface, int highlight) {
  if (!surface.canvas || !surface.backBuffer) return;
  const view::DisplayList picture = view::BuildLauncherPaint(CurrentViewState(surface.canvas, highlight));
  ReplayDisplayList(surface.backBuffer, picture);
  if (HDC dc = GetDC(surface.canvas)) {
    BitBlt(dc, 0, 0, picture.width, picture.height, surface.backBuffer, 0, 0, SRCCOPY);
    ReleaseDC(surface.canvas, dc);
  }
}

void PaintLauncher(int highlight) {
  g_paints.fetch_add(1);
  HWND canvas = CanvasHandle();
  if (!canvas) return;
  // The back buffer follows the canvas's size.
  CreateCanvasBuffers();
  PaintLauncherOn({canvas, BackBuffer()}, highlight);
}

std::uint64_t LauncherPaintCount() { return g_paints.load(); }
