// src/app/main_window_win.cpp
#include "app/main_window_win.h"

#include <string>

#include "app/command_dispatch_win.h"
#include "app/creation_sequence_win.h"
#include "app/menus_win.h"
#include "desktop/tray_icon_win.h"
#include "store/gbk_text.h"
#include "store/settings_file.h"
#include "view/launcher_view_win.h"

namespace {

HWND g_mainWindow = nullptr;
HWND g_canvas = nullptr;

struct Surface {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  int width = 0, height = 0;
};
Surface g_backBuffer, g_iconBuffer;

// (Re)makes a surface of the canvas's kind and size.
void FitSurface(Surface& surface, int width, int height) {
  width = width > 0 ? width : 1;
  height = height > 0 ? height : 1;
  if (surface.dc && surface.width == width && surface.height == height) return;
  HDC canvasDc = GetDC(g_canvas);
  if (!surface.dc) surface.dc = CreateCompatibleDC(canvasDc);
  HBITMAP bitmap = CreateCompatibleBitmap(canvasDc, width, height);
  ReleaseDC(g_canvas, canvasDc);
  if (!bitmap) return;
  HGDIOBJ old = SelectObject(surface.dc, bitmap);
  if (!surface.previous) surface.previous = old;
  if (surface.bitmap) DeleteObject(surface.bitmap);
  surface.bitmap = bitmap;
  surface.width = width;
  surface.height = height;
}

LRESULT CALLBACK CanvasProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT handled = 0;
  if (HandleCanvasMessage(window, message, wParam, lParam, &handled)) return handled;
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (g_backBuffer.dc)
        BitBlt(dc, 0, 0, g_backBuffer.width, g_backBuffer.height, g_backBuffer.dc, 0, 0, SRCCOPY);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the back buffer covers everything
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT handled = 0;
  if (HandleMainWindowMessage(window, message, wParam, lParam, &handled)) return handled;
  switch (message) {
    case WM_CLOSE:  // Alt+F4, the taskbar: always leave
      ExitProgram();
    case WM_DESTROY:
      SaveGeometry();
      return 0;
    case WM_COMMAND:
      if (lParam == 0) {
        RunMenuCommand(static_cast<Command>(LOWORD(wParam)));
        return 0;
      }
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterClasses(HINSTANCE instance) {
  WNDCLASSEXA main{};
  main.cbSize = sizeof main;
  main.lpfnWndProc = MainWindowProc;
  main.hInstance = instance;
  main.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  main.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  main.lpszClassName = kMainWindowClass;
  WNDCLASSEXA canvas{};
  canvas.cbSize = sizeof canvas;
  canvas.style = CS_DBLCLKS;
  canvas.lpfnWndProc = CanvasProc;
  canvas.hInstance = instance;
  canvas.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  canvas.lpszClassName = kCanvasClass;
  return RegisterClassExA(&main) && RegisterClassExA(&canvas);
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
  if (!RegisterClasses(instance)) return nullptr;
  int left = (GetSystemMetrics(SM_CXSCREEN) - kFormWidth) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - kFormHeight) / 2;
  g_mainWindow = CreateWindowExA(WS_EX_APPWINDOW, kMainWindowClass, "", WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                 left, top, kFormWidth, kFormHeight, nullptr, nullptr, instance, nullptr);
  if (!g_mainWindow) return nullptr;
  g_canvas = CreateWindowExA(0, kCanvasClass, "", WS_CHILD | WS_VISIBLE, 0, 0, kFormWidth, kFormHeight, g_mainWindow,
                             nullptr, instance, nullptr);
  CreateMenus();
  WireMenuCommands();
  RunCreationSequence(g_mainWindow);
  ShowWindow(g_mainWindow, SW_SHOW);
  UpdateWindow(g_mainWindow);
  return g_mainWindow;
}

HWND MainWindowHandle() { return g_mainWindow; }
HWND CanvasHandle() { return g_canvas; }

void CreateCanvasBuffers() {
  RECT client;
  GetClientRect(g_canvas, &client);
  FitSurface(g_backBuffer, client.right, client.bottom);
  FitSurface(g_iconBuffer, client.right, client.bottom);
}

HDC BackBuffer() { return g_backBuffer.dc; }
HDC IconBuffer() { return g_iconBuffer.dc; }

void SaveGeometry() {
  RECT rect;
  if (!g_mainWindow || !GetWindowRect(g_mainWindow, &rect)) return;
  settings::Write(settings::kWindowSection, settings::kLeft, gbk::FromInteger(rect.left));
  settings::Write(settings::kWindowSection, settings::kTop, gbk::FromInteger(rect.top));
  settings::Write(settings::kWindowSection, settings::kWidth, gbk::FromInteger(rect.right - rect.left));
  settings::Write(settings::kWindowSection, settings::kHeight, gbk::FromInteger(rect.bottom - rect.top));
}

namespace {
void RunPendingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
}  // namespace

void ExitProgram() {
  RemoveTrayIcon();
  RunPendingMessages();
  if (g_mainWindow) DestroyWindow(g_mainWindow);
  RunPendingMessages();
  exit(0);
}
