// src/store/item_cell.cpp
#include "store/item_cell.h"

#include <algorithm>

namespace {

int32_t Clamp32(int64_t value) { return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX)); }

}  // namespace

ItemCell CellForSection(int64_t j, int32_t iconSize, int32_t nameLength, int32_t columns) {
  ItemCell cell;
  cell.width = Clamp32(static_cast<int64_t>(iconSize) + 7 * static_cast<int64_t>(nameLength) + 6);
  cell.height = Clamp32(static_cast<int64_t>(iconSize) + 8);
  if (columns == 0) return cell;
  // Truncating division, as the grid has always been laid out (a negative count gives odd but
  // harmless places). j and the cell sides are within 32 bits, so the products fit 64 bits.
  const int64_t column = (j - 1) % columns;
  const int64_t row = (j - 1) / columns;
  cell.left = Clamp32(column * cell.width);
  cell.top = Clamp32(row * cell.height);
  return cell;
}
