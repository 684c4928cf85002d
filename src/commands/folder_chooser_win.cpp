// src/commands/folder_chooser_win.cpp
// SHBrowseForFolderA with BIF_EDITBOX, read back with SHGetPathFromIDListA.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "app/creation_sequence_win.h"
#include "commands/folder_chooser.h"

namespace {

struct WindowsToDisable {
  HWND owner;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM context) {
  auto* collected = reinterpret_cast<WindowsToDisable*>(context);
  if (window != collected->owner && IsWindowEnabled(window)) collected->windows.push_back(window);
  return TRUE;
}

// The browser disables its owner itself; the program's other windows are disabled here, so that
// nothing else of the program takes input while the user chooses.
std::vector<HWND> DisableOtherTopLevelWindows(HWND owner) {
  WindowsToDisable collected{owner, {}};
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow, reinterpret_cast<LPARAM>(&collected));
  for (HWND window : collected.windows) EnableWindow(window, FALSE);
  return collected.windows;
}

GbkText ShowSystemFolderChooser(std::string_view prompt) {
  HWND owner = GetActiveWindow();
  std::vector<HWND> disabled = DisableOtherTopLevelWindows(owner);
  HRESULT initialised = CoInitialize(nullptr);  // the browser needs COM on this thread
  std::string title(prompt);
  char displayName[MAX_PATH] = {};
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.pszDisplayName = displayName;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_EDITBOX;
  GbkText folder;
  if (PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&info)) {
    char path[MAX_PATH] = {};
    if (SHGetPathFromIDListA(chosen, path)) folder = path;
    CoTaskMemFree(chosen);
  }
  if (SUCCEEDED(initialised)) CoUninitialize();
  for (HWND window : disabled)
    if (IsWindow(window)) EnableWindow(window, TRUE);
  return folder;
}

}  // namespace

GbkText ChooseFolder(std::string_view prompt) {
  DialogOpenFlag() = 1;
  const FolderChooserHandler& handler = CurrentFolderChooserHandler();
  GbkText folder = handler ? handler(prompt) : ShowSystemFolderChooser(prompt);
  DialogOpenFlag() = 0;
  return folder;
}
