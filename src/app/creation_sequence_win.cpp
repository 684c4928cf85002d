// src/app/creation_sequence_win.cpp
#include "app/creation_sequence_win.h"

#include <string>

#include "app/launcher_state_win.h"
#include "app/main_window_win.h"
#include "app/menus_win.h"
#include "app/instance_lock_win.h"
#include "app/running_settings.h"
#include "app/store_wiring_win.h"
#include "commands/drop_target_win.h"
#include "desktop/hotkey_win.h"
#include "desktop/start_with_system_win.h"
#include "desktop/tray_icon_win.h"
#include "platform/file_io.h"
#include "reminders/reminder_loop_win.h"
#include "store/app_dirs.h"
#include "store/settings_file.h"
#include "view/launcher_view_win.h"

namespace {

constexpr UINT_PTR kFirstStartTimer = 1;
constexpr UINT_PTR kRepaintTimer = 2;
constexpr UINT kOneShotDelayMs = 100;

// The one-shot actions that start-up schedules 100 ms ahead run on the user-interface thread.
void CALLBACK OneShot(HWND window, UINT, UINT_PTR id, DWORD) {
  KillTimer(window, id);
  if (id == kFirstStartTimer) ShowDonationPanel();
  if (id == kRepaintTimer) PaintLauncher(-1);
}

AppDirs DirsOfThisProgram() {
  char path[MAX_PATH * 2] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path - 1);
  std::string full(path, length);
  size_t slash = full.find_last_of('\\');
  if (slash == std::string::npos) return MakeAppDirs(".", full);
  return MakeAppDirs(full.substr(0, slash), full.substr(slash + 1));
}

// Each stored value is applied alone, so a file holding only "左边" moves the window sideways.
void RestoreGeometry(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  int left = rect.left, top = rect.top, width = rect.right - rect.left, height = rect.bottom - rect.top;
  auto apply = [](const char* key, int& value) {
    GbkText stored = settings::Read(settings::kWindowSection, key);
    if (!stored.empty()) value = gbk::LeadingInteger(stored);
  };
  apply(settings::kLeft, left);
  apply(settings::kTop, top);
  apply(settings::kWidth, width);
  apply(settings::kHeight, height);
  SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void LoadSettingsAtStart(const AppDirs& dirs) {
  ConnectStoreToProgram();
  ApplyStoredPreferences([](std::string_view key) { return settings::Read(settings::kCategorySection, key); },
                         Running(), MenuCheckMarks());
  SetWindowTextA(MainWindowHandle(), Running().caption.c_str());
  ApplyTheme();
  ReopenLastCategoryAtStart();
  MenuCheckMarks().setChecked(Command::kStartWithSystem, IsStartWithSystemSet(dirs));
}

}  // namespace

int& DialogOpenFlag() {
  static int flag = 0;
  return flag;
}

void RunCreationSequence(HWND mainWindow) {
  // 1. The default title.
  Running().caption = kDefaultTitle;

  // 2. The instance lock. The data folder is made first: without it no lock file could be
  // written, and a first start would run unguarded next to a second one.
  const AppDirs dirs = DirsOfThisProgram();
  file_io::MakeDirectory(dirs.runDir + "\\data");
  InstanceLock lock = AcquireInstanceLock(dirs.lockFile);
  if (lock == InstanceLock::kHeldElsewhere) ExitProcess(0);
  if (lock == InstanceLock::kFirstStart) SetTimer(mainWindow, kFirstStartTimer, kOneShotDelayMs, OneShot);

  // 3. The caption.
  SetWindowTextA(mainWindow, Running().caption.c_str());
  // 4.-5. The data folder (made above) and the paths below it.
  SetCurrentAppDirs(dirs);
  // 6. Icon size.
  Running().iconSize = kDefaultIconSize;
  // 7. Window geometry.
  RestoreGeometry(mainWindow);
  // 8. Global hotkey.
  InstallHotkey(mainWindow);
  // 9. The handle is kept for window dragging: MainWindowHandle().
  // 10. Drop shadow.
  SetClassLongPtrA(mainWindow, GCL_STYLE, GetClassLongPtrA(mainWindow, GCL_STYLE) | CS_DROPSHADOW);
  // 11. BackBuffer and IconBuffer.
  CreateCanvasBuffers();
  // 12. Item display length.
  Running().nameLength = kDefaultNameLength;
  // 13. Stored settings, the last category and its items, start with the system.
  LoadSettingsAtStart(dirs);
  // 14. Tray icon.
  InstallTrayIcon();
  // 15. Edge hiding state and the dialog flag.
  ClearEdgeHidingState();
  DialogOpenFlag() = 0;
  // 16. Drop target on the canvas.
  InstallCanvasDrop();
  // 17. Reminder tick.
  StartReminderLoop();
  // 18. One repaint, 100 ms from now.
  SetTimer(mainWindow, kRepaintTimer, kOneShotDelayMs, OneShot);
  // 19. Edge watcher.
  StartEdgeWatcher();
}
