// src/view/launcher_layout.cpp
#include "view/launcher_layout.h"

#include <algorithm>

#include "view/pixel_math.h"

namespace view {
namespace {

int Sum(long long a, long long b, long long c = 0) { return ClampToInt(a + b + c); }

}  // namespace

Corners CategoryColumnBox(int panelWidth, int canvasHeight) {
  return {0, 0, Sum(panelWidth, kGridLeftOffset), canvasHeight};
}

Corners CategoryLabelBox(const Box& rect) {
  return {Sum(rect.left, 2), Sum(rect.top, kTitleBarHeight), Sum(rect.left, rect.width, 10),
          Sum(rect.top, rect.height, kTitleBarHeight)};
}

Point CategoryNamePosition(const Box& rect, int panelWidth, size_t nameBytes) {
  const double x = static_cast<double>(rect.left) + panelWidth / 2.0 + 2.0 - 3.25 * static_cast<double>(nameBytes);
  return {CutToInt(x), Sum(rect.top, 28)};
}

Point ItemOrigin(const Box& cell, int panelWidth) {
  return {Sum(panelWidth, cell.left, kGridLeftOffset), Sum(cell.top, kTitleBarHeight)};
}

Corners ItemHighlightBox(const Box& cell, int panelWidth) {
  const long long left = static_cast<long long>(panelWidth) + cell.left;
  return {Sum(left, 13), Sum(cell.top, kTitleBarHeight), Sum(left, cell.width, 12),
          Sum(cell.top, cell.height, kTitleBarHeight)};
}

Point ItemIconPosition(const Box& cell, int panelWidth) {
  return {Sum(panelWidth, cell.left, 16), Sum(cell.top, 30)};
}

Point ItemNamePosition(const Box& cell, int panelWidth, int iconSize) {
  const int size = std::max(iconSize, 0);
  const long long left = static_cast<long long>(panelWidth) + cell.left;
  return {Sum(left, size, 18), CutToInt(static_cast<double>(cell.top) + size / 2.0 + 24.0)};
}

}  // namespace view
