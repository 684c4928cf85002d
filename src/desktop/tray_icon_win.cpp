// src/desktop/tray_icon_win.cpp
#include "desktop/tray_icon_win.h"

// The record the shell gets has the balloon fields: 488 bytes for the 32-bit program.
#ifndef _WIN64
static_assert(sizeof(NOTIFYICONDATAA) >= 488, "NOTIFYICONDATAA must carry the balloon fields");
#endif

TrayIcon::TrayIcon() : taskbarCreatedMessage_(RegisterWindowMessageA("TaskbarCreated")) {
  notifyData_.cbSize = sizeof notifyData_;
}

TrayIcon& ProcessTrayIcon() {
  static TrayIcon tray;
  return tray;
}

// The icon itself, its menu and balloons arrive with the tray work; until then start-up and
// exit call these at their places and nothing is shown.
void InstallTrayIcon() {}
void RemoveTrayIcon() {}
