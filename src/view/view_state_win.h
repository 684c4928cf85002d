// src/view/view_state_win.h
// What the launcher shows, gathered for one paint or one hit test: the canvas's size, the
// caption, the colours, the category labels and the items of the store, the display settings
// and the hovered title-bar button.
#pragma once
#include <windows.h>

#include "view/view_model.h"

// The view of the launcher on `canvas` with item `highlight` (1-based, -1 for none) marked.
view::ViewState CurrentViewState(HWND canvas, int highlight = -1);

// The title bar colour derived from the running background colour by the last ApplyTheme.
view::Colour CurrentTitleBarColour();
