// src/app/main_window_win.h
// MainWindow (form "窗口"): a borderless popup whose whole surface is the canvas "画板2"
// (LauncherCanvas). Its creation sequence lays out the program's folders, takes the instance
// lock, restores the geometry, registers the hotkey and loads the settings.
#pragma once
#include <windows.h>

inline constexpr char kMainWindowClass[] = "TovenkMainWindow";
inline constexpr char kCanvasClass[] = "TovenkCanvas";
inline constexpr int kFormWidth = 265;   // the form's size before any stored geometry
inline constexpr int kFormHeight = 337;

// Registers the classes, creates the window, runs the creation sequence and shows it.
// Returns the window, or nullptr when it could not be made.
HWND CreateMainWindow(HINSTANCE instance);

HWND MainWindowHandle();
HWND CanvasHandle();

// The drawing surfaces of the canvas's size: the launcher is composed in BackBuffer and copied
// to the canvas in one go; the item loader composes icons in IconBuffer.
HDC BackBuffer();
HDC IconBuffer();

// Writes left, top, width and height to section "窗口数据".
void SaveGeometry();

// Removes the tray icon, destroys the window (which saves the geometry) and ends the process
// with exit code 0.
[[noreturn]] void ExitProgram();
