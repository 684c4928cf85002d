// src/view/gdi_replay_win.h
// Draws a launcher display list onto a device context with GDI: pens, brushes, the two fonts of
// the launcher and the item pictures (bitmap handles).
#pragma once
#include <windows.h>

#include "view/display_list.h"

// Point size of the canvas's own font: every text of the launcher is drawn at this size, only
// the font name and weight change. The layout counts on text about 12 pixels high.
inline constexpr int kCanvasFontPoints = 9;

// Runs the commands in order on `dc`, text without a background. The pen, brush and font the
// commands need are made and released here; fonts are made once and kept. A picture handle
// that is not a bitmap draws nothing.
void ReplayDisplayList(HDC dc, const view::DisplayList& list);
