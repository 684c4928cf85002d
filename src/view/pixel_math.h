// src/view/pixel_math.h
// Pixel arithmetic that cannot overflow: geometry is summed in 64 bits and brought back into the
// 32-bit range, and coordinates computed with a fraction are cut toward zero, as the window
// layout expects.
#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

namespace view {

inline int ClampToInt(long long value) {
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

// A fractional coordinate cut toward zero (7.75 -> 7, -0.5 -> 0).
inline int CutToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (value <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(std::trunc(value));
}

}  // namespace view
