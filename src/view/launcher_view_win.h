// src/view/launcher_view_win.h
// The launcher view's Win32 side as the main window calls it: painting into BackBuffer, the
// canvas's and the main window's messages (pointer, size, move), the edge watcher, the theme.
#pragma once
#include <windows.h>

// Composes the whole launcher in BackBuffer and copies it to the canvas. `highlight` is a
// 1-based item position or -1.
void PaintLauncher(int highlight);

// Derives the title bar colour from the background and recolours the unselected labels.
void ApplyTheme();

// Edge hiding: state cleared at start-up, the 300 ms watcher started at the end of it.
void ClearEdgeHidingState();
void StartEdgeWatcher();

// Called first by the canvas's and the main window's procedures; true when the message was
// handled, with its result in `result`.
bool HandleCanvasMessage(HWND canvas, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
bool HandleMainWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
