// src/view/pointer_drag_win.cpp
// Moving and resizing the borderless window by hand: the edge under the pointer, its cursor, and
// the system's move and resize loops started with WM_NCLBUTTONDOWN.
#include "app/main_window_win.h"
#include "view/pointer_state_win.h"

view::PointerState& LauncherPointer() {
  static view::PointerState state;
  return state;
}

int PointerKeyState(WPARAM wParam) {
  int keys = 0;
  if (wParam & MK_CONTROL) keys |= 1;
  if (wParam & MK_SHIFT) keys |= 2;
  if (GetKeyState(VK_MENU) < 0) keys |= 4;
  return keys;
}

view::Point WindowPoint(HWND from, LPARAM lParam) {
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  HWND window = MainWindowHandle();
  RECT frame{};
  if (from && window && ClientToScreen(from, &point) && GetWindowRect(window, &frame)) {
    return {static_cast<int>(point.x - frame.left), static_cast<int>(point.y - frame.top)};
  }
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

namespace {

void ShowZoneCursor(int zone) {
  if (const int cursor = view::CursorForZone(zone)) {
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(cursor)));
  }
}

}  // namespace

void TrackWindowEdge(view::Point at) {
  view::PointerState& pointer = LauncherPointer();
  pointer.lastPointer = at;
  RECT frame{};
  HWND window = MainWindowHandle();
  if (!window || !GetWindowRect(window, &frame)) return;
  pointer.resizeZone = view::ResizeZoneAt(at.x, at.y, frame.right - frame.left, frame.bottom - frame.top);
  ShowZoneCursor(pointer.resizeZone);
}

void StartWindowDrag() {
  HWND window = MainWindowHandle();
  if (!window) return;
  view::PointerState& pointer = LauncherPointer();
  if (pointer.resizeZone != view::kNoZone) {
    ShowZoneCursor(pointer.resizeZone);
    pointer.userResized = true;
  }
  // The loop takes its starting point from the message, as a press on a real frame would give.
  POINT screen{};
  GetCursorPos(&screen);
  SendMessageA(window, WM_NCLBUTTONDOWN, static_cast<WPARAM>(view::EdgeCodeForZone(pointer.resizeZone)),
               MAKELPARAM(static_cast<short>(screen.x), static_cast<short>(screen.y)));
}
