// src/desktop/start_with_system_win.cpp
#include "desktop/start_with_system_win.h"

#include <windows.h>

#include <vector>

std::string StartWithSystemCommand(const AppDirs& dirs) { return dirs.runDir + "\\" + dirs.exeName; }

bool IsStartWithSystemSet(const AppDirs& dirs) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD type = 0, size = 0;
  std::string value;
  if (RegQueryValueExA(key, kRunValueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && size > 0 &&
      size < 65536) {
    std::vector<char> buffer(size + 1, '\0');
    if (RegQueryValueExA(key, kRunValueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
            ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ))
      value.assign(buffer.data());  // up to the terminating zero
  }
  RegCloseKey(key);
  return value == StartWithSystemCommand(dirs);
}
