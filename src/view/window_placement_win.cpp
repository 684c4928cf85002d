// src/view/window_placement_win.cpp
#include "view/window_placement_win.h"

#include <atomic>

#include "app/creation_sequence_win.h"
#include "app/main_window_win.h"
#include "view/launcher_view_win.h"
#include "view/pointer_state_win.h"
#include "view/window_geometry.h"

namespace {

view::GeometrySaveGate g_saveGate;
std::atomic<bool> g_saving{false};
std::atomic<bool> g_closing{false};

DWORD WINAPI DelayedSave(LPVOID parameter) {
  const auto ticket = static_cast<view::GeometrySaveGate::Ticket>(reinterpret_cast<uintptr_t>(parameter));
  Sleep(view::kGeometrySaveDelayMs);
  if (g_saveGate.IsLatest(ticket) && !g_closing.load()) SaveGeometry();
  return 0;
}

// Every change takes a ticket; a worker sleeps one second and saves only if no later change
// came meanwhile, so a burst of moves writes the geometry once.
void ScheduleGeometrySave() {
  const view::GeometrySaveGate::Ticket ticket = g_saveGate.NoteChange();
  if (!g_saving.load()) return;
  HANDLE worker = CreateThread(nullptr, 0, DelayedSave, reinterpret_cast<LPVOID>(static_cast<uintptr_t>(ticket)), 0,
                               nullptr);
  if (worker) CloseHandle(worker);
}

}  // namespace

void MainWindowSized(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const view::WindowSize allowed = view::EnforceMinimumSize(width, height);
  if (allowed.width != width || allowed.height != height) {
    // The nested size change fits everything to the allowed size.
    SetWindowPos(window, nullptr, 0, 0, allowed.width, allowed.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  RECT client{};
  GetClientRect(window, &client);
  if (HWND canvas = CanvasHandle()) {
    MoveWindow(canvas, 0, 0, client.right, client.bottom, TRUE);
    CreateCanvasBuffers();
  }
  const view::RoundRegion outline = view::RoundedOutline(client.right, client.bottom);
  HRGN region = CreateRoundRectRgn(outline.left, outline.top, outline.right, outline.bottom, outline.ellipseWidth,
                                   outline.ellipseHeight);
  // The window owns the region from here on; it is freed only when the call was refused.
  if (region && !SetWindowRgn(window, region, TRUE)) DeleteObject(region);

  if (LauncherPointer().userResized) PaintLauncher(-1);
  ScheduleGeometrySave();
}

void MainWindowMoved() { ScheduleGeometrySave(); }

void MainWindowClosing() { g_closing.store(true); }

void StartSavingGeometry() { g_saving.store(true); }
