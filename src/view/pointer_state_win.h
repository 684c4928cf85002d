// src/view/pointer_state_win.h
// The launcher's pointer state (selected item, hovered button, resize edge, swap partner) and
// the pointer handlers the window procedures route to. Everything runs on the window's thread,
// except that an item opened by a double click reads the selection on its worker.
#pragma once
#include <windows.h>

#include "view/pointer_hit.h"

view::PointerState& LauncherPointer();

// Key state of a pointer event: 1 Ctrl + 2 Shift + 4 Alt, as held at the event.
int PointerKeyState(WPARAM wParam);

// The event's position on `from` in the main window's coordinates.
view::Point WindowPoint(HWND from, LPARAM lParam);

// --- Edges and dragging (pointer_drag_win.cpp) -----------------------------------------------
// Notes the pointer position (window coordinates) and the resize edge under it; over an edge,
// shows that edge's sizing cursor.
void TrackWindowEdge(view::Point windowPoint);
// Lets the system move the window with the pointer, or resize it from the edge of the last
// move, until the left button is released. Only for a press of the left button.
void StartWindowDrag();

// --- Canvas events (pointer_move_win.cpp, pointer_press_win.cpp) ---------------------------
void CanvasPointerMoved(HWND canvas, int x, int y, int keys);
// The whole left press; `dragWindow` is false when a right press runs it (the left button is
// up then, and the system's move loop must not start).
void CanvasLeftPress(HWND canvas, int x, int y, int keys, bool dragWindow);
void CanvasRightPress(HWND canvas, int x, int y, int keys);
void CanvasDoubleClick(HWND canvas, int x, int y);

// --- The swap hint "标签1" (swap_hint_win.cpp) --------------------------------------------------
void ShowSwapLabel(const GbkText& caption, const view::Box& place);
void HideSwapLabel();
