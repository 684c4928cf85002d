// The Win32 side of start-up, in-process: menus from the table, the instance lock, the hotkey
// registration and its failure box, the start-with-the-system check.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/instance_lock_win.h"
#include "app/menus_win.h"
#include "desktop/hotkey_win.h"
#include "desktop/start_with_system_win.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "store/app_dirs.h"
#include "store/settings_file.h"

namespace {

std::string TempFolder(const char* name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  std::string folder = std::string(temp) + name + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA((folder + "\\data").c_str(), nullptr);
  return folder;
}

std::vector<std::string> MenuTexts(HMENU menu) {
  std::vector<std::string> texts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[256] = {};
    UINT state = GetMenuState(menu, i, MF_BYPOSITION);
    if (state & MF_SEPARATOR) texts.push_back("-");
    else {
      GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
      texts.push_back(std::string((state & MF_CHECKED) ? "*" : "") + ((state & MF_GRAYED) ? "~" : "") + text);
    }
  }
  return texts;
}

}  // namespace

TEST(Menus, AreMadeFromTheTableInOrderWithTheirFirstMarks) {
  CreateMenus();
  EXPECT_EQ(MenuTexts(MenuHandle(MenuId::kTray)),
            (std::vector<std::string>{"\xCF\xD4\xCA\xBE\xB4\xB0\xBF\xDA(\xBD\xF6\xCF\xD4\xCA\xBE)",  // 显示窗口(仅显示)
                                      "\xCF\xD4\xCA\xBE\xB4\xB0\xBF\xDA(\xBE\xD3\xD6\xD0)",          // 显示窗口(居中)
                                      "-", "\xB9\xD8\xB1\xD5\xCF\xD4\xCA\xBE\xC6\xF7",              // 关闭显示器
                                      "\xCD\xCB\xB3\xF6\xB3\xCC\xD0\xF2"}));                        // 退出程序
  std::vector<std::string> display = MenuTexts(MenuHandle(MenuId::kDisplay));
  ASSERT_EQ(display.size(), 14u);
  EXPECT_EQ(display[2], "*\xCD\xBC\xB1\xEA\xB4\xF3\xD0\xA1 64x64");  // checked 图标大小 64x64
  EXPECT_EQ(display[10], "*\xCB\xAB\xC1\xD0\xCF\xD4\xCA\xBE");       // checked 双列显示
  std::vector<std::string> settingsMenu = MenuTexts(MenuHandle(MenuId::kSettings));
  ASSERT_EQ(settingsMenu.size(), 15u);
  EXPECT_EQ(settingsMenu[6].substr(0, 1), "~");  // the default-hotkey line is information only
  EXPECT_EQ(MenuTexts(MenuHandle(MenuId::kCategory)).size(), 8u);

  // The folder preview entry is left out until it is shown, then takes its place at the top.
  HMENU item = MenuHandle(MenuId::kItem);
  EXPECT_EQ(GetMenuItemCount(item), 14);
  SetMenuEntryVisible(MenuId::kItem, Command::kPreviewFolder, true);
  EXPECT_EQ(GetMenuItemCount(item), 15);
  EXPECT_EQ(GetMenuItemID(item, 0), static_cast<UINT>(Command::kPreviewFolder));
  SetMenuEntryVisible(MenuId::kItem, Command::kPreviewFolder, false);
  EXPECT_EQ(GetMenuItemCount(item), 14);

  CheckMarks& marks = MenuCheckMarks();
  marks.setChecked(Command::kSoundsOff, true);
  EXPECT_TRUE(marks.isChecked(Command::kSoundsOff));
  marks.setChecked(Command::kSoundsOff, false);
  EXPECT_FALSE(marks.isChecked(Command::kSoundsOff));
}

TEST(InstanceLock, FirstStartWritesOneZeroByteAndASecondHolderIsRefused) {
  std::string folder = TempFolder("tovenk-lock-");
  std::string lock = folder + "\\data\\tvk.s";
  DeleteFileA(lock.c_str());
  EXPECT_EQ(AcquireInstanceLock(lock), InstanceLock::kFirstStart);
  EXPECT_EQ(AcquireInstanceLock(lock), InstanceLock::kHeldElsewhere);  // the handle above stays open

  // A lock file left behind by an instance that has ended opens normally.
  std::string stale = folder + "\\data\\stale.s";
  ASSERT_TRUE(file_io::WriteWholeFile(stale, std::string(1, '\0')));
  EXPECT_EQ(AcquireInstanceLock(stale), InstanceLock::kHeld);

  // No data folder at all: a first start that runs without a lock.
  EXPECT_EQ(AcquireInstanceLock(folder + "\\missing\\tvk.s"), InstanceLock::kFirstStart);
}

TEST(Hotkey, RegistersTheStoredCombinationOrSaysItFailed) {
  std::string folder = TempFolder("tovenk-hotkey-");
  SetCurrentAppDirs(MakeAppDirs(folder, "Tovenk.exe"));
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  std::vector<std::string> boxes;
  SetMessageBoxHandler([&](std::string_view text, BoxButtons) {
    boxes.emplace_back(text);
    return BoxAnswer::kOk;
  });

  settings::Write(settings::kCategorySection, settings::kHotkey, "3+65");  // Ctrl+Shift+A
  int first = InstallHotkey(window);
  EXPECT_GE(first, 33001);
  EXPECT_TRUE(boxes.empty());
  UnregisterHotKey(window, first);

  settings::Write(settings::kCategorySection, settings::kHotkey, "8");  // one piece: nothing registered
  EXPECT_EQ(InstallHotkey(window), 0);
  EXPECT_EQ(HotkeyId(), 0);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "\xD7\xA2\xB2\xE1\xC8\xC8\xBC\xFC\xCA\xA7\xB0\xDC\xA3\xA1");  // 注册热键失败！
  SetMessageBoxHandler(nullptr);
  DestroyWindow(window);
}

TEST(StartWithSystem, OnlyTheExactPathCounts) {
  AppDirs dirs = MakeAppDirs("C:\\Tools\\Tovenk", "Tovenk.exe");
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  auto store = [&](const std::string& value) {
    RegSetValueExA(key, kRunValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
  };
  store("C:\\Tools\\Tovenk\\Tovenk.exe");
  EXPECT_TRUE(IsStartWithSystemSet(dirs));
  store("c:\\tools\\tovenk\\Tovenk.exe");  // another letter case is not the program's path
  EXPECT_FALSE(IsStartWithSystemSet(dirs));
  RegDeleteValueA(key, kRunValueName);
  EXPECT_FALSE(IsStartWithSystemSet(dirs));
  RegCloseKey(key);
}
