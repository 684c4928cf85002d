// src/store/category_catalogue.cpp
#include "store/category_catalogue.h"

#include <algorithm>

#include "platform/file_io.h"
#include "platform/message_box.h"
#include "store/app_dirs.h"
#include "store/category_order.h"
#include "store/folder_listing.h"
#include "store/item_store.h"
#include "store/settings_file.h"
#include "store/store_texts.h"

namespace {

CategoryList g_list;
int32_t g_panelWidth = 8;
CurrentCategory g_current;
uint32_t g_background = kInitialLabelBackground;

// Colours follow the selected mark.
void Colour(CategoryEntry& entry) {
  entry.textColour = entry.selected ? kSelectedLabelText : kLabelText;
  entry.backColour = entry.selected ? kSelectedLabelBack : g_background;
}

void Append(const GbkText& name, const GbkText& requestedName) {
  CategoryEntry entry;
  entry.name = name;
  const int64_t top = static_cast<int64_t>(kLabelHeight) * static_cast<int64_t>(g_list.size());
  entry.label = {kLabelLeft, static_cast<int32_t>(std::min<int64_t>(top, INT32_MAX)), 0, kLabelHeight};
  entry.selected = (name == requestedName);
  Colour(entry);
  g_list.push_back(std::move(entry));
}

std::string CategoryFilePath(const GbkText& name) {
  return CurrentAppDirs().dataDir + name + store_text::kCategoryExtension;
}

}  // namespace

const CategoryList& GetCategoryList() { return g_list; }
int32_t CategoryPanelWidth() { return g_panelWidth; }
const CurrentCategory& GetCurrentCategory() { return g_current; }

GbkText SelectedCategoryName() {
  for (const CategoryEntry& entry : g_list)
    if (entry.selected) return entry.name;
  return {};
}

void OpenCategory(const GbkText& requestedName) {
  g_list.clear();
  const std::vector<GbkText> storedNames =
      SplitCategoryOrder(settings::Read(settings::kCategorySection, settings::kCategories));
  std::vector<GbkText> newOrder;

  // Stored names keep their place while their file is there.
  for (const GbkText& name : storedNames) {
    if (!file_io::FileExists(CategoryFilePath(name))) continue;
    Append(name, requestedName);
    newOrder.push_back(name);
  }
  // Category files not yet in the stored order join it at the end.
  const std::string pattern = CurrentAppDirs().runDir + "\\data\\*" + store_text::kCategoryExtension;
  for (const std::string& fileName : folder_listing::FilesMatching(pattern)) {
    const GbkText name = RemoveIniExtensions(fileName);
    if (std::find(storedNames.begin(), storedNames.end(), name) != storedNames.end()) continue;
    Append(name, requestedName);
    newOrder.push_back(name);
  }
  settings::Write(settings::kCategorySection, settings::kCategories, JoinCategoryOrder(newOrder));

  int64_t widest = 0;
  for (const CategoryEntry& entry : g_list) widest = std::max<int64_t>(widest, 6 * static_cast<int64_t>(entry.name.size()));
  g_panelWidth = static_cast<int32_t>(std::min<int64_t>(8 + widest, INT32_MAX));
  for (CategoryEntry& entry : g_list) entry.label.width = g_panelWidth;

  OpenSelectedCategory();
}

void ReopenLastCategory() { OpenCategory(settings::Read(settings::kCategorySection, settings::kLastOpened)); }

void OpenSelectedCategory() {
  for (const CategoryEntry& entry : g_list) {
    if (entry.selected) {
      // A copy: opening reloads items, and nothing may pull the entry from under us.
      const GbkText name = entry.name;
      OpenCategoryFile(name, MissingFileNaming::kFileName);
      return;
    }
  }
}

bool OpenCategoryFile(const GbkText& name, MissingFileNaming naming) {
  const GbkText fileName = name + store_text::kCategoryExtension;
  const std::string path = CurrentAppDirs().dataDir + fileName;
  if (!file_io::FileExists(path)) {
    const GbkText shown = naming == MissingFileNaming::kFileName ? fileName : name;
    ShowMessage(store_text::kLoadFailedBefore + shown + store_text::kLoadFailedAfter);
    return false;
  }
  g_current.fileName = fileName;
  g_current.name = RemoveIniExtensions(fileName);
  g_current.path = path;
  settings::Write(settings::kCategorySection, settings::kLastOpened, g_current.name);
  ReloadItems();
  return true;
}

void SelectCategoryLabel(size_t index) {
  if (index >= g_list.size()) return;
  for (size_t i = 0; i < g_list.size(); ++i) {
    g_list[i].selected = (i == index);
    Colour(g_list[i]);
  }
}

void SetLabelBackground(uint32_t colour) {
  g_background = colour;
  for (CategoryEntry& entry : g_list) Colour(entry);
}

void CloseCurrentCategory() { g_current = CurrentCategory{}; }

void ResetCategoryCatalogue() {
  g_list.clear();
  g_panelWidth = 8;
  g_current = CurrentCategory{};
  g_background = kInitialLabelBackground;
}
