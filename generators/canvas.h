// generators/canvas.h
// A small RGBA picture with anti-aliased filled shapes, enough to draw the program's icons and
// the donation picture from geometry alone. Coordinates are pixels, (0,0) the top-left corner
// of the top-left pixel; colours are straight (not premultiplied) 8-bit RGBA.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace mediagen {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

class Canvas {
 public:
  Canvas(int width, int height, Rgba fill = {});

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgba At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

  // Paints `colour` over every pixel in proportion to how much of it `inside(x, y)` covers,
  // sampled on a 4x4 grid per pixel.
  void Fill(const std::function<bool(double, double)>& inside, Rgba colour);
  // The same with a colour that varies over the picture (gradients).
  void Fill(const std::function<bool(double, double)>& inside,
            const std::function<Rgba(double, double)>& colourAt);

 private:
  void BlendOver(int x, int y, Rgba colour, double coverage);

  int width_;
  int height_;
  std::vector<Rgba> pixels_;
};

// Shape tests for Canvas::Fill.
std::function<bool(double, double)> RoundedRect(double left, double top, double right,
                                                double bottom, double radius);
std::function<bool(double, double)> Circle(double cx, double cy, double radius);
std::function<bool(double, double)> Ellipse(double cx, double cy, double rx, double ry);
// A heart whose top dips at (cx, top) and whose point is at (cx, top + height).
std::function<bool(double, double)> Heart(double cx, double top, double width, double height);

}  // namespace mediagen
