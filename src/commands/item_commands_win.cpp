// src/commands/item_commands_win.cpp
#include "commands/item_commands_win.h"

#include <objbase.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "app/creation_sequence_win.h"
#include "commands/input_box.h"
#include "commands/shortcut_writer.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "store/folder_listing.h"
#include "store/item_store.h"

namespace {

DWORD WINAPI OpenItemThread(LPVOID parameter) {
  std::unique_ptr<ItemRef> item(static_cast<ItemRef*>(parameter));
  // The shell may need COM on the thread that opens a file.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  ProgramItemCommands system;
  OpenItem(system, *item);
  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}

template <typename Command>
void ForSelected(int selectedItemIndex, Command command) {
  if (std::optional<ItemRef> item = SelectedItem(selectedItemIndex)) {
    ProgramItemCommands system;
    command(system, *item);
  }
}

}  // namespace

void OpenItemOnWorker(int itemIndex) {
  std::optional<ItemRef> item = SelectedItem(itemIndex);
  if (!item) return;
  auto job = std::make_unique<ItemRef>(std::move(*item));
  HANDLE thread = CreateThread(nullptr, 0, OpenItemThread, job.get(), 0, nullptr);
  if (!thread) return;
  job.release();  // the thread owns it now
  CloseHandle(thread);
}

void RunOpenItemCommand(int selectedItemIndex) { ForSelected(selectedItemIndex, OpenItem); }
void RunSimulatedRunCommand(int selectedItemIndex) { ForSelected(selectedItemIndex, SimulatedRun); }
void RunShowItemInFolderCommand(int selectedItemIndex) { ForSelected(selectedItemIndex, ShowItemInFolder); }
void RunChangeItemArgumentsCommand(int selectedItemIndex) { ForSelected(selectedItemIndex, ChangeItemArguments); }

void RunRenameItemCommand(int selectedItemIndex) {
  ProgramItemCommands system;
  RenameItem(system, SelectedItem(selectedItemIndex));
}

void RunDeleteItemCommand(int selectedItemIndex) {
  ProgramItemCommands system;
  DeleteItem(system, SelectedItem(selectedItemIndex));
}

void RunItemStartWithSystemCommand() {
  DialogOpenFlag() = 1;
  ::ShowMessage(item_text::kNoCodeYet);
  DialogOpenFlag() = 0;
}

// --- ProgramItemCommands -------------------------------------------------------------------------

bool ProgramItemCommands::PathExists(const GbkText& path) {
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

void ProgramItemCommands::ShellOpen(const GbkText& file, const GbkText& parameters) {
  ShellExecuteA(nullptr, "open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr,
                SW_SHOWNORMAL);
}

void ProgramItemCommands::StartCommandLine(const GbkText& commandLine) {
  std::string line = commandLine;  // CreateProcessA may write into it
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

void ProgramItemCommands::ShowMessage(const GbkText& text, const GbkText& title) {
  if (title.empty()) {
    ::ShowMessage(text);
    return;
  }
  MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK | MB_TASKMODAL);
}

std::optional<GbkText> ProgramItemCommands::AskText(const GbkText& prompt, const GbkText& title,
                                                    const GbkText& initial) {
  return AskForText(prompt, title, initial);
}

void ProgramItemCommands::SetDialogFlag(int value) { DialogOpenFlag() = value; }

GbkText ProgramItemCommands::TempFolder() { return SpecialFolderPath(kTempFolder); }

bool ProgramItemCommands::WriteShortcut(GbkText& shortcutPath, const GbkText& target, const GbkText& arguments,
                                        const GbkText& iconLocation) {
  return ::WriteShortcut(shortcutPath, target, arguments, iconLocation);
}

void ProgramItemCommands::RemoveFile(const GbkText& path) { file_io::RemoveFile(path); }

void ProgramItemCommands::ReloadItems() { ::ReloadItems(); }

bool ProgramItemCommands::RemoveItem(const GbkText& name) { return ::RemoveItem(name); }

std::vector<GbkText> ProgramItemCommands::FilesOf(const GbkText& folder) {
  return folder_listing::FilesMatching(folder + "*.*");
}
