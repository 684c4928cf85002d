// src/view/pointer_hit.cpp
#include "view/pointer_hit.h"

#include "view/pixel_math.h"
#include "view/title_bar.h"
#include "view/view_texts.h"

namespace view {
namespace {

constexpr int kSizeWeCursor = 32644;  // IDC_SIZEWE
constexpr int kSizeNsCursor = 32645;  // IDC_SIZENS
constexpr int kHtCaption = 2;
constexpr int kHtLeft = 10;
constexpr int kHtRight = 11;
constexpr int kHtTop = 12;
constexpr int kHtBottom = 15;

}  // namespace

bool BoxHit(const Box& box, int x, int y) {
  const long long left = box.left;
  const long long top = box.top;
  return left - 1 <= x && x <= left + box.width && top - 1 <= y && y <= top + box.height;
}

bool IsItemPosition(int selected, size_t itemCount) {
  return selected >= 1 && static_cast<size_t>(selected) <= itemCount;
}

int ResizeZoneAt(int x, int y, int windowWidth, int windowHeight) {
  const long long w = windowWidth;
  const long long h = windowHeight;
  const bool besideSides = 10 < y && y < h - 10;
  if (w - 6 < x && x < w && besideSides) return kRightZone;
  if (x < 6 && besideSides) return kLeftZone;
  if (x < w - 10 && y < 6) return kTopZone;
  if (x < w - 10 && h - 6 < y && y < h) return kBottomZone;
  return kNoZone;
}

int CursorForZone(int zone) {
  switch (zone) {
    case kRightZone:
    case kLeftZone:
      return kSizeWeCursor;
    case kTopZone:
    case kBottomZone:
      return kSizeNsCursor;
    default:
      return 0;
  }
}

int EdgeCodeForZone(int zone) {
  switch (zone) {
    case kRightZone:
      return kHtRight;
    case kLeftZone:
      return kHtLeft;
    case kTopZone:
      return kHtTop;
    case kBottomZone:
      return kHtBottom;
    default:
      return kHtCaption;
  }
}

int CategoryLabelAt(const std::vector<CategoryLabel>& labels, int x, int y, PressButton button) {
  for (size_t k = 0; k < labels.size(); ++k) {
    const Box& r = labels[k].rect;
    const Box box = button == PressButton::Left
                        ? Box{ClampToInt(r.left + 2LL), ClampToInt(r.top + 26LL), r.width, r.height}
                        : Box{2, r.top, ClampToInt(r.width + 10LL), ClampToInt(r.height + 26LL)};
    if (BoxHit(box, x, y)) return static_cast<int>(k);
  }
  return -1;
}

bool InItemGridArea(int x, int y, int panelWidth) { return x >= panelWidth + 11LL && y >= 25; }

int ItemAt(const std::vector<ItemView>& items, int panelWidth, int x, int y) {
  for (size_t i = 0; i < items.size(); ++i) {
    const Box& c = items[i].cell;
    const Box box{ClampToInt(static_cast<long long>(panelWidth) + c.left + 12), ClampToInt(c.top + 26LL), c.width,
                  c.height};
    if (BoxHit(box, x, y)) return ClampToInt(static_cast<long long>(i) + 1);
  }
  return -1;
}

HoverUpdate UpdateHoveredButton(int hoveredButton, int x, int y, int canvasWidth) {
  const int button = TitleButtonAt(x, y, canvasWidth);
  if (button != kNoButton) return {button, button != hoveredButton, true};
  return {kNoButton, hoveredButton != kNoButton, false};
}

SwapHint ComputeSwapHint(const std::vector<ItemView>& items, int panelWidth, int selectedItemIndex, int x, int y) {
  SwapHint hint;
  hint.target = ItemAt(items, panelWidth, x, y);
  if (!IsItemPosition(selectedItemIndex, items.size())) {
    hint.caption = text::kSelectFirst;
  } else if (hint.target == -1) {
    // Nothing under the pointer: an empty hint, the partner stays as it was.
  } else if (hint.target != selectedItemIndex) {
    const GbkText& name = items[static_cast<size_t>(hint.target - 1)].name;
    hint.caption = GbkText(text::kSwapPrefix) + name;
    hint.setsPartner = true;
    hint.partnerName = name;
  } else {
    hint.caption = items[static_cast<size_t>(selectedItemIndex - 1)].name;
    hint.setsPartner = true;
  }
  const long long width = 6LL * static_cast<long long>(hint.caption.size());
  hint.label = {ClampToInt(x - width / 2), ClampToInt(static_cast<long long>(y) - kSwapLabelHeight - 2),
                ClampToInt(width), kSwapLabelHeight};
  return hint;
}

PressHit LeftPressTarget(const ViewState& view, int x, int y) {
  const int button = TitleButtonAt(x, y, view.width);
  if (button != kNoButton) return {PressTarget::TitleButton, button};
  const int label = CategoryLabelAt(view.categories, x, y, PressButton::Left);
  if (label != -1) return {PressTarget::CategoryLabel, label};
  const int item = ItemAt(view.items, view.categoryPanelWidth, x, y);
  if (item != -1) return {PressTarget::Item, item};
  return {};
}

RightPressPlan PlanRightPress(const ViewState& view, int x, int y) {
  if (CategoryLabelAt(view.categories, x, y, PressButton::Right) != -1) return RightPressPlan::CategoryMenu;
  if (InItemGridArea(x, y, view.categoryPanelWidth)) return RightPressPlan::ItemGrid;
  return RightPressPlan::Nothing;
}

}  // namespace view
