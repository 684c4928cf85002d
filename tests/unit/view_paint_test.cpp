// tests/unit/view_paint_test.cpp
#include "view/launcher_view.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "view/colour_theme.h"
#include "view/launcher_layout.h"
#include "view/view_texts.h"

namespace {

using view::Box;
using view::DrawCommand;
using view::DrawKind;

// One line per command, so a whole picture compares as a list of readable strings.
std::string Describe(const DrawCommand& c) {
  char buffer[160];
  switch (c.kind) {
    case DrawKind::Rectangle:
      std::snprintf(buffer, sizeof buffer, "rect %d,%d,%d,%d pen%d %06X/%06X", c.x1, c.y1, c.x2, c.y2, c.penWidth,
                    c.penColour, c.brushColour);
      break;
    case DrawKind::Line:
      std::snprintf(buffer, sizeof buffer, "line %d,%d,%d,%d pen%d %06X", c.x1, c.y1, c.x2, c.y2, c.penWidth,
                    c.penColour);
      break;
    case DrawKind::Text: {
      const char* font = std::string(c.fontName) == view::text::kSongTi  ? "song"
                         : std::string(c.fontName) == view::text::kYaHei ? "yahei"
                                                                         : "?";
      std::snprintf(buffer, sizeof buffer, "text %d,%d %s%s %06X '%s'", c.x1, c.y1, font, c.bold ? " bold" : "",
                    c.textColour, c.text.c_str());
      break;
    }
    case DrawKind::Picture:
      std::snprintf(buffer, sizeof buffer, "pic %d,%d #%d", c.x1, c.y1, c.item);
      break;
  }
  return buffer;
}

std::vector<std::string> Describe(const view::DisplayList& list) {
  std::vector<std::string> out;
  for (const DrawCommand& c : list.commands) out.push_back(Describe(c));
  return out;
}

std::vector<std::string> Matching(const view::DisplayList& list, const std::string& prefix) {
  std::vector<std::string> out;
  for (const std::string& line : Describe(list)) {
    if (line.rfind(prefix, 0) == 0) out.push_back(line);
  }
  return out;
}

// Cells as the item loader lays them out: (7L + S + 6) x (S + 8), row by row in C columns.
Box Cell(int ordinal, int iconSize, int nameLength, int columns) {
  const int w = 7 * nameLength + iconSize + 6;
  const int h = iconSize + 8;
  return {((ordinal - 1) % columns) * w, ((ordinal - 1) / columns) * h, w, h};
}

// W 400 x H 300, two categories "ab" (selected) and "cdef", so P = 8 + 6 * 4 = 32, and two
// items with pictures in two columns, S 64, L 16.
view::ViewState Fixture() {
  view::ViewState s;
  s.width = 400;
  s.height = 300;
  s.caption = "TovenkV3.16";
  s.background = view::kDefaultBackground;
  s.titleBar = view::TitleBarColourFor(s.background);
  s.categoryPanelWidth = 32;
  s.categories = {{"ab", {2, 0, 32, 20}, view::kSelectedLabelText, view::kWhite, true},
                  {"cdef", {2, 20, 32, 20}, view::kWhite, s.background, false}};
  s.items = {{"Notepad", Cell(1, 64, 16, 2), 11}, {"ABCDEFGHIJKLMNOPQ", Cell(2, 64, 16, 2), 22}};
  return s;
}

}  // namespace

