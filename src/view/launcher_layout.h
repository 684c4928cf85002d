// src/view/launcher_layout.h
// Where each part of the launcher is drawn, in canvas pixels. P is the category panel width,
// S the icon size; label rectangles and item cells are those of the catalogue and the item table.
#pragma once
#include <cstddef>

#include "view/title_bar.h"
#include "view/view_model.h"

namespace view {

inline constexpr Point kCaptionPosition{9, 6};
inline constexpr int kGridLeftOffset = 12;  // the grid starts this far right of the panel width
inline constexpr Colour kPlaceholderFrame = 0x808080;
inline constexpr Colour kPlaceholderFill = 0xF0F0F0;

// The category column: (0, 0, P + 12, H).
Corners CategoryColumnBox(int panelWidth, int canvasHeight);

// A label painted from its rectangle (l, t, w, h): (l + 2, t + 26, l + w + 10, t + h + 26).
Corners CategoryLabelBox(const Box& rect);

// The label's name, centred by an estimate of 6.5 pixels per byte:
// (l + P / 2 + 2 - 3.25 * bytes, t + 28), the x cut toward zero.
Point CategoryNamePosition(const Box& rect, int panelWidth, size_t nameBytes);

// An item's cell (x, y, w, h) on the canvas: origin (P + x + 12, y + 26).
Point ItemOrigin(const Box& cell, int panelWidth);
// The red frame of the highlighted item: (P + x + 13, y + 26, P + x + w + 12, y + h + 26).
Corners ItemHighlightBox(const Box& cell, int panelWidth);
// The icon: (P + x + 16, y + 30).
Point ItemIconPosition(const Box& cell, int panelWidth);
// The name: (P + x + S + 18, y + S / 2 + 24), the y cut toward zero. An icon size below 0 is
// taken as 0, so the name never runs back over the cell's left edge.
Point ItemNamePosition(const Box& cell, int panelWidth, int iconSize);

}  // namespace view
