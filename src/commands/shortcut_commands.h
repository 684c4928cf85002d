// src/commands/shortcut_commands.h
// The shortcut commands of the menus. "生成快捷方式" (item menu) writes a shortcut of the selected
// item into a folder the user chooses; "批量生成快捷方式" (category menu) writes one shortcut per
// item of the open category into a new folder, named after the selected category, inside a
// chosen folder. A shortcut that cannot be written is not reported.
#pragma once
#include "store/gbk_text.h"

namespace shortcut_text {
inline constexpr const char kChooseFolderPrompt[] =
    "\xC7\xEB\xD1\xA1\xD4\xF1\xB1\xA3\xB4\xE6\xC4\xBF\xC2\xBC\xA3\xBA";  // 请选择保存目录：
// Follows the open category's file path when the batch folder cannot be made.
inline constexpr const char kFolderNotCreated[] =
    "  \xC4\xBF\xC2\xBC\xB4\xB4\xBD\xA8\xCA\xA7\xB0\xDC\xA3\xA1\r\n"                          // 目录创建失败！
    "\xC7\xEB\xBC\xEC\xB2\xE9\xCA\xC7\xB7\xF1\xB4\xE6\xD4\xDA\xD6\xD8\xC3\xFB\xCE\xC4\xBC\xFE\xBC\xD0";  // 请检查是否存在重名文件夹
}  // namespace shortcut_text

// What an item's shortcut holds, from its section of the open category file: the target
// ("文件位置"), the arguments ("运行参数", "null" for none) and the icon location ("图标位置", "null"
// or absent for none), both paths with "##APP##" resolved.
struct ItemShortcutSource {
  GbkText target;
  GbkText arguments;
  GbkText iconLocation;
};
ItemShortcutSource ReadItemShortcutSource(const GbkText& itemName);

// Command::kItemShortcut, for SelectedItemIndex (1-based; -1, or a position past the ItemTable,
// means no item is selected and nothing happens).
void RunItemShortcutCommand(int selectedItemIndex);
// The same once the selected item is known: chooser, then <folder>\<item name>.lnk.
void CreateItemShortcut(const GbkText& itemName);

// Command::kBatchShortcuts.
void RunBatchShortcutsCommand();
