// tests/wine/items_wine_support.h
// Shared pieces of the shortcut and item intake tests under Wine: scratch folders, a reading of
// shortcut files through the shell's own link object, file types registered for a test, GDI+.
#pragma once
#include <windows.h>
#include <gdiplus.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_io.h"
#include "wine/wine_test_support.h"

namespace items_wine {

using wine_test::ReadAll;
using wine_test::ScratchFolder;
using wine_test::SystemDir;

inline std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), int(wide.size()));
  wide.resize(size_t(length > 0 ? length - 1 : 0));
  return wide;
}

// A shortcut file as the shell's link object reads it, and its show command from the bytes.
struct ShellReading {
  bool loaded = false;
  std::string target, arguments, workingDirectory, iconPath, description;
  int iconIndex = -1;
  WORD hotkey = 0xFFFF;
  int showCommandInFile = -1;
};

inline ShellReading ReadWithShell(const std::string& path) {
  ShellReading reading;
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(Wide(path).c_str(), STGM_READ))) {
    reading.loaded = true;
    char buffer[4096];
    buffer[0] = 0, link->GetPath(buffer, MAX_PATH, nullptr, 0), reading.target = buffer;
    buffer[0] = 0, link->GetArguments(buffer, sizeof buffer), reading.arguments = buffer;
    buffer[0] = 0, link->GetWorkingDirectory(buffer, MAX_PATH), reading.workingDirectory = buffer;
    buffer[0] = 0, link->GetIconLocation(buffer, MAX_PATH, &reading.iconIndex), reading.iconPath = buffer;
    buffer[0] = 0, link->GetDescription(buffer, sizeof buffer), reading.description = buffer;
    link->GetHotkey(&reading.hotkey);
  }
  if (file) file->Release();
  if (link) link->Release();
  CoUninitialize();
  std::string bytes = ReadAll(path);
  if (bytes.size() >= 0x40)
    reading.showCommandInFile = int(uint8_t(bytes[0x3C]) | uint8_t(bytes[0x3D]) << 8 | uint8_t(bytes[0x3E]) << 16 |
                                    uint32_t(uint8_t(bytes[0x3F])) << 24);
  return reading;
}

// A file type registered under HKEY_CLASSES_ROOT for the life of the object: ".ext" names the
// class; the class gets the given DefaultIcon and open command (each left out when empty).
class RegisteredFileType {
 public:
  RegisteredFileType(const std::string& extension, const std::string& typeClass, const std::string& defaultIcon,
                     const std::string& openCommand = "", DWORD iconType = REG_SZ)
      : extension_("." + extension), class_(typeClass) {
    SetDefault(extension_, typeClass, REG_SZ);
    if (!defaultIcon.empty()) SetDefault(typeClass + "\\DefaultIcon", defaultIcon, iconType);
    if (!openCommand.empty()) SetDefault(typeClass + "\\shell\\open\\command", openCommand, REG_SZ);
  }
  ~RegisteredFileType() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, extension_.c_str());
    RegDeleteKeyA(HKEY_CLASSES_ROOT, extension_.c_str());
    RegDeleteTreeA(HKEY_CLASSES_ROOT, class_.c_str());
    RegDeleteKeyA(HKEY_CLASSES_ROOT, class_.c_str());
  }
  RegisteredFileType(const RegisteredFileType&) = delete;
  RegisteredFileType& operator=(const RegisteredFileType&) = delete;

 private:
  static void SetDefault(const std::string& key, const std::string& value, DWORD type) {
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr),
              ERROR_SUCCESS) << key;
    EXPECT_EQ(RegSetValueExA(opened, nullptr, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                             DWORD(value.size() + 1)), ERROR_SUCCESS) << key;
    RegCloseKey(opened);
  }
  std::string extension_;
  std::string class_;
};

// GDI+ is started once by the program; a test program that reads images starts it here.
class GdiplusSession : public ::testing::Environment {
 public:
  void SetUp() override {
    Gdiplus::GdiplusStartupInput input{};
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
  }
  void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace items_wine
