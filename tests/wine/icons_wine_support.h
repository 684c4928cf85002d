// tests/wine/icons_wine_support.h
// Shared pieces of the icon tests under Wine: a scratch folder, whole-file reads, the system's
// own programs and libraries to read icons from.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/file_io.h"

namespace icons_wine {

inline std::string SystemDir() {
  char path[MAX_PATH] = {};
  GetSystemDirectoryA(path, sizeof path);
  return path;
}

inline std::string WindowsDir() {
  char path[MAX_PATH] = {};
  GetWindowsDirectoryA(path, sizeof path);
  return path;
}

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

// A fresh folder under the temporary folder (no trailing backslash).
inline std::string ScratchFolder(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  static int counter = 0;
  std::string folder = std::string(temp) + name + "_" + std::to_string(GetCurrentProcessId()) + "_" +
                       std::to_string(counter++);
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

inline std::string ReadAll(const std::string& path) { return file_io::ReadWholeFile(path).value_or(""); }

}  // namespace icons_wine
