// src/view/pointer_hit.h
// What the pointer is over on the painted launcher: title-bar buttons, resize edges, category
// labels and items, and the decisions of a move or a press that follow from it. Positions are
// canvas coordinates, which are also window coordinates (the canvas lies at (0, 0)).
#pragma once
#include <vector>

#include "store/gbk_text.h"
#include "view/view_model.h"

namespace view {

// Pointer state of the launcher, owned by the window layer's pointer handlers.
struct PointerState {
  int selectedItemIndex = -1;  // 1-based item position; -1, or a position past the table, is none
  int hoveredButton = kNoButton;
  int resizeZone = 0;          // zone of the last move
  Point lastPointer;
  bool userResized = false;    // set at the first edge resize, never cleared
  int swapTarget = -1;
  GbkText swapPartnerName;
};

// A box (left, top, width, height) holds (x, y) when left - 1 <= x <= left + width and
// top - 1 <= y <= top + height.
bool BoxHit(const Box& box, int x, int y);

// True when `selected` names an item of a table with `itemCount` items.
bool IsItemPosition(int selected, size_t itemCount);

// --- Resize edges -------------------------------------------------------------------------
inline constexpr int kNoZone = 0;
inline constexpr int kRightZone = 1;
inline constexpr int kLeftZone = 2;
inline constexpr int kTopZone = 3;
inline constexpr int kBottomZone = 4;

// The edge under the pointer for a window of width W and height H, tried right, left, top,
// bottom: right W - 6 < x < W and 10 < y < H - 10; left x < 6 and 10 < y < H - 10;
// top x < W - 10 and y < 6; bottom x < W - 10 and H - 6 < y < H.
int ResizeZoneAt(int x, int y, int windowWidth, int windowHeight);
// The system cursor of a zone (IDC_SIZEWE 32644, IDC_SIZENS 32645), 0 to leave it as it is.
int CursorForZone(int zone);
// What a left press tells the system to do in that zone: HTRIGHT 11, HTLEFT 10, HTTOP 12,
// HTBOTTOM 15, or HTCAPTION 2 (move the window).
int EdgeCodeForZone(int zone);

// --- Labels and items ---------------------------------------------------------------------
enum class PressButton { Left, Right };

// The first label hit, 0-based, or -1. A left press hits the painted label, the box
// (l + 2, t + 26, w, h); a right press the box (2, t, w + 10, h + 26), which reaches up over
// the title bar above the column.
int CategoryLabelAt(const std::vector<CategoryLabel>& labels, int x, int y, PressButton button);

// The item grid for a right press: x >= P + 11 and y >= 25.
bool InItemGridArea(int x, int y, int panelWidth);

// The first item whose box (P + x + 12, y + 26, w, h) is hit, 1-based, or -1.
int ItemAt(const std::vector<ItemView>& items, int panelWidth, int x, int y);

// --- Pointer moves ------------------------------------------------------------------------
struct HoverUpdate {
  int hoveredButton = kNoButton;  // the new hover state
  bool repaint = false;           // only when it changed
  bool overButton = false;        // a move over a button ends there: no swap hint handling
};
HoverUpdate UpdateHoveredButton(int hoveredButton, int x, int y, int canvasWidth);

// The floating hint shown above the pointer while Ctrl alone is held.
struct SwapHint {
  int target = -1;             // the item under the pointer, or -1
  GbkText caption;
  bool setsPartner = false;    // whether the partner name is to be replaced by `partnerName`
  GbkText partnerName;
  Box label;                   // 6 pixels per byte wide, centred on x, its bottom 2 above y
};
inline constexpr int kSwapLabelHeight = 13;
SwapHint ComputeSwapHint(const std::vector<ItemView>& items, int panelWidth, int selectedItemIndex, int x, int y);

// --- Presses ------------------------------------------------------------------------------
enum class PressTarget { Nothing, TitleButton, CategoryLabel, Item };

struct PressHit {
  PressTarget target = PressTarget::Nothing;
  int index = -1;  // button 1..5, label 0-based, item 1-based
};

// A left press, after the move or resize loop has returned: title-bar buttons first, then the
// labels, then the items.
PressHit LeftPressTarget(const ViewState& view, int x, int y);

// A right press: over a label's right-press box it runs the left press and opens the category
// menu; in the item grid it runs the left press and then, over an item (hit-tested after the
// left press, which may have rebuilt the table), opens the item menu; elsewhere nothing.
enum class RightPressPlan { Nothing, CategoryMenu, ItemGrid };
RightPressPlan PlanRightPress(const ViewState& view, int x, int y);

}  // namespace view
