// src/commands/item_commands.h
// The commands of the item menu "项目" that act on the selected item: start it ("打开项目", also a
// double click), start it through a temporary shortcut ("手动运行(模拟)"), show it in its folder
// ("打开文件位置"), rename it, change its command line, delete it, and the folder preview
// ("预览内容(目录)"). Each reads the item's keys from its section of the open category file at
// the moment it runs; stored paths go through ResolveAppPlaceholder first.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "store/gbk_text.h"

namespace item_text {
inline constexpr const char kItemErrorTitle[] = "\xCF\xEE\xC4\xBF\xB4\xED\xCE\xF3";  // 项目错误
// Item name + " 项目所对应的文件不存在！\r\n" + location.
inline constexpr const char kTargetMissing[] =
    " \xCF\xEE\xC4\xBF\xCB\xF9\xB6\xD4\xD3\xA6\xB5\xC4\xCE\xC4\xBC\xFE\xB2\xBB\xB4\xE6\xD4\xDA\xA3\xA1\r\n";
inline constexpr const char kCannotChangeArguments[] =
    "\xB8\xC3\xCF\xEE\xC4\xBF\xB2\xBB\xC4\xDC\xB9\xBB\xD0\xDE\xB8\xC4\xC3\xFC\xC1\xEE\xD0\xD0\xA3\xA1";  // 该项目不能够修改命令行！
// Item name + " 的命令行：", titled "修改项目命令行".
inline constexpr const char kArgumentsPrompt[] = " \xB5\xC4\xC3\xFC\xC1\xEE\xD0\xD0\xA3\xBA";
inline constexpr const char kArgumentsTitle[] = "\xD0\xDE\xB8\xC4\xCF\xEE\xC4\xBF\xC3\xFC\xC1\xEE\xD0\xD0";
inline constexpr const char kNewNamePrompt[] = "\xD0\xC2\xCF\xEE\xC4\xBF\xC3\xFB\xB3\xC6\xA3\xBA";  // 新项目名称：
inline constexpr const char kRenameFailed[] = "\xB8\xC4\xC3\xFB\xCA\xA7\xB0\xDC\xA3\xA1\xC7\xEB\xD6\xD8\xCA\xD4";  // 改名失败！请重试
inline constexpr const char kDeleteFailed[] = "\xC9\xBE\xB3\xFD\xCA\xA7\xB0\xDC\xA3\xA1\xC7\xEB\xD6\xD8\xCA\xD4";  // 删除失败！请重试
// The item menu's "设置开机启动" has no work of its own yet and says so.
inline constexpr const char kNoCodeYet[] = "\xBB\xB9\xC3\xBB\xD3\xD0\xCC\xEE\xB3\xE4\xB4\xFA\xC2\xEB\xA3\xA1";  // 还没有填充代码！
// The simulated run's shortcut, in the temporary folder.
inline constexpr const char kSimulatedRunShortcut[] = "TVKRN.lnk";
inline constexpr const char kExplorerSelect[] = "Explorer /select, ";
}  // namespace item_text

// One item as a command sees it, both taken when the command starts: its name (the section) and
// the category file that holds it.
struct ItemRef {
  GbkText name;
  std::string categoryFile;
};

// The item at the 1-based SelectedItemIndex of the ItemTable, in the open category; nothing for
// -1, for a position beyond the table, or when no category is open.
std::optional<ItemRef> SelectedItem(int selectedItemIndex);

// Everything the commands read and change outside the category file.
class ItemCommandSystem {
 public:
  virtual ~ItemCommandSystem() = default;
  // A find-first lookup of the path succeeds (a file or a folder is there).
  virtual bool PathExists(const GbkText& path) = 0;
  // The shell's "open" of a file, folder or shortcut, with parameters (empty for none), no
  // working directory, normal window. No result is looked at.
  virtual void ShellOpen(const GbkText& file, const GbkText& parameters) = 0;
  // Starts a command line without waiting for it.
  virtual void StartCommandLine(const GbkText& commandLine) = 0;
  // A message box with one OK button; an empty title is the program's "信息：".
  virtual void ShowMessage(const GbkText& text, const GbkText& title) = 0;
  // The one-line input box; nothing when it was cancelled.
  virtual std::optional<GbkText> AskText(const GbkText& prompt, const GbkText& title, const GbkText& initial) = 0;
  // DialogOpenFlag.
  virtual void SetDialogFlag(int value) = 0;
  // The system's temporary folder, ending in "\".
  virtual GbkText TempFolder() = 0;
  // WriteShortcut with window style 0, no description, no hotkey; true when it was saved.
  virtual bool WriteShortcut(GbkText& shortcutPath, const GbkText& target, const GbkText& arguments,
                             const GbkText& iconLocation) = 0;
  virtual void RemoveFile(const GbkText& path) = 0;
  virtual void ReloadItems() = 0;
  // The item store's removal of an item from the open category; true when the file was written.
  virtual bool RemoveItem(const GbkText& name) = 0;
  // The plain files of a folder (given with its trailing "\"), in the order find-first and
  // find-next give them; entries with the directory attribute are left out.
  virtual std::vector<GbkText> FilesOf(const GbkText& folder) = 0;
};

// "打开项目" and the double click: the item's location is started with its run arguments, or
// "项目错误" says that it is gone.
void OpenItem(ItemCommandSystem& system, const ItemRef& item);
// "手动运行(模拟)": the item is started through a temporary shortcut, as from the desktop, so that
// a program starts in its own folder; nothing is reported.
void SimulatedRun(ItemCommandSystem& system, const ItemRef& item);
// "打开文件位置": Explorer shows the item selected in its folder, or "项目错误" says it is gone.
void ShowItemInFolder(ItemCommandSystem& system, const ItemRef& item);
// "更改项目命令行": the run arguments, through the input box. Only items that carry the key
// "运行参数" (programs) can have them.
void ChangeItemArguments(ItemCommandSystem& system, const ItemRef& item);
// "更改项目名称": the input box, then the section header renamed in the file. Without an item it
// only reloads.
void RenameItem(ItemCommandSystem& system, const std::optional<ItemRef>& item);
// "删除项目": no question asked; the grid is reloaded in every case.
void DeleteItem(ItemCommandSystem& system, const std::optional<ItemRef>& item);

// The category file's text with every header line "[old]" (at the start of the text or of a
// line, followed by CR LF) turned into "[new]"; the rest of the bytes as they were.
GbkText WithSectionRenamed(std::string_view text, std::string_view oldName, std::string_view newName);

// --- Folder preview -------------------------------------------------------------------------------

inline constexpr int kPreviewListMinWidth = 120;
inline constexpr int kPreviewListMaxWidth = 300;
inline constexpr int kPreviewListHeight = 136;

struct PreviewContent {
  std::vector<GbkText> names;  // file names without the folder, in listing order
  int width = kPreviewListMinWidth;
};

// 6.2 pixels per byte of the longest name: more than 300 gives 300, otherwise the whole pixels
// plus 2, at least 120.
int PreviewListWidth(size_t longestNameBytes);
// The files of the folder and the width the list needs for them.
PreviewContent ListPreviewFolder(ItemCommandSystem& system, const GbkText& folder);
// The list's left edge in the main window's client area, centred under the pointer (the
// fraction cut toward zero).
int PreviewListLeft(int pointerScreenX, int windowLeft, int width);
// 25 pixels above the pointer.
int PreviewListTop(int pointerScreenY, int windowTop);
