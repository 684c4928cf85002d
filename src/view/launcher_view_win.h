// src/view/launcher_view_win.h
// The launcher view's Win32 side as the rest of the program calls it: painting into BackBuffer,
// the canvas's and the main window's messages (pointer, size, move), the edge watcher and the
// two placement actions of the tray icon and the hotkey, the theme, and the pointer state the
// item commands act on.
#pragma once
#include <windows.h>

#include <cstdint>

// Composes the whole launcher in BackBuffer and copies it to the canvas. `highlight` is a
// 1-based item position or -1.
void PaintLauncher(int highlight);

// Derives the title bar colour from the background and recolours the unselected labels.
void ApplyTheme();

// Edge hiding: state cleared at start-up, the 300 ms watcher started at the end of it. Geometry
// changes are saved from the watcher's start on: those made by start-up itself restore what the
// settings file already holds.
void ClearEdgeHidingState();
void StartEdgeWatcher();

// Called first by the canvas's and the main window's procedures; true when the message was
// handled, with its result in `result`.
bool HandleCanvasMessage(HWND canvas, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
bool HandleMainWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// --- For the tray icon and the hotkey ---------------------------------------------------------
// Brings the window fully onto the screen, shows it on top with the canvas focused, and holds
// off parking until the pointer has come near once.
void ShowFromEdge();
// Parks a docked window 2 pixels into its edge, drops its topmost state and hides it.
void HideToEdge();
// The hotkey showed a hidden window: after the pointer's visit it is hidden again 15 s later.
void SetShownFromHidden();

// --- For the item commands --------------------------------------------------------------------
// 1-based position of the selected item in the ItemTable, -1 for none. A position past the
// current table also means none.
int SelectedItemIndex();
// Hides the Ctrl swap hint and forgets the swap partner.
void HideSwapHint();

// --- For measurements -------------------------------------------------------------------------
// How many times PaintLauncher has run since the program started.
std::uint64_t LauncherPaintCount();
