// src/store/item_cell.h
// Where each item stands in the launcher's grid: the cell of the j-th section of a category file
// for icon size S, shown name length L and C columns. Every section has its cell, shown or not.
#pragma once
#include <cstdint>

// Pixels relative to the grid's origin (painting places the grid).
struct ItemCell {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const ItemCell&) const = default;
};

// Width S + 7L + 6, height S + 8; column (j - 1) mod C, row (j - 1) div C (j from 1). Values that
// would not fit 32 bits are held at the 32-bit limits. A column count of 0 puts every cell at 0, 0.
ItemCell CellForSection(int64_t j, int32_t iconSize, int32_t nameLength, int32_t columns);
