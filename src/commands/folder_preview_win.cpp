// src/commands/folder_preview_win.cpp
// The folder preview list "列表框1": a list box of the main window, made hidden on first use
// (designed 120 x 136 pixels), shown over the canvas by "预览内容(目录)". Its double click and
// focus loss are caught by a procedure of our own in front of the list box's.
#include <windows.h>

#include "app/main_window_win.h"
#include "app/menus_win.h"
#include "commands/item_commands_win.h"

namespace {

HWND g_list = nullptr;
WNDPROC g_listProc = nullptr;
GbkText g_previewFolder;
bool g_closing = false;

GbkText CurrentEntryText(HWND list) {
  const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (index == LB_ERR) return {};
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR || length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT read = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(read == LB_ERR ? 0 : static_cast<size_t>(read));
  return text;
}

void OpenChosenFile(HWND list) {
  if (g_previewFolder.empty()) return;
  const GbkText entry = CurrentEntryText(list);
  // A double click below the last entry chooses nothing: the folder itself is not opened.
  if (!entry.empty()) {
    ProgramItemCommands system;
    system.ShellOpen(g_previewFolder + entry, {});
  }
  ClosePreviewList();
  g_previewFolder.clear();
}

LRESULT CALLBACK PreviewListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcA(g_listProc, list, message, wParam, lParam);
  if (message == WM_LBUTTONDBLCLK) OpenChosenFile(list);
  if (message == WM_KILLFOCUS) ClosePreviewList();
  return result;
}

HWND MakePreviewList() {
  if (g_list && IsWindow(g_list)) return g_list;
  HWND owner = MainWindowHandle();
  if (!owner) return nullptr;
  // Designed outside the visible part of the window; only shown where the pointer is.
  g_list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VSCROLL | WS_CLIPSIBLINGS | LBS_NOINTEGRALHEIGHT,
                           -2 * kPreviewListMinWidth, 0, kPreviewListMinWidth, kPreviewListHeight, owner, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  if (!g_list) return nullptr;
  SendMessageA(g_list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  g_listProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(g_list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PreviewListProc)));
  return g_list;
}

}  // namespace

void OfferFolderPreview(const GbkText& folderWithBackslash) {
  g_previewFolder = folderWithBackslash;
  SetMenuEntryVisible(MenuId::kItem, Command::kPreviewFolder, true);
}

void RunPreviewFolderCommand() {
  if (g_previewFolder.empty()) return;
  HWND list = MakePreviewList();
  if (!list) return;
  ProgramItemCommands system;
  const PreviewContent content = ListPreviewFolder(system, g_previewFolder);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const GbkText& name : content.names) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);

  POINT pointer{};
  GetCursorPos(&pointer);
  RECT window{};
  GetWindowRect(MainWindowHandle(), &window);
  RECT current{};
  GetWindowRect(list, &current);
  SetWindowPos(list, HWND_TOP, PreviewListLeft(pointer.x, window.left, content.width),
               PreviewListTop(pointer.y, window.top), content.width, current.bottom - current.top, SWP_SHOWWINDOW);
  InvalidateRect(list, nullptr, TRUE);
  SetFocus(list);
}

void ClosePreviewList() {
  // Hiding the list and moving the focus make it lose the focus again: once is enough.
  if (g_closing) return;
  g_closing = true;
  if (g_list) ShowWindow(g_list, SW_HIDE);
  SetMenuEntryVisible(MenuId::kItem, Command::kPreviewFolder, false);
  // Only while the launcher is the active window: a list that lost the focus to another
  // program must not pull the launcher back to the front.
  HWND canvas = CanvasHandle();
  if (canvas && GetActiveWindow() == MainWindowHandle()) SetFocus(canvas);
  g_closing = false;
}

HWND PreviewListHandle() { return g_list; }

const GbkText& PreviewFolder() { return g_previewFolder; }
