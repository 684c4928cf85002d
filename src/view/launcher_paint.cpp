// src/view/launcher_paint.cpp
#include "view/launcher_paint.h"

#include <algorithm>

#include "view/fit_name.h"
#include "view/launcher_layout.h"
#include "view/pixel_math.h"
#include "view/title_bar.h"
#include "view/view_texts.h"

namespace view {
namespace {

constexpr int kThinPen = 0;   // one pixel
constexpr int kThickPen = 2;

void AddRectangle(DisplayList& list, const Corners& box, int penWidth, Colour pen, Colour brush) {
  list.commands.push_back(RectangleCommand(box.left, box.top, box.right, box.bottom, penWidth, pen, brush));
}

void AddText(DisplayList& list, Point at, GbkText text, const char* font, bool bold, Colour colour) {
  if (text.empty()) return;
  list.commands.push_back(TextCommand(at.x, at.y, std::move(text), font, bold, colour));
}

void AddTitleBar(DisplayList& list, const ViewState& s, int width) {
  AddRectangle(list, {0, 0, width, kTitleBarHeight}, kThickPen, s.titleBar, s.titleBar);
  AddText(list, kCaptionPosition, s.caption, text::kSongTi, true, kWhite);
  if (s.hoveredButton == kCloseButton) {
    AddRectangle(list, TitleButtonHoverBox(kCloseButton, width), kThickPen, kRed, kRed);
  } else if (s.hoveredButton >= kHideButton && s.hoveredButton <= kCategoryTab) {
    AddRectangle(list, TitleButtonHoverBox(s.hoveredButton, width), kThickPen, s.background, s.background);
  }
  for (int button = 1; button <= kTitleButtonCount; ++button) {
    AddText(list, TitleButtonTextPosition(button, width), TitleButtonLabel(button), text::kSongTi, true, kWhite);
  }
}

void AddItems(DisplayList& list, const ViewState& s, int width, int height, int panelWidth) {
  const int iconSize = std::max(s.iconSize, 0);
  const int count = ClampToInt(static_cast<long long>(s.items.size()));
  for (int i = 1; i <= count; ++i) {
    const ItemView& item = s.items[static_cast<size_t>(i - 1)];
    const Point origin = ItemOrigin(item.cell, panelWidth);
    // Everything an item draws lies right of and below its origin.
    if (origin.x >= width || origin.y >= height) continue;
    if (i == s.highlight) AddRectangle(list, ItemHighlightBox(item.cell, panelWidth), kThickPen, kRed, kWhite);
    const Point icon = ItemIconPosition(item.cell, panelWidth);
    if (item.picture != 0) {
      list.commands.push_back(PictureCommand(icon.x, icon.y, item.picture, i));
    } else if (iconSize > 0) {
      // No picture: a box of the icon's size keeps the item visible where its icon belongs.
      const Corners box{icon.x, icon.y, ClampToInt(static_cast<long long>(icon.x) + iconSize),
                        ClampToInt(static_cast<long long>(icon.y) + iconSize)};
      AddRectangle(list, box, kThinPen, kPlaceholderFrame, kPlaceholderFill);
    }
    AddText(list, ItemNamePosition(item.cell, panelWidth, iconSize), FitName(item.name, s.nameLength), text::kYaHei,
            false, kBlack);
  }
}

void AddCategoryLabels(DisplayList& list, const ViewState& s, int panelWidth) {
  for (const CategoryLabel& label : s.categories) {
    AddRectangle(list, CategoryLabelBox(label.rect), kThinPen, label.backColour, label.backColour);
    AddText(list, CategoryNamePosition(label.rect, panelWidth, label.name.size()), label.name, text::kYaHei, false,
            label.textColour);
  }
}

}  // namespace

DisplayList BuildLauncherPaint(const ViewState& s) {
  const int width = std::max(s.width, 0);
  const int height = std::max(s.height, 0);
  const int panelWidth = std::max(s.categoryPanelWidth, 0);

  DisplayList list;
  list.width = width;
  list.height = height;
  list.commands.reserve(16 + 3 * s.items.size() + 2 * s.categories.size());

  AddRectangle(list, {0, 0, width, height}, kThinPen, kWhite, kWhite);
  AddRectangle(list, CategoryColumnBox(panelWidth, height), kThinPen, s.background, s.background);
  list.commands.push_back(LineCommand(width - 1, 0, width - 1, height, kThickPen, s.background));
  list.commands.push_back(LineCommand(0, height - 1, width, height - 1, kThickPen, s.background));
  AddTitleBar(list, s, width);
  AddItems(list, s, width, height, panelWidth);
  AddCategoryLabels(list, s, panelWidth);
  return list;
}

}  // namespace view
