// src/view/view_state_win.cpp
#include "view/view_state_win.h"

#include <string>

#include "app/running_settings.h"
#include "app/main_window_win.h"
#include "store/category_catalogue.h"
#include "store/item_store.h"
#include "view/colour_theme.h"
#include "view/launcher_view_win.h"
#include "view/pointer_state_win.h"

namespace {

view::Colour g_titleBar = view::TitleBarColourFor(kDefaultBackground);

GbkText CaptionOf(HWND window) {
  if (!window) return {};
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

view::Box BoxOf(const LabelRect& r) { return {r.left, r.top, r.width, r.height}; }
view::Box BoxOf(const ItemCell& c) { return {c.left, c.top, c.width, c.height}; }

}  // namespace

view::ViewState CurrentViewState(HWND canvas, int highlight) {
  view::ViewState state;
  RECT client{};
  if (canvas && GetClientRect(canvas, &client)) {
    state.width = client.right - client.left;
    state.height = client.bottom - client.top;
  }
  state.caption = CaptionOf(MainWindowHandle());
  state.background = Running().background;
  state.titleBar = g_titleBar;
  state.categoryPanelWidth = CategoryPanelWidth();
  const CategoryList& categories = GetCategoryList();
  state.categories.reserve(categories.size());
  for (const CategoryEntry& entry : categories) {
    state.categories.push_back({entry.name, BoxOf(entry.label), entry.textColour, entry.backColour, entry.selected});
  }
  const ItemTable& items = GetItemTable();
  state.items.reserve(items.size());
  for (const ItemRecord& item : items) state.items.push_back({item.name, BoxOf(item.cell), item.picture});
  state.iconSize = Running().iconSize;
  state.nameLength = Running().nameLength;
  state.hoveredButton = LauncherPointer().hoveredButton;
  state.highlight = highlight;
  return state;
}

view::Colour CurrentTitleBarColour() { return g_titleBar; }

void ApplyTheme() {
  const view::Colour background = Running().background;
  SetLabelBackground(background);
  g_titleBar = view::TitleBarColourFor(background);
}
