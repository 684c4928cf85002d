// src/app/launcher_state_win.cpp
#include "app/launcher_state_win.h"

#include <windows.h>

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

void ApplyThemeAtStart() {}
void ReopenLastCategoryAtStart() {}
void ClearEdgeHidingState() {}
void ShowDonationPanel() {}

void StartEdgeWatcher() { EdgeWatchTimer().start(kEdgeWatchMs, EdgeWatcher); }

// Until the full painter arrives: the background colour and the caption in a title strip.
void PaintLauncher(int) {
  HDC dc = BackBuffer();
  HWND canvas = CanvasHandle();
  if (!dc || !canvas) return;
  RECT client;
  GetClientRect(canvas, &client);
  COLORREF background = Running().background & 0x00FFFFFF;
  HBRUSH brush = CreateSolidBrush(background);
  FillRect(dc, &client, brush);
  DeleteObject(brush);
  RECT title = {0, 0, client.right, 25};
  HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  RECT body = {5, 25, client.right - 5, client.bottom - 5};
  FillRect(dc, &body, white);
  DeleteObject(white);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  char caption[512] = {};
  GetWindowTextA(MainWindowHandle(), caption, sizeof caption);
  DrawTextA(dc, caption, -1, &title, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
  InvalidateRect(canvas, nullptr, FALSE);
}
