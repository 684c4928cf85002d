// src/desktop/tray_icon_win.h
// The notification-area icon. The object is made at start-up, before the main window.
#pragma once
#include <windows.h>
#include <shellapi.h>

class TrayIcon {
 public:
  TrayIcon();
  UINT taskbarCreatedMessage() const { return taskbarCreatedMessage_; }

 private:
  UINT taskbarCreatedMessage_ = 0;
  NOTIFYICONDATAA notifyData_{};  // tip, balloon text and balloon title start zeroed
  WNDPROC previousWindowProc_ = nullptr;
  HWND window_ = nullptr;
};

TrayIcon& ProcessTrayIcon();

// Puts the program's icon into the notification area (start-up and "修复托盘异常").
void InstallTrayIcon();
// Takes it away again (on exit).
void RemoveTrayIcon();
