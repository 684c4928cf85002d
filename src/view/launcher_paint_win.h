// src/view/launcher_paint_win.h
// One paint of the launcher onto a given canvas and back buffer; PaintLauncher paints the
// program's own. Also used by the paint benchmark with a window of its own.
#pragma once
#include <windows.h>

struct LauncherSurface {
  HWND canvas = nullptr;  // the picture's size is the canvas's client size
  HDC backBuffer = nullptr;  // at least that size; the picture is composed here first
};

// Composes the whole launcher in the back buffer, then copies it to the canvas in one step.
void PaintLauncherOn(const LauncherSurface& surface, int highlight);