TEST(ViewPaint, ComposesTheWholeWindowInPaintOrder) {
  const view::DisplayList list = view::BuildLauncherPaint(Fixture());
  EXPECT_EQ(list.width, 400);
  EXPECT_EQ(list.height, 300);
  const std::vector<std::string> expected = {
      "rect 0,0,400,300 pen0 FFFFFF/FFFFFF",
      "rect 0,0,44,300 pen0 D2852C/D2852C",  // category column, red 44 green 133 blue 210
      "line 399,0,399,300 pen2 D2852C",
      "line 0,299,400,299 pen2 D2852C",
      "rect 0,0,400,26 pen2 8C5007/8C5007",  // title bar, red 7 green 80 blue 140
      "text 9,6 song bold FFFFFF 'TovenkV3.16'",
      "text 382,6 song bold FFFFFF '\xA1\xC1'",
      "text 358,6 song bold FFFFFF '\xA3\xAD'",
      "text 320,6 song bold FFFFFF '\xC9\xE8\xD6\xC3'",
      "text 292,6 song bold FFFFFF '\xCF\xD4\xCA\xBE'",
      "text 264,6 song bold FFFFFF '\xC0\xE0\xB1\xF0'",
      "pic 48,30 #1",
      "text 114,56 yahei 000000 'Notepad'",
      "pic 230,30 #2",
      "text 296,56 yahei 000000 'ABCDEFGHIJKLMNO...'",
      "rect 4,26,44,46 pen0 FFFFFF/FFFFFF",
      "text 13,28 yahei FF8800 'ab'",  // 2 + 16 + 2 - 6.5 = 13.5, cut to 13
      "rect 4,46,44,66 pen0 D2852C/D2852C",
      "text 7,48 yahei FFFFFF 'cdef'",
  };
  EXPECT_EQ(Describe(list), expected);
}

TEST(ViewPaint, HoveredButtonShowsItsBoxBehindTheLabels) {
  struct Case { int hovered; std::vector<std::string> boxes; };
  const Case cases[] = {
      {1, {"rect 376,0,400,25 pen2 0000FF/0000FF"}},
      {2, {"rect 352,0,376,25 pen2 D2852C/D2852C"}},
      {3, {"rect 320,0,346,25 pen2 D2852C/D2852C"}},
      {4, {"rect 292,0,318,25 pen2 D2852C/D2852C"}},
      {5, {"rect 264,0,290,25 pen2 D2852C/D2852C"}},
      {-1, {}},
      {0, {}},
      {6, {}},
  };
  for (const Case& c : cases) {
    view::ViewState s = Fixture();
    s.hoveredButton = c.hovered;
    const std::vector<std::string> all = Describe(view::BuildLauncherPaint(s));
    // The hover box, if any, comes right after the caption and before the button labels.
    std::vector<std::string> boxes;
    if (all[6].rfind("rect", 0) == 0) boxes.push_back(all[6]);
    EXPECT_EQ(boxes, c.boxes) << c.hovered;
    EXPECT_EQ(all.size(), 19 + c.boxes.size());
  }
}

TEST(ViewPaint, HighlightFramesOnlyAnItemOfTheTable) {
  struct Case { int highlight; std::vector<std::string> frames; };
  const Case cases[] = {
      {1, {"rect 45,26,226,98 pen2 0000FF/FFFFFF"}},
      {2, {"rect 227,26,408,98 pen2 0000FF/FFFFFF"}},
      {-1, {}},
      {0, {}},
      {3, {}},
  };
  for (const Case& c : cases) {
    view::ViewState s = Fixture();
    s.highlight = c.highlight;
    const view::DisplayList list = view::BuildLauncherPaint(s);
    EXPECT_EQ(Matching(list, "rect 45,26,").size() + Matching(list, "rect 227,26,").size(), c.frames.size());
    if (!c.frames.empty()) {
      const std::vector<std::string> all = Describe(list);
      // The frame is drawn just before the item's picture, so the icon sits on its white ground.
      const std::string picture = c.highlight == 1 ? "pic 48,30 #1" : "pic 230,30 #2";
      for (size_t i = 0; i + 1 < all.size(); ++i) {
        if (all[i + 1] == picture) {
          EXPECT_EQ(all[i], c.frames[0]);
        }
      }
    }
  }
}

TEST(ViewPaint, EmptyCatalogueGivesTheNarrowColumnWithoutLabels) {
  view::ViewState s = Fixture();
  s.categories.clear();
  s.categoryPanelWidth = 8;
  const view::DisplayList list = view::BuildLauncherPaint(s);
  EXPECT_EQ(Describe(list)[1], "rect 0,0,20,300 pen0 D2852C/D2852C");
  EXPECT_EQ(Matching(list, "rect 4,").size(), 0u);
  // S 64, L 16: the first item's icon at (P + 16, 30), its name at (P + 82, 56).
  EXPECT_EQ(Matching(list, "pic 24,30 #1").size(), 1u);
  EXPECT_EQ(Matching(list, "text 90,56 ").size(), 1u);
}

