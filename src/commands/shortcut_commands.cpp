// src/commands/shortcut_commands.cpp
#include "commands/shortcut_commands.h"

#include <vector>

#include "commands/folder_chooser.h"
#include "commands/shortcut_writer.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "store/app_placeholder.h"
#include "store/category_catalogue.h"
#include "store/category_file.h"
#include "store/item_store.h"
#include "store/store_texts.h"

namespace {

GbkText WithoutNull(GbkText value) { return value == store_text::kNull ? GbkText() : value; }

void WriteItemShortcut(const GbkText& itemName, GbkText shortcutPath) {
  const ItemShortcutSource source = ReadItemShortcutSource(itemName);
  WriteShortcut(shortcutPath, source.target, source.arguments, source.iconLocation);
}

// A new folder only: one that is already there (or a file of that name) is a failure, so the
// command never writes into a folder of an earlier run.
bool MakeNewFolder(const GbkText& folder) {
  if (file_io::DirectoryExists(folder) || file_io::FileExists(folder)) return false;
  return file_io::MakeDirectory(folder);
}

}  // namespace

ItemShortcutSource ReadItemShortcutSource(const GbkText& itemName) {
  ItemShortcutSource source;
  source.target = ResolveAppPlaceholder(category_file::Read(itemName, store_text::kTargetKey));
  source.arguments = WithoutNull(category_file::Read(itemName, store_text::kArgumentsKey));
  source.iconLocation = ResolveAppPlaceholder(WithoutNull(category_file::Read(itemName, store_text::kIconSourceKey)));
  return source;
}

void RunItemShortcutCommand(int selectedItemIndex) {
  const ItemTable& items = GetItemTable();
  if (selectedItemIndex < 1 || static_cast<size_t>(selectedItemIndex) > items.size()) return;
  CreateItemShortcut(items[static_cast<size_t>(selectedItemIndex) - 1].name);
}

void CreateItemShortcut(const GbkText& itemName) {
  const GbkText folder = ChooseFolder(shortcut_text::kChooseFolderPrompt);
  if (folder.empty()) return;
  WriteItemShortcut(itemName, WithTrailingBackslash(folder) + itemName + ".lnk");
}

void RunBatchShortcutsCommand() {
  const GbkText folder = ChooseFolder(shortcut_text::kChooseFolderPrompt);
  if (folder.empty()) return;
  const std::vector<GbkText> names = category_file::SectionNames();
  const GbkText newFolder = WithTrailingBackslash(folder) + SelectedCategoryName();
  if (!MakeNewFolder(newFolder)) {
    ShowMessage(GetCurrentCategory().path + shortcut_text::kFolderNotCreated);
    return;
  }
  for (const GbkText& name : names) WriteItemShortcut(name, newFolder + "\\" + name + ".lnk");
}
