// src/icons/intake_platform_win.cpp
#include <windows.h>

#include <vector>

#include "icons/intake_platform.h"

std::optional<uint32_t> PathAttributes(const GbkText& path) {
  if (path.empty()) return std::nullopt;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

GbkText ClassesRootDefaultValue(const GbkText& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return {};
  DWORD type = 0;
  DWORD size = 0;
  GbkText value;
  if (RegQueryValueExA(opened, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0) {
    std::vector<char> buffer(size + 1, '\0');
    if (RegQueryValueExA(opened, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
        ERROR_SUCCESS)
      value = buffer.data();  // up to the first zero byte; the stored value need not end in one
  }
  RegCloseKey(opened);
  if (type == REG_EXPAND_SZ && !value.empty()) {
    DWORD needed = ExpandEnvironmentStringsA(value.c_str(), nullptr, 0);
    if (needed > 0) {
      std::vector<char> expanded(needed + 1, '\0');
      if (ExpandEnvironmentStringsA(value.c_str(), expanded.data(), needed + 1) > 0) value = expanded.data();
    }
  }
  return value;
}

GbkText SystemDirectoryWithBackslash() {
  char buffer[MAX_PATH + 1] = {};
  const UINT length = GetSystemDirectoryA(buffer, MAX_PATH);
  if (length == 0 || length > MAX_PATH) return {};
  return GbkText(buffer, length) + "\\";
}
