// tests/wine/icons_wine_support.h
// Shared pieces of the icon tests under Wine: a scratch folder, whole-file reads, the system's
// own programs and libraries to read icons from.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/file_io.h"
#include "wine/wine_test_support.h"

namespace icons_wine {

using wine_test::ReadAll;
using wine_test::ScratchFolder;
using wine_test::SystemDir;
using wine_test::WindowsDir;

// Programs and libraries of the Wine prefix with icon groups of every kind: many numbered ones,
// named ones stored first, none at all.
inline std::vector<std::string> SystemIconSources() {
  std::vector<std::string> files;
  for (const char* name : {"shell32.dll", "user32.dll", "comctl32.dll", "comdlg32.dll", "notepad.exe",
                           "winecfg.exe", "winefile.exe", "explorer.exe"})
    files.push_back(SystemDir() + "\\" + name);
  files.push_back(WindowsDir() + "\\regedit.exe");
  return files;
}

}  // namespace icons_wine
