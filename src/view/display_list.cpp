// src/view/display_list.cpp
#include "view/display_list.h"

#include <utility>

namespace view {

DrawCommand RectangleCommand(int left, int top, int right, int bottom, int penWidth, Colour pen, Colour brush) {
  DrawCommand c;
  c.kind = DrawKind::Rectangle;
  c.x1 = left;
  c.y1 = top;
  c.x2 = right;
  c.y2 = bottom;
  c.penWidth = penWidth;
  c.penColour = pen;
  c.brushColour = brush;
  return c;
}

DrawCommand LineCommand(int x1, int y1, int x2, int y2, int penWidth, Colour pen) {
  DrawCommand c;
  c.kind = DrawKind::Line;
  c.x1 = x1;
  c.y1 = y1;
  c.x2 = x2;
  c.y2 = y2;
  c.penWidth = penWidth;
  c.penColour = pen;
  return c;
}

DrawCommand TextCommand(int x, int y, GbkText text, const char* fontName, bool bold, Colour colour) {
  DrawCommand c;
  c.kind = DrawKind::Text;
  c.x1 = x;
  c.y1 = y;
  c.text = std::move(text);
  c.fontName = fontName;
  c.bold = bold;
  c.textColour = colour;
  return c;
}

DrawCommand PictureCommand(int x, int y, std::uintptr_t picture, int item) {
  DrawCommand c;
  c.kind = DrawKind::Picture;
  c.x1 = x;
  c.y1 = y;
  c.picture = picture;
  c.item = item;
  return c;
}

}  // namespace view
