// src/view/display_list.h
// A painted picture of the launcher as a list of drawing commands. The window layer replays them
// in order onto the back buffer of the canvas's size and then copies the buffer to the canvas.
#pragma once
#include <cstdint>
#include <vector>

#include "store/gbk_text.h"
#include "view/view_model.h"

namespace view {

enum class DrawKind {
  Rectangle,  // GDI Rectangle(left, top, right, bottom): filled with the brush, outlined with the pen
  Line,       // from (x1, y1) to (x2, y2) with the pen
  Text,       // text with its top-left corner at (x1, y1); no text background is set
  Picture,    // picture at its own size, top-left at (x1, y1)
};

struct DrawCommand {
  DrawKind kind = DrawKind::Rectangle;
  int x1 = 0;  // Rectangle: left, top, right, bottom; Line: both ends; Text, Picture: x1, y1
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  // Rectangle and Line.
  int penWidth = 0;  // 0 draws one pixel wide
  Colour penColour = kBlack;
  Colour brushColour = kWhite;
  // Text.
  GbkText text;
  const char* fontName = "";
  bool bold = false;
  Colour textColour = kBlack;
  // Picture: the window layer's handle and the 1-based item it belongs to.
  std::uintptr_t picture = 0;
  int item = 0;
};

struct DisplayList {
  int width = 0;  // size the back buffer is given before the commands run
  int height = 0;
  std::vector<DrawCommand> commands;
};

DrawCommand RectangleCommand(int left, int top, int right, int bottom, int penWidth, Colour pen, Colour brush);
DrawCommand LineCommand(int x1, int y1, int x2, int y2, int penWidth, Colour pen);
DrawCommand TextCommand(int x, int y, GbkText text, const char* fontName, bool bold, Colour colour);
DrawCommand PictureCommand(int x, int y, std::uintptr_t picture, int item);

}  // namespace view
