// src/view/launcher_view_win.cpp
// Stand-in view until the full painter, pointer handling and edge watcher are wired: the
// background colour, the caption in a title strip, and no pointer handling.
#include "view/launcher_view_win.h"

#include "app/main_window_win.h"
#include "app/running_settings.h"
#include "desktop/timer.h"

namespace {
constexpr int kEdgeWatchMs = 300;

Timer& EdgeWatchTimer() {
  static Timer timer;
  return timer;
}

void EdgeWatcher() {}
}  // namespace

void ApplyTheme() {}
void ClearEdgeHidingState() {}
void StartEdgeWatcher() { EdgeWatchTimer().start(kEdgeWatchMs, EdgeWatcher); }

bool HandleCanvasMessage(HWND, UINT, WPARAM, LPARAM, LRESULT*) { return false; }
bool HandleMainWindowMessage(HWND, UINT, WPARAM, LPARAM, LRESULT*) { return false; }

void PaintLauncher(int) {
  HDC dc = BackBuffer();
  HWND canvas = CanvasHandle();
  if (!dc || !canvas) return;
  RECT client;
  GetClientRect(canvas, &client);
  HBRUSH brush = CreateSolidBrush(Running().background & 0x00FFFFFF);
  FillRect(dc, &client, brush);
  DeleteObject(brush);
  RECT body = {5, 25, client.right - 5, client.bottom - 5};
  FillRect(dc, &body, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  RECT title = {0, 0, client.right, 25};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  char caption[512] = {};
  GetWindowTextA(MainWindowHandle(), caption, sizeof caption);
  DrawTextA(dc, caption, -1, &title, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
  InvalidateRect(canvas, nullptr, FALSE);
}
