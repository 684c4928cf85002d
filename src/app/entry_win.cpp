// src/app/entry_win.cpp
// Program start-up: the process-wide objects, the exit clean-up, GDI+, the main window and its
// message loop.
#include <windows.h>
#include <gdiplus.h>

#include <cstdlib>

#include "app/main_window_win.h"
#include "commands/drop_registry.h"
#include "commands/shell_automation_win.h"
#include "desktop/tray_icon_win.h"
#include "reminders/reminder_loop_win.h"

namespace {
void ReleaseProcessObjects() { ReleaseShellAutomation(); }
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // 1. Process-wide objects: shell automation, tray icon object, the timers (stopped), the
  // drop-target registry.
  ProcessShellAutomation();
  ProcessTrayIcon();
  ReminderTimer();
  ProcessDropRegistry();
  // 2. Their release when the process ends.
  atexit(ReleaseProcessObjects);
  // 3. GDI+, once, never shut down: icon decoding relies on it.
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  // 4. The main window and its creation sequence.
  if (!CreateMainWindow(instance)) return 0;
  // 5. The message loop.
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
