// src/store/special_folder_win.cpp
// The temporary folder (GetTempPathA) and the shell's special folders by CSIDL.
#include <windows.h>
#include <shlobj.h>

#include "store/item_store.h"

GbkText SpecialFolderPath(int folder) {
  char buffer[MAX_PATH + 1] = {};
  if (folder == kTempFolder) {
    DWORD length = GetTempPathA(255, buffer);
    if (length == 0 || length >= 255) return {};
    return WithTrailingBackslash(GbkText(buffer, length));
  }
  LPITEMIDLIST location = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &location)) || location == nullptr) return {};
  const bool found = SHGetPathFromIDListA(location, buffer) != FALSE;
  CoTaskMemFree(location);
  return found ? WithTrailingBackslash(GbkText(buffer)) : GbkText();
}
