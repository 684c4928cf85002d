// tests/unit/view_pointer_hit_test.cpp
#include "view/pointer_hit.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "view/title_bar.h"
#include "view/view_texts.h"

namespace {

using view::Box;
using view::PressButton;
using view::PressTarget;

// W 300 x H 200; categories "ab" and "cdef" (P = 32); items A and B side by side and C below A,
// cells 182 x 72 (S 64, L 16, two columns).
view::ViewState Fixture() {
  view::ViewState s;
  s.width = 300;
  s.height = 200;
  s.categoryPanelWidth = 32;
  s.categories = {{"ab", {2, 0, 32, 20}}, {"cdef", {2, 20, 32, 20}}};
  s.items = {{"A", {0, 0, 182, 72}}, {"B", {182, 0, 182, 72}}, {"C", {0, 72, 182, 72}}};
  return s;
}

}  // namespace

TEST(ViewPointerHit, TitleBarButtonsOwnTheirBands) {
  struct Case { int x, y, button; };
  const Case cases[] = {
      {275, 10, view::kCloseButton}, {299, 25, view::kCloseButton}, {274, 10, view::kHideButton},
      {251, 0, view::kHideButton},   {250, 0, view::kSettingsTab},  {219, 5, view::kSettingsTab},
      {218, 5, view::kDisplayTab},   {191, 5, view::kDisplayTab},   {190, 5, view::kCategoryTab},
      {163, 10, view::kCategoryTab}, {162, 10, view::kNoButton},    {280, 26, view::kNoButton},
      {5000, 10, view::kCloseButton}, {-5, -5, view::kNoButton},
  };
  for (const Case& c : cases) EXPECT_EQ(view::TitleButtonAt(c.x, c.y, 300), c.button) << c.x << "," << c.y;
  // A window narrower than the bar: the bands start left of the canvas, nothing breaks.
  EXPECT_EQ(view::TitleButtonAt(0, 0, 1), view::kCloseButton);
  EXPECT_EQ(view::TitleButtonAt(0, 0, std::numeric_limits<int>::min()), view::kCloseButton);
  EXPECT_EQ(view::TitleButtonAt(std::numeric_limits<int>::min(), 0, std::numeric_limits<int>::max()), view::kNoButton);
}

TEST(ViewPointerHit, ResizeZonesCursorsAndEdgeCodes) {
  struct Case { int x, y, zone, cursor, edgeCode; };
  const Case cases[] = {
      {297, 50, view::kRightZone, 32644, 11},   // W - 3: horizontal resize
      {297, 5, view::kNoZone, 0, 2},            // corner strip: no zone, cursor unchanged, a move
      {230, 3, view::kTopZone, 32645, 12},      // W - 70, 3: top edge
      {3, 50, view::kLeftZone, 32644, 10},
      {50, 197, view::kBottomZone, 32645, 15},
      {295, 197, view::kNoZone, 0, 2},
      {150, 100, view::kNoZone, 0, 2},
      {294, 50, view::kNoZone, 0, 2},           // W - 6 is not yet the edge
      {3, 10, view::kNoZone, 0, 2},             // y 10 is neither beside the sides nor at the top
      {3, 4, view::kTopZone, 32645, 12},        // the top edge reaches into the left corner
      {3, 190, view::kNoZone, 0, 2},
  };
  for (const Case& c : cases) {
    const int zone = view::ResizeZoneAt(c.x, c.y, 300, 200);
    EXPECT_EQ(zone, c.zone) << c.x << "," << c.y;
    EXPECT_EQ(view::CursorForZone(zone), c.cursor);
    EXPECT_EQ(view::EdgeCodeForZone(zone), c.edgeCode);
  }
  // Degenerate windows give some zone and never fault.
  EXPECT_EQ(view::ResizeZoneAt(0, 0, 1, 1), view::kNoZone);
  EXPECT_EQ(view::ResizeZoneAt(5000, 5000, 10000, 10000), view::kNoZone);
  (void)view::ResizeZoneAt(std::numeric_limits<int>::max(), 0, std::numeric_limits<int>::min(), 0);
}

TEST(ViewPointerHit, LabelsAndItemsUseTheirPressBoxes) {
  const view::ViewState s = Fixture();
  struct LabelCase { int x, y; PressButton button; int label; };
  const LabelCase labels[] = {
      {3, 25, PressButton::Left, 0},    // painted label (4, 26, 32, 20), one pixel of slack
      {3, 24, PressButton::Left, -1},
      {36, 46, PressButton::Left, 0},   // shared edge: the first label wins
      {36, 47, PressButton::Left, 1},
      {37, 30, PressButton::Left, -1},
      {10, 5, PressButton::Right, 0},   // right-press box (2, 0, 42, 46) covers the title bar
      {10, 46, PressButton::Right, 0},
      {10, 47, PressButton::Right, 1},
      {44, 30, PressButton::Right, 0},
      {45, 30, PressButton::Right, -1},
      {10, 90, PressButton::Right, -1},
  };
  for (const LabelCase& c : labels) {
    EXPECT_EQ(view::CategoryLabelAt(s.categories, c.x, c.y, c.button), c.label) << c.x << "," << c.y;
  }

  struct ItemCase { int x, y, item; };
  const ItemCase items[] = {
      {43, 25, 1}, {42, 25, -1}, {43, 24, -1}, {226, 98, 1},  // A's box (44, 26, 182, 72)
      {227, 30, 2}, {100, 99, 3}, {100, 171, -1}, {500, 50, -1},
  };
  for (const ItemCase& c : items) EXPECT_EQ(view::ItemAt(s.items, 32, c.x, c.y), c.item) << c.x << "," << c.y;

  EXPECT_TRUE(view::InItemGridArea(43, 25, 32));
  EXPECT_FALSE(view::InItemGridArea(42, 25, 32));
  EXPECT_FALSE(view::InItemGridArea(43, 24, 32));

  const std::vector<view::ItemView> odd = {{"neg", {-100, -100, -5, -5}}, {"max", {2147483647, 2147483647, 2147483647, 2147483647}}};
  EXPECT_EQ(view::ItemAt(odd, 2147483647, 0, 0), -1);
}

