// src/app/creation_sequence_win.h
#pragma once
#include <windows.h>

// The main window's creation sequence, from the default title to the edge watch timer.
// Ends the process with exit code 0 when another instance holds the lock.
void RunCreationSequence(HWND mainWindow);

// Set to 1 while a marked modal box or window of the main window is open.
int& DialogOpenFlag();

// Makes the canvas's two drawing surfaces (main_window_win.cpp).
void CreateCanvasBuffers();
