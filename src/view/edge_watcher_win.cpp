// src/view/edge_watcher_win.cpp
// Docking at the screen edges on Win32: the 300 ms edge watcher on a thread timer, and the show
// and hide actions of the tray icon and the hotkey. The decisions are the portable watcher's;
// this file measures the window and the pointer and carries the decisions out.
#include "app/creation_sequence_win.h"
#include "app/main_window_win.h"
#include "app/menus_win.h"
#include "commands/item_commands_win.h"
#include "desktop/timer.h"
#include "view/edge_watcher.h"
#include "view/launcher_view_win.h"
#include "view/window_placement_win.h"

namespace {

view::EdgeWatcherState g_edge;

Timer& EdgeWatchTimer() {
  static Timer timer;
  return timer;
}

view::Box WindowBox(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// A child's place inside the main window: its offset from the window's corner and its size.
view::Box ChildBox(HWND window, HWND child) {
  RECT frame{}, r{};
  if (!child || !GetWindowRect(window, &frame) || !GetWindowRect(child, &r)) return {};
  return {r.left - frame.left, r.top - frame.top, r.right - r.left, r.bottom - r.top};
}

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

void MoveTo(HWND window, view::WindowPosition to) {
  SetWindowPos(window, nullptr, to.left, to.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetTopmost(HWND window, bool topmost) {
  const bool isTopmost = (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  if (isTopmost == topmost) return;
  SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void EdgeWatcher() {
  HWND window = MainWindowHandle();
  if (!window) return;
  view::EdgeWatcherInput input;
  POINT pointer{};
  GetCursorPos(&pointer);
  input.pointer = {pointer.x, pointer.y};
  input.window = WindowBox(window);
  input.screenWidth = ScreenWidth();
  input.visible = IsWindowVisible(window) != FALSE;
  input.dialogOpen = DialogOpenFlag() == 1;
  input.autoHide = MenuCheckMarks().isChecked(Command::kAutoHide);
  input.canvas = ChildBox(window, CanvasHandle());
  HWND previewList = PreviewListHandle();
  input.previewListVisible = previewList && IsWindowVisible(previewList);
  input.previewList = ChildBox(window, previewList);

  const view::EdgeWatcherActions actions = view::EdgeWatcherStep(g_edge, input);
  if (actions.move) MoveTo(window, actions.position);
  if (actions.topmost != view::TopmostChange::Unchanged) {
    SetTopmost(window, actions.topmost == view::TopmostChange::MakeTopmost);
  }
  if (actions.hide) ShowWindow(window, SW_HIDE);
  if (actions.hideSwapHint) HideSwapHint();
  if (actions.previewListFocusLoss) ClosePreviewList();
}

}  // namespace

void ClearEdgeHidingState() { g_edge = view::EdgeWatcherState{}; }

void StartEdgeWatcher() {
  StartSavingGeometry();
  EdgeWatchTimer().start(view::kEdgeWatchPeriodMs, EdgeWatcher);
}

void ShowFromEdge() {
  HWND window = MainWindowHandle();
  if (!window) return;
  MoveTo(window, view::ShowFromEdge(g_edge, WindowBox(window), ScreenWidth()));
  ShowWindow(window, SW_SHOW);
  if (HWND canvas = CanvasHandle()) SetFocus(canvas);
  SetTopmost(window, true);
}

void HideToEdge() {
  HWND window = MainWindowHandle();
  if (!window) return;
  MoveTo(window, view::HideToEdge(WindowBox(window), ScreenWidth()));
  SetTopmost(window, false);
  ShowWindow(window, SW_HIDE);
}

void SetShownFromHidden() { g_edge.shownFromHidden = true; }
