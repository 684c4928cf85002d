// src/store/item_store.h
// The item store: the items of the open category live in its category file, one section per
// item in grid order (keys "文件位置", "运行参数", "图标位置", "图标hash", the last written last);
// memory keeps only the ItemTable that painting and hit-testing need. ReloadItems rebuilds it
// from the file after every change, remove item takes an item out of the file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "store/category_catalogue.h"
#include "store/category_file.h"
#include "store/gbk_text.h"
#include "store/item_cell.h"
#include "store/section_block.h"
#include "store/store_seams.h"

struct ItemRecord {
  GbkText name;          // the section name, shown under the icon
  ItemCell cell;         // relative to the grid's origin
  ItemPictureHandle picture = 0;  // S x S icon made by the seam loadItemPicture; 0 for none
};

// The shown items of the CurrentCategory in file order. An item whose icon is not cached yet is
// not in it, but its section still takes its cell in the grid.
using ItemTable = std::vector<ItemRecord>;
const ItemTable& GetItemTable();

// Rebuilds the ItemTable from the open category file: lays out the cells, makes each cached icon
// into a picture and extracts the icons that are missing (then reloads once more so they show),
// asks whether to remove items whose icon and target are both gone, repaints, plays the load
// sound unless sounds are off, and gives the focus to the launcher canvas.
void ReloadItems();

// Deletes the item's cached icon and removes its SectionBlock from the open category file,
// keeping every other byte. True when the file was written.
bool RemoveItem(const GbkText& name);

// A folder's path ending in "\": CSIDL `folder`, or the temporary folder for kTempFolder.
// The empty text when it cannot be found.
inline constexpr int kTempFolder = 1;
GbkText SpecialFolderPath(int folder);

// The path with "\" appended unless it is empty or already ends in one.
GbkText WithTrailingBackslash(const GbkText& path);

// Upper bound on the extra passes one reload makes after extracting icons.
inline constexpr int kMaxReloadRepeats = 2;
