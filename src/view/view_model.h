// src/view/view_model.h
// What the launcher view reads to paint and hit-test the window: plain copies of the category
// labels and the item table, the display settings and the colours. The window layer fills these
// from the catalogue and the item store; nothing here touches a file or a window.
#pragma once
#include <cstdint>
#include <vector>

#include "store/gbk_text.h"

namespace view {

// COLORREF layout: 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kSelectedLabelText = 0xFF8800;  // blue text of the open category
inline constexpr Colour kDefaultBackground = 13796652;  // red 44, green 133, blue 210

constexpr Colour MakeColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) | (static_cast<Colour>(blue) << 16);
}
constexpr std::uint8_t RedOf(Colour c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GreenOf(Colour c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(Colour c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

// A rectangle given by its corner and size: a label rectangle, an item cell, a window.
struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct Point {
  int x = 0;
  int y = 0;
};

// One label of the category column, in panel coordinates (the catalogue gives the k-th label,
// k from 0, the box (2, 20k, panel width, 20)).
struct CategoryLabel {
  GbkText name;
  Box rect;
  Colour textColour = kWhite;
  Colour backColour = kDefaultBackground;
  bool selected = false;
};

// One shown item: its name, its cell in grid coordinates (not counting the category column and
// the title bar) and the window layer's picture handle, 0 when the item has no picture.
struct ItemView {
  GbkText name;
  Box cell;
  std::uintptr_t picture = 0;
};

// Title-bar buttons as the hover state numbers them.
inline constexpr int kNoButton = -1;
inline constexpr int kCloseButton = 1;     // "×"
inline constexpr int kHideButton = 2;      // "－"
inline constexpr int kSettingsTab = 3;     // "设置"
inline constexpr int kDisplayTab = 4;      // "显示"
inline constexpr int kCategoryTab = 5;     // "类别"

// Everything one paint of the launcher reads.
struct ViewState {
  int width = 0;   // canvas width W (the canvas covers the whole window)
  int height = 0;  // canvas height H
  GbkText caption;
  Colour background = kDefaultBackground;  // B
  Colour titleBar = 0;                     // T, derived from B
  int categoryPanelWidth = 8;              // P
  std::vector<CategoryLabel> categories;
  std::vector<ItemView> items;             // in item table order
  int iconSize = 64;                       // S
  int nameLength = 16;                     // L, bytes of a name shown before "..."
  int hoveredButton = kNoButton;
  int highlight = -1;                      // 1-based item position, anything else highlights nothing
};

}  // namespace view
