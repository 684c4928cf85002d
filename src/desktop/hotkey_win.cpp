// src/desktop/hotkey_win.cpp
#include "desktop/hotkey_win.h"

#include "desktop/hotkey.h"
#include "platform/message_box.h"
#include "store/settings_file.h"

namespace {
int g_hotkeyId = 0;
int g_nextHotkeyId = kFirstHotkeyId;
constexpr char kHotkeyFailed[] = "\xD7\xA2\xB2\xE1\xC8\xC8\xBC\xFC\xCA\xA7\xB0\xDC\xA3\xA1";  // 注册热键失败！
}  // namespace

int InstallHotkey(HWND mainWindow) {
  std::optional<HotkeyCombination> combination =
      ParseStoredHotkey(settings::Read(settings::kCategorySection, settings::kHotkey));
  g_hotkeyId = 0;
  if (combination) {
    int id = g_nextHotkeyId++;
    if (RegisterHotKey(mainWindow, id, ToModifierFlags(combination->modifierCode),
                       static_cast<UINT>(combination->keyCode)))
      g_hotkeyId = id;
  }
  if (g_hotkeyId == 0) {
    bool wasVisible = IsWindowVisible(mainWindow);
    ShowWindow(mainWindow, SW_HIDE);
    ShowMessage(kHotkeyFailed);
    if (wasVisible) ShowWindow(mainWindow, SW_SHOW);
  }
  return g_hotkeyId;
}

int HotkeyId() { return g_hotkeyId; }
