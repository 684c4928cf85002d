// src/commands/item_commands.cpp
#include "commands/item_commands.h"

#include <algorithm>

#include "commands/drop_intake.h"
#include "icons/item_naming.h"
#include "platform/file_io.h"
#include "store/app_placeholder.h"
#include "store/category_catalogue.h"
#include "store/item_store.h"
#include "store/profile_file.h"
#include "store/store_texts.h"

namespace {

GbkText ReadKey(const ItemRef& item, const char* key) { return profile::Read(item.categoryFile, item.name, key); }

GbkText Location(const ItemRef& item) { return ResolveAppPlaceholder(ReadKey(item, store_text::kTargetKey)); }

// "null" stands for "nothing given".
GbkText WithoutNull(GbkText value) { return value == store_text::kNull ? GbkText() : value; }

// A box with DialogOpenFlag at 1 while it is open.
void Tell(ItemCommandSystem& system, const GbkText& text, const GbkText& title = {}) {
  system.SetDialogFlag(1);
  system.ShowMessage(text, title);
  system.SetDialogFlag(0);
}

std::optional<GbkText> Ask(ItemCommandSystem& system, const GbkText& prompt, const GbkText& title,
                           const GbkText& initial) {
  system.SetDialogFlag(1);
  std::optional<GbkText> answer = system.AskText(prompt, title, initial);
  system.SetDialogFlag(0);
  return answer;
}

void TellTargetMissing(ItemCommandSystem& system, const ItemRef& item, const GbkText& location) {
  Tell(system, item.name + item_text::kTargetMissing + location, item_text::kItemErrorTitle);
}

// Another section of the file already has the name, as the profile functions compare section
// names (without regard to ASCII letter case).
bool NameTakenByAnother(const ItemRef& item, const GbkText& newName) {
  for (const GbkText& name : profile::SectionNames(item.categoryFile))
    if (name != item.name && gbk::EqualsIgnoreAsciiCase(name, newName)) return true;
  return false;
}

bool StartsLine(std::string_view text, size_t offset) { return offset == 0 || text[offset - 1] == '\n'; }

}  // namespace

std::optional<ItemRef> SelectedItem(int selectedItemIndex) {
  const ItemTable& items = GetItemTable();
  const std::string& file = GetCurrentCategory().path;
  if (selectedItemIndex < 1 || static_cast<size_t>(selectedItemIndex) > items.size() || file.empty())
    return std::nullopt;
  return ItemRef{items[static_cast<size_t>(selectedItemIndex) - 1].name, file};
}

void OpenItem(ItemCommandSystem& system, const ItemRef& item) {
  const GbkText location = Location(item);
  const GbkText arguments = WithoutNull(ReadKey(item, store_text::kArgumentsKey));
  if (system.PathExists(location)) {
    system.ShellOpen(location, arguments);
    return;
  }
  TellTargetMissing(system, item, location);
}

void SimulatedRun(ItemCommandSystem& system, const ItemRef& item) {
  const GbkText location = Location(item);
  const GbkText iconLocation = ResolveAppPlaceholder(WithoutNull(ReadKey(item, store_text::kIconSourceKey)));
  const GbkText arguments = WithoutNull(ReadKey(item, store_text::kArgumentsKey));
  GbkText shortcut = system.TempFolder() + item_text::kSimulatedRunShortcut;
  // Without a fresh shortcut there is nothing to open: the writer has already removed any old one.
  if (system.WriteShortcut(shortcut, location, arguments, iconLocation)) system.ShellOpen(shortcut, {});
  system.RemoveFile(shortcut);
}

void ShowItemInFolder(ItemCommandSystem& system, const ItemRef& item) {
  const GbkText location = Location(item);
  if (system.PathExists(location)) {
    system.StartCommandLine(item_text::kExplorerSelect + location);
    return;
  }
  TellTargetMissing(system, item, location);
}

