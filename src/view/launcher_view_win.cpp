// src/view/launcher_view_win.cpp
// Routes the canvas's and the main window's messages to the launcher view: pointer events to the
// pointer handlers, size and move events to the window placement.
#include "view/launcher_view_win.h"

#include "view/pointer_state_win.h"
#include "view/window_placement_win.h"

namespace {

int X(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
int Y(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

}  // namespace

bool HandleCanvasMessage(HWND canvas, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  *result = 0;
  switch (message) {
    case WM_MOUSEMOVE:
      CanvasPointerMoved(canvas, X(lParam), Y(lParam), PointerKeyState(wParam));
      return true;
    case WM_LBUTTONDOWN:
      CanvasLeftPress(canvas, X(lParam), Y(lParam), PointerKeyState(wParam), true);
      return true;
    case WM_LBUTTONUP:
      LauncherPointer().lastPointer = WindowPoint(canvas, lParam);
      return true;
    case WM_RBUTTONDOWN:
      CanvasRightPress(canvas, X(lParam), Y(lParam), PointerKeyState(wParam));
      return true;
    case WM_LBUTTONDBLCLK:
      CanvasDoubleClick(canvas, X(lParam), Y(lParam));
      return true;
    case WM_KILLFOCUS:
      HideSwapLabel();  // the partner stays
      return false;
    default:
      return false;
  }
}

bool HandleMainWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  *result = 0;
  switch (message) {
    case WM_SIZE:
      // A minimised window has no size of its own to fit.
      if (wParam != SIZE_MINIMIZED) MainWindowSized(window);
      return true;
    case WM_MOVE:
      MainWindowMoved();
      return false;
    case WM_DESTROY:
      MainWindowClosing();
      return false;  // the main window saves the geometry
    case WM_MOUSEMOVE:
      TrackWindowEdge(WindowPoint(window, lParam));
      return true;
    case WM_LBUTTONDOWN:
      StartWindowDrag();
      return true;
    case WM_LBUTTONUP:
      LauncherPointer().lastPointer = WindowPoint(window, lParam);
      return true;
    default:
      return false;
  }
}
