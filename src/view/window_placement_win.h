// src/view/window_placement_win.h
// The main window's size and place: the minimum size, the canvas and its surfaces fitted to the
// window, the rounded outline, and the geometry saved one second after the last of a burst of
// changes.
#pragma once
#include <windows.h>

// WM_SIZE of the main window: fits everything to the new size. Always handled.
void MainWindowSized(HWND window);
// WM_MOVE of the main window: schedules the delayed save.
void MainWindowMoved();
// WM_DESTROY: the destruction saves the geometry itself; a delayed save still asleep then
// writes nothing.
void MainWindowClosing();

// Geometry changes are saved from now on (the end of start-up).
void StartSavingGeometry();
