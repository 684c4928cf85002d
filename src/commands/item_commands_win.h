// src/commands/item_commands_win.h
// The item menu's commands as the window calls them, the double click's start of an item on a
// worker thread, and the folder preview list "列表框1" of the main window.
#pragma once
#include <windows.h>

#include "commands/item_commands.h"

// Double click on an item (itemIndex: the 1-based SelectedItemIndex): the item's name and
// category are taken now, on the window's thread, and OpenItem runs on a worker thread of its
// own, which may show "项目错误" from there. Does nothing for -1 or a position past the ItemTable.
void OpenItemOnWorker(int itemIndex);

// The menu entries of "项目", for the SelectedItemIndex of the moment (1-based, -1 for none; a
// position past the ItemTable counts as none).
void RunOpenItemCommand(int selectedItemIndex);              // "打开项目"
void RunSimulatedRunCommand(int selectedItemIndex);          // "手动运行(模拟)"
void RunShowItemInFolderCommand(int selectedItemIndex);      // "打开文件位置"
void RunRenameItemCommand(int selectedItemIndex);            // "更改项目名称"
void RunChangeItemArgumentsCommand(int selectedItemIndex);   // "更改项目命令行"
void RunDeleteItemCommand(int selectedItemIndex);            // "删除项目"
void RunItemStartWithSystemCommand();                        // "设置开机启动" of "项目": not there yet

// --- Folder preview ---------------------------------------------------------------------------
// A right click on a folder item offers its files: PreviewFolder becomes the folder (its path
// followed by "\") and the entry "预览内容(目录)" shows in the item menu.
void OfferFolderPreview(const GbkText& folderWithBackslash);
// "预览内容(目录)": fills the list with the files of PreviewFolder, sizes it, shows it centred
// under the pointer and gives it the keyboard focus.
void RunPreviewFolderCommand();
// The list's focus loss (also the edge watcher's when the pointer leaves it): hides the list and
// the menu entry and gives the focus back to the canvas. PreviewFolder stays.
void ClosePreviewList();
// The list box, or nullptr until the first preview makes it.
HWND PreviewListHandle();
const GbkText& PreviewFolder();

// The program's own ItemCommandSystem: the shell, Explorer, the message and input boxes,
// DialogOpenFlag, the shortcut writer, the item store.
class ProgramItemCommands : public ItemCommandSystem {
 public:
  bool PathExists(const GbkText& path) override;
  void ShellOpen(const GbkText& file, const GbkText& parameters) override;
  void StartCommandLine(const GbkText& commandLine) override;
  void ShowMessage(const GbkText& text, const GbkText& title) override;
  std::optional<GbkText> AskText(const GbkText& prompt, const GbkText& title, const GbkText& initial) override;
  void SetDialogFlag(int value) override;
  GbkText TempFolder() override;
  bool WriteShortcut(GbkText& shortcutPath, const GbkText& target, const GbkText& arguments,
                     const GbkText& iconLocation) override;
  void RemoveFile(const GbkText& path) override;
  void ReloadItems() override;
  bool RemoveItem(const GbkText& name) override;
  std::vector<GbkText> FilesOf(const GbkText& folder) override;
};
