// src/store/category_catalogue.h
// The catalogue of categories: the CategoryList shown in the launcher's category panel, its
// stored order (settings key "类别"), its reconciliation with the *.ini files in the data folder,
// and the CurrentCategory whose items the item store loads. The state lives here; the rest of
// the program reads it through the Get... functions and changes it through the operations.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "store/gbk_text.h"

// Colours are COLORREF values 0x00BBGGRR.
inline constexpr uint32_t kSelectedLabelText = 0xFF8800;
inline constexpr uint32_t kSelectedLabelBack = 0xFFFFFF;
inline constexpr uint32_t kLabelText = 0xFFFFFF;
inline constexpr uint32_t kInitialLabelBackground = 13796652;  // until SetLabelBackground
inline constexpr int32_t kLabelLeft = 2;
inline constexpr int32_t kLabelHeight = 20;

struct LabelRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const LabelRect&) const = default;
};

struct CategoryEntry {
  GbkText name;  // its file is the data folder + name + ".ini"
  LabelRect label;
  uint32_t textColour = kLabelText;
  uint32_t backColour = kInitialLabelBackground;
  bool selected = false;
};

// Display order: the first entry is the top label of the panel.
using CategoryList = std::vector<CategoryEntry>;

// The open category. The path is empty while none is open.
struct CurrentCategory {
  GbkText name;
  GbkText fileName;  // name + ".ini"
  std::string path;  // data folder + file name
};

// How the "载入配置文件失败 … 文件不存在！" message names a category whose file is gone.
enum class MissingFileNaming {
  kBareName,  // the category name, as a click on a label shows it
  kFileName,  // the name with ".ini", as opening the selected entry shows it
};

// --- State, read by painting, hit-testing and the commands -----------------------------------
const CategoryList& GetCategoryList();
// 8 + 6 x the byte length of the longest name; 8 for an empty list. Every label is this wide.
int32_t CategoryPanelWidth();
const CurrentCategory& GetCurrentCategory();
// The name of the first selected entry, or the empty text when none is selected.
GbkText SelectedCategoryName();

// --- Operations ---------------------------------------------------------------------------------
// Rebuilds the list from the stored order and the category files present, selects the entries
// named `requestedName`, stores the reconciled order and opens the selected entry.
void OpenCategory(const GbkText& requestedName);
// OpenCategory with the name stored as "上次打开"; also the command "刷新类别项目".
void ReopenLastCategory();
// Opens the first selected entry; does nothing when none is selected.
void OpenSelectedCategory();
// Makes the category the CurrentCategory, records it as "上次打开" and loads its items.
// Shows the missing-file message and changes nothing when its file is gone; false then.
bool OpenCategoryFile(const GbkText& name, MissingFileNaming naming = MissingFileNaming::kBareName);

// A click on a label: marks entry `index` (0-based) selected and every other entry not, with
// the colours that follow. An index past the list changes nothing.
void SelectCategoryLabel(size_t index);
// The background colour changed (or was loaded): it becomes the colour of every label that is
// not selected, now and at every later rebuild.
void SetLabelBackground(uint32_t colour);
// After the open category was deleted: no category is open.
void CloseCurrentCategory();
// Back to the start-up state (empty list, nothing open, initial background); for tests.
void ResetCategoryCatalogue();