TEST(ViewPaint, ItemWithoutPictureGetsAPlaceholderOfTheIconSize) {
  struct Case { int iconSize; std::vector<std::string> drawn; };
  const Case cases[] = {
      {64, {"rect 48,30,112,94 pen0 808080/F0F0F0", "text 114,56 yahei 000000 'Notepad'"}},
      {33, {"rect 48,30,81,63 pen0 808080/F0F0F0", "text 83,40 yahei 000000 'Notepad'"}},  // 16.5 + 24 cut
      {0, {"text 50,24 yahei 000000 'Notepad'"}},
      {-40, {"text 50,24 yahei 000000 'Notepad'"}},  // a negative size draws as 0
  };
  for (const Case& c : cases) {
    view::ViewState s = Fixture();
    s.iconSize = c.iconSize;
    s.items.resize(1);
    s.items[0].picture = 0;
    const std::vector<std::string> all = Describe(view::BuildLauncherPaint(s));
    const std::vector<std::string> items(all.begin() + 11, all.end() - 4);
    EXPECT_EQ(items, c.drawn) << c.iconSize;
  }
}

TEST(ViewPaint, CategoryNamesAreCentredByTheirByteLength) {
  struct Case { Box rect; int panelWidth; size_t bytes; view::Point expected; };
  const Case cases[] = {
      {{2, 0, 32, 20}, 32, 2, {13, 28}},      // 13.5
      {{2, 40, 32, 20}, 32, 4, {7, 68}},
      {{2, 0, 8, 20}, 8, 35, {-105, 28}},     // -105.75 cut toward zero
      {{2, 0, 8, 20}, 8, 0, {8, 28}},
  };
  for (const Case& c : cases) {
    const view::Point p = view::CategoryNamePosition(c.rect, c.panelWidth, c.bytes);
    EXPECT_EQ(p.x, c.expected.x) << c.bytes;
    EXPECT_EQ(p.y, c.expected.y) << c.bytes;
  }
}

TEST(ViewPaint, ItemsOffTheCanvasAreLeftOut) {
  view::ViewState s = Fixture();
  s.width = 240;
  s.height = 160;
  s.items.clear();
  for (int j = 1; j <= 10000; ++j) s.items.push_back({"x", Cell(j, 64, 16, 2), 1});
  const view::DisplayList list = view::BuildLauncherPaint(s);
  // Only the cells of the first two rows start inside 240 x 160 (the third row starts at 170).
  EXPECT_EQ(Matching(list, "pic ").size(), 4u);
  EXPECT_EQ(Matching(list, "pic 230,102 #4").size(), 1u);
}

TEST(ViewPaint, DegenerateSizesPaintWithoutFault) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  struct Case { int width, height, iconSize, nameLength, panelWidth; Box cell; };
  const Case cases[] = {
      {1, 1, 64, 16, 8, {0, 0, 182, 72}},
      {0, 0, 0, 0, 0, {0, 0, 6, 8}},
      {-5, -5, -1, -1, -8, {0, 0, -1, -90}},
      {10000, 10000, 10000, 10000, 10000, {0, 0, 80006, 10008}},
      {kMax, kMax, kMax, kMax, kMax, {kMax, kMax, kMax, kMax}},
      {10000, 10000, kMin, kMin, 8, {kMin, kMin, kMin, kMin}},
  };
  for (const Case& c : cases) {
    view::ViewState s = Fixture();
    s.width = c.width;
    s.height = c.height;
    s.iconSize = c.iconSize;
    s.nameLength = c.nameLength;
    s.categoryPanelWidth = c.panelWidth;
    s.highlight = 1;
    s.items = {{std::string(10000, 'n'), c.cell, 0}};
    s.categories.push_back({std::string(10000, 'c'), {2, kMax, kMax, kMax}, view::kWhite, 0, false});
    const view::DisplayList list = view::BuildLauncherPaint(s);
    EXPECT_GE(list.width, 0);
    EXPECT_GE(list.height, 0);
    EXPECT_GE(list.commands.size(), 11u);
    for (const DrawCommand& command : list.commands) EXPECT_LE(command.text.size(), 10000u);
  }
}
