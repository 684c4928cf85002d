// src/app/store_wiring_win.cpp
#include "app/store_wiring_win.h"

#include <windows.h>
#include <mmsystem.h>

#include "app/main_window_win.h"
#include "app/menus_win.h"
#include "app/running_settings.h"
#include "commands/shortcut_writer.h"
#include "icons/icon_picture_win.h"
#include "icons/item_intake.h"
#include "resources/media.h"
#include "store/store_seams.h"
#include "view/launcher_view_win.h"

namespace {

void LetMessagesRun() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool AskYesNoTitled(const GbkText& text, const GbkText& title) {
  return MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_TASKMODAL | MB_YESNO) == IDYES;
}

}  // namespace

void ConnectStoreToProgram() {
  StoreSeams seams;
  seams.gridValues = [] {
    const RunningSettings& running = Running();
    return GridValues{running.iconSize, running.nameLength, running.columns};
  };
  seams.setColumnCount = [](int32_t columns) { Running().columns = columns; };
  seams.askYesNo = AskYesNoTitled;
  seams.setCaption = [](const GbkText& caption) { SetWindowTextA(MainWindowHandle(), caption.c_str()); };
  seams.letMessagesRun = LetMessagesRun;
  seams.showBackBuffer = [] {
    InvalidateRect(CanvasHandle(), nullptr, FALSE);
    UpdateWindow(CanvasHandle());
  };
  seams.paintLauncher = [] { PaintLauncher(-1); };
  seams.soundsOff = [] { return MenuCheckMarks().isChecked(Command::kSoundsOff); };
  seams.playLoadSound = [] {
    PlaySoundA(reinterpret_cast<LPCSTR>(media::LoadSound().data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
  };
  seams.focusCanvas = [] { SetFocus(CanvasHandle()); };
  seams.loadItemPicture = [](const std::string& cacheFile, int32_t size) {
    return reinterpret_cast<ItemPictureHandle>(LoadItemPicture(cacheFile, size));
  };
  seams.releaseItemPicture = [](ItemPictureHandle picture) {
    if (picture) DeleteObject(reinterpret_cast<HBITMAP>(picture));
  };
  seams.writeShortcut = WriteShortcutRequest;
  seams.addItemFromPath = RebuildItemFromShortcut;
  SetStoreSeams(std::move(seams));
}