TEST(ViewPointerHit, HoverRepaintsOnlyOnAChange) {
  struct Case { int current, x, y, hovered; bool repaint, overButton; };
  const Case cases[] = {
      {view::kNoButton, 280, 10, view::kCloseButton, true, true},
      {view::kCloseButton, 290, 12, view::kCloseButton, false, true},
      {view::kCloseButton, 260, 12, view::kHideButton, true, true},
      {view::kCloseButton, 150, 100, view::kNoButton, true, false},
      {view::kNoButton, 150, 100, view::kNoButton, false, false},
      {view::kNoButton, 280, 26, view::kNoButton, false, false},
  };
  for (const Case& c : cases) {
    const view::HoverUpdate u = view::UpdateHoveredButton(c.current, c.x, c.y, 300);
    EXPECT_EQ(u.hoveredButton, c.hovered) << c.current << " " << c.x << "," << c.y;
    EXPECT_EQ(u.repaint, c.repaint) << c.current << " " << c.x << "," << c.y;
    EXPECT_EQ(u.overButton, c.overButton);
  }
}

TEST(ViewPointerHit, SwapHintNamesThePartner) {
  const view::ViewState s = Fixture();
  const std::string swapB = std::string(view::text::kSwapPrefix) + "B";
  struct Case { int selected, x, y; std::string caption; bool setsPartner; std::string partner; int target; };
  const Case cases[] = {
      {-1, 300, 50, view::text::kSelectFirst, false, "", 2},
      {9, 300, 50, view::text::kSelectFirst, false, "", 2},  // a position past the table is no selection
      {1, 300, 50, swapB, true, "B", 2},
      {1, 100, 50, "A", true, "", 1},                          // over the selected item itself
      {1, 30, 150, "", false, "", -1},                         // over no item: the partner stays
  };
  for (const Case& c : cases) {
    const view::SwapHint hint = view::ComputeSwapHint(s.items, 32, c.selected, c.x, c.y);
    EXPECT_EQ(hint.caption, c.caption) << c.selected << " " << c.x;
    EXPECT_EQ(hint.setsPartner, c.setsPartner);
    EXPECT_EQ(hint.partnerName, c.partner);
    EXPECT_EQ(hint.target, c.target);
    const int width = 6 * static_cast<int>(c.caption.size());
    EXPECT_EQ(hint.label.width, width);
    EXPECT_EQ(hint.label.left, c.x - width / 2);
    EXPECT_EQ(hint.label.top, c.y - 15);
    EXPECT_EQ(hint.label.height, 13);
  }
}

TEST(ViewPointerHit, PressesFindButtonsLabelsAndItemsInOrder) {
  const view::ViewState s = Fixture();
  struct Case { int x, y; PressTarget target; int index; };
  const Case cases[] = {
      {100, 10, PressTarget::Nothing, -1},           // caption area
      {290, 5, PressTarget::TitleButton, view::kCloseButton},
      {165, 25, PressTarget::TitleButton, view::kCategoryTab},
      {10, 30, PressTarget::CategoryLabel, 0},
      {10, 50, PressTarget::CategoryLabel, 1},
      {100, 100, PressTarget::Item, 3},
      {250, 180, PressTarget::Nothing, -1},
  };
  for (const Case& c : cases) {
    const view::PressHit hit = view::LeftPressTarget(s, c.x, c.y);
    EXPECT_EQ(hit.target, c.target) << c.x << "," << c.y;
    EXPECT_EQ(hit.index, c.index) << c.x << "," << c.y;
  }

  struct RightCase { int x, y; view::RightPressPlan plan; };
  const RightCase rights[] = {
      {10, 5, view::RightPressPlan::CategoryMenu},   // title bar above the column
      {20, 55, view::RightPressPlan::CategoryMenu},
      {100, 100, view::RightPressPlan::ItemGrid},
      {250, 180, view::RightPressPlan::ItemGrid},    // empty grid: left press only, no menu
      {20, 150, view::RightPressPlan::Nothing},
      {100, 10, view::RightPressPlan::Nothing},
  };
  for (const RightCase& c : rights) EXPECT_EQ(view::PlanRightPress(s, c.x, c.y), c.plan) << c.x << "," << c.y;
}

TEST(ViewPointerHit, HitBoxesIncludeTheirEdgesAndOnePixelBefore) {
  const Box box{10, 20, 5, 5};
  struct Case { int x, y; bool hit; };
  const Case cases[] = {{9, 19, true}, {15, 25, true}, {8, 20, false}, {16, 20, false}, {10, 26, false}};
  for (const Case& c : cases) EXPECT_EQ(view::BoxHit(box, c.x, c.y), c.hit) << c.x << "," << c.y;
  EXPECT_FALSE(view::BoxHit({std::numeric_limits<int>::max(), 0, std::numeric_limits<int>::max(), 1}, 0, 0));
  EXPECT_TRUE(view::IsItemPosition(3, 3));
  EXPECT_FALSE(view::IsItemPosition(4, 3));
  EXPECT_FALSE(view::IsItemPosition(0, 3));
  EXPECT_FALSE(view::IsItemPosition(-1, 3));
}
