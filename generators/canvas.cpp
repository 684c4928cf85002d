// generators/canvas.cpp
#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace mediagen {

namespace {
constexpr int kSubsamples = 4;
}

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::Fill(const std::function<bool(double, double)>& inside, Rgba colour) {
  Fill(inside, [colour](double, double) { return colour; });
}

void Canvas::Fill(const std::function<bool(double, double)>& inside,
                  const std::function<Rgba(double, double)>& colourAt) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSubsamples; ++sy)
        for (int sx = 0; sx < kSubsamples; ++sx)
          if (inside(x + (sx + 0.5) / kSubsamples, y + (sy + 0.5) / kSubsamples)) ++hits;
      if (hits == 0) continue;
      BlendOver(x, y, colourAt(x + 0.5, y + 0.5), hits / double(kSubsamples * kSubsamples));
    }
  }
}

// Porter-Duff "over" with straight alpha.
void Canvas::BlendOver(int x, int y, Rgba colour, double coverage) {
  Rgba& dst = pixels_[static_cast<std::size_t>(y) * width_ + x];
  const double sa = colour.a / 255.0 * coverage;
  const double da = dst.a / 255.0;
  const double outA = sa + da * (1 - sa);
  if (outA <= 0) {
    dst = {};
    return;
  }
  auto mix = [&](std::uint8_t s, std::uint8_t d) {
    const double v = (s * sa + d * da * (1 - sa)) / outA;
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
  };
  dst = {mix(colour.r, dst.r), mix(colour.g, dst.g), mix(colour.b, dst.b),
         static_cast<std::uint8_t>(std::clamp(std::lround(outA * 255), 0L, 255L))};
}

std::function<bool(double, double)> RoundedRect(double left, double top, double right,
                                                double bottom, double radius) {
  return [=](double x, double y) {
    if (x < left || x > right || y < top || y > bottom) return false;
    const double cx = std::clamp(x, left + radius, right - radius);
    const double cy = std::clamp(y, top + radius, bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  };
}

std::function<bool(double, double)> Circle(double cx, double cy, double radius) {
  return Ellipse(cx, cy, radius, radius);
}

std::function<bool(double, double)> Ellipse(double cx, double cy, double rx, double ry) {
  return [=](double x, double y) {
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
  };
}

// Two circles for the lobes and the region under their outer tangents down to the point.
std::function<bool(double, double)> Heart(double cx, double top, double width, double height) {
  const double r = width / 4;
  const double lobeY = top + r;
  const double leftX = cx - r, rightX = cx + r;
  const double tipY = top + height;
  return [=](double x, double y) {
    if ((x - leftX) * (x - leftX) + (y - lobeY) * (y - lobeY) <= r * r) return true;
    if ((x - rightX) * (x - rightX) + (y - lobeY) * (y - lobeY) <= r * r) return true;
    if (y < lobeY || y > tipY) return false;
    // Straight sides from the lobes' outer edges to the tip.
    const double halfWidth = 2 * r * (tipY - y) / (tipY - lobeY);
    return std::abs(x - cx) <= halfWidth;
  };
}

}  // namespace mediagen