void ChangeItemArguments(ItemCommandSystem& system, const ItemRef& item) {
  const GbkText stored = ReadKey(item, store_text::kArgumentsKey);
  if (stored.empty()) {
    Tell(system, item_text::kCannotChangeArguments);
    return;
  }
  const std::optional<GbkText> typed =
      Ask(system, item.name + item_text::kArgumentsPrompt, item_text::kArgumentsTitle, WithoutNull(stored));
  if (!typed) return;
  // Stored exactly as typed. An empty entry leaves an empty value, which from then on marks the
  // item as one without a command line to change.
  profile::Write(item.categoryFile, item.name, store_text::kArgumentsKey, *typed);
}

void RenameItem(ItemCommandSystem& system, const std::optional<ItemRef>& item) {
  if (!item) {
    system.ReloadItems();
    return;
  }
  const std::optional<GbkText> typed = Ask(system, item_text::kNewNamePrompt, {}, item->name);
  if (!typed) {
    system.ReloadItems();
    return;
  }
  // Item names never hold brackets, which would break the section header.
  const GbkText newName = WithoutBrackets(*typed);
  if (newName == item->name) return;
  // A blank name would hide the item for good (the grid skips it); taken as a cancel.
  if (gbk::TrimBlanks(newName).empty()) {
    system.ReloadItems();
    return;
  }
  // A second section of the same name could not be told apart from the first.
  if (NameTakenByAnother(*item, newName)) {
    Tell(system, newName + drop_text::kNameConflict);
    system.ReloadItems();
    return;
  }
  const std::optional<std::string> text = file_io::ReadWholeFile(item->categoryFile);
  // A file that cannot be read is not rewritten: that would empty it.
  if (!text || !file_io::WriteWholeFile(item->categoryFile, WithSectionRenamed(*text, item->name, newName)))
    Tell(system, item_text::kRenameFailed);
  system.ReloadItems();
}

void DeleteItem(ItemCommandSystem& system, const std::optional<ItemRef>& item) {
  if (item && !system.RemoveItem(item->name)) Tell(system, item_text::kDeleteFailed);
  system.ReloadItems();
}

GbkText WithSectionRenamed(std::string_view text, std::string_view oldName, std::string_view newName) {
  const GbkText from = "[" + GbkText(oldName) + "]\r\n";
  const GbkText to = "[" + GbkText(newName) + "]\r\n";
  GbkText result;
  size_t done = 0;
  for (size_t at = gbk::Find(text, from); at != 0; at = gbk::Find(text, from, at + 1)) {
    const size_t offset = at - 1;
    if (offset < done || !StartsLine(text, offset)) continue;
    result.append(text.substr(done, offset - done));
    result += to;
    done = offset + from.size();
  }
  result.append(text.substr(done));
  return result;
}

int PreviewListWidth(size_t longestNameBytes) {
  // In tenths of a pixel, so that 40 bytes give exactly 248.
  const size_t tenths = longestNameBytes * 62;
  if (tenths > static_cast<size_t>(kPreviewListMaxWidth) * 10) return kPreviewListMaxWidth;
  const int width = static_cast<int>(tenths / 10) + 2;
  return std::max(width, kPreviewListMinWidth);
}

PreviewContent ListPreviewFolder(ItemCommandSystem& system, const GbkText& folder) {
  PreviewContent content;
  content.names = system.FilesOf(folder);
  size_t longest = 0;
  for (const GbkText& name : content.names) longest = std::max(longest, name.size());
  content.width = PreviewListWidth(longest);
  return content;
}

int PreviewListLeft(int pointerScreenX, int windowLeft, int width) {
  // (2d - w) / 2 cuts toward zero as the fractional form does.
  const long long doubled = 2LL * (static_cast<long long>(pointerScreenX) - windowLeft) - width;
  return static_cast<int>(doubled / 2);
}

int PreviewListTop(int pointerScreenY, int windowTop) { return pointerScreenY - windowTop - 25; }
