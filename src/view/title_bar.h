// src/view/title_bar.h
// Geometry of the painted title bar: its five buttons, where each is drawn, the box that shows
// it hovered, and the strip of the bar that belongs to it under the pointer.
#pragma once

#include "view/view_model.h"

namespace view {

inline constexpr int kTitleBarHeight = 26;
inline constexpr int kTitleButtonCount = 5;

// Corners of a drawn rectangle: left, top, right, bottom (GDI Rectangle order).
struct Corners {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// in: a button number 1..5 and the canvas width W. out: its label, where the label is drawn,
// and the box painted behind it while hovered. Other numbers give an empty label.
const char* TitleButtonLabel(int button);
Point TitleButtonTextPosition(int button, int canvasWidth);
Corners TitleButtonHoverBox(int button, int canvasWidth);

// The button whose strip holds the pointer: y at most 25 and x at or right of the button's band
// start (W - 25, W - 49, W - 81, W - 109, W - 137, tried in that order). kNoButton otherwise.
int TitleButtonAt(int x, int y, int canvasWidth);

}  // namespace view
