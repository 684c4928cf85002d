// tests/wine/wine_test_support.h
// What most tests under Wine need: the system folders, a fresh scratch folder, whole-file reads.
#pragma once
#include <windows.h>

#include <string>

#include "platform/file_io.h"

namespace wine_test {

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

}  // namespace wine_test
