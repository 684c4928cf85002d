// tests/tools/winprobe.cpp
// Looks at and drives the windows of a running program from outside, for the end-to-end
// scenarios. Texts are printed as hex bytes (code page 936) so that no console encoding
// stands between the program and the test.
//   winprobe window CLASS [WAIT_MS]     -> "hwnd visible left top right bottom caption-hex"
//   winprobe msgbox [WAIT_MS]           -> "hwnd caption-hex text-hex" of a message box
//   winprobe press HWND CONTROL_ID      -> clicks a button of a dialog (posted)
//   winprobe post HWND MSG WPARAM LPARAM
//   winprobe close CLASS                -> posts WM_CLOSE to the window of that class
//   winprobe count CLASS                -> how many top-level windows of that class exist
//   winprobe place CLASS L T W H        -> SetWindowPos of that window (no z-order change)
//   winprobe moves CLASS N MS DX        -> N moves of DX pixels sideways, MS apart
//   winprobe topmost CLASS              -> "1" when the window is topmost, else "0"
//   winprobe menu [WAIT_MS]             -> "hwnd left top right bottom" of a shown popup menu
//   winprobe child CLASS CHILDCLASS     -> like "window", for the first child of that class
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Hex(const char* text) {
  std::string out;
  char byte[3];
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
    snprintf(byte, sizeof byte, "%02x", *p);
    out += byte;
  }
  return out.empty() ? "-" : out;
}

// Window handles travel as the hex digits printed by "%p".
HWND Parse(const char* text) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(strtoull(text, nullptr, 16))); }

int Wait(DWORD ms, HWND (*find)(const char*), const char* arg, HWND* found) {
  DWORD start = GetTickCount();
  for (;;) {
    if ((*found = find(arg))) return 0;
    if (GetTickCount() - start >= ms) return 1;
    Sleep(50);
  }
}

HWND FindByClass(const char* cls) { return FindWindowA(cls, nullptr); }

HWND FindPopupMenu(const char*) {
  HWND menu = nullptr;
  while ((menu = FindWindowExA(nullptr, menu, "#32768", nullptr)))
    if (IsWindowVisible(menu)) return menu;
  return nullptr;
}

HWND FindMessageBox(const char*) {
  struct Search { HWND found; } search{nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        char cls[64] = {};
        GetClassNameA(window, cls, sizeof cls);
        if (strcmp(cls, "#32770") == 0 && IsWindowVisible(window) && GetDlgItem(window, 0xFFFF)) {
          reinterpret_cast<Search*>(data)->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::string verb = argv[1];
  if (verb == "window" && argc >= 3) {
    HWND window = nullptr;
    if (Wait(argc >= 4 ? atoi(argv[3]) : 0, FindByClass, argv[2], &window)) return 1;
    RECT r{};
    GetWindowRect(window, &r);
    char caption[1024] = {};
    GetWindowTextA(window, caption, sizeof caption);
    printf("%p %d %ld %ld %ld %ld %s\n", static_cast<void*>(window), IsWindowVisible(window) ? 1 : 0, r.left, r.top,
           r.right, r.bottom, Hex(caption).c_str());
    return 0;
  }
  if (verb == "msgbox") {
    HWND box = nullptr;
    if (Wait(argc >= 3 ? atoi(argv[2]) : 0, FindMessageBox, nullptr, &box)) return 1;
    char caption[512] = {}, text[4096] = {};
    GetWindowTextA(box, caption, sizeof caption);
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    printf("%p %s %s\n", static_cast<void*>(box), Hex(caption).c_str(), Hex(text).c_str());
    return 0;
  }
  if (verb == "press" && argc >= 4) {
    HWND button = GetDlgItem(Parse(argv[2]), atoi(argv[3]));
    return button && PostMessageA(button, BM_CLICK, 0, 0) ? 0 : 1;
  }
  if (verb == "post" && argc >= 6) {
    return PostMessageA(Parse(argv[2]), strtoul(argv[3], nullptr, 0), strtoull(argv[4], nullptr, 0),
                        strtoll(argv[5], nullptr, 0))
               ? 0
               : 1;
  }
  if (verb == "close" && argc >= 3) {
    HWND window = FindWindowA(argv[2], nullptr);
    return window && PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  if (verb == "count" && argc >= 3) {
    int count = 0;
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, argv[2], nullptr))) ++count;
    printf("%d\n", count);
    return 0;
  }
  if (verb == "place" && argc >= 7) {
    HWND window = FindWindowA(argv[2], nullptr);
    return window && SetWindowPos(window, nullptr, atoi(argv[3]), atoi(argv[4]), atoi(argv[5]), atoi(argv[6]),
                                  SWP_NOZORDER | SWP_NOACTIVATE)
               ? 0
               : 1;
  }
  if (verb == "moves" && argc >= 6) {
    HWND window = FindWindowA(argv[2], nullptr);
    if (!window) return 1;
    for (int i = 0; i < atoi(argv[3]); ++i) {
      RECT r{};
      GetWindowRect(window, &r);
      SetWindowPos(window, nullptr, r.left + atoi(argv[5]), r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      Sleep(atoi(argv[4]));
    }
    return 0;
  }
  if (verb == "topmost" && argc >= 3) {
    HWND window = FindWindowA(argv[2], nullptr);
    if (!window) return 1;
    printf("%d\n", (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
    return 0;
  }
  if (verb == "child" && argc >= 4) {
    HWND parent = FindWindowA(argv[2], nullptr);
    HWND child = parent ? FindWindowExA(parent, nullptr, argv[3], nullptr) : nullptr;
    if (!child) return 1;
    RECT r{};
    GetWindowRect(child, &r);
    char text[1024] = {};
    GetWindowTextA(child, text, sizeof text);
    printf("%p %d %ld %ld %ld %ld %s\n", static_cast<void*>(child), IsWindowVisible(child) ? 1 : 0, r.left, r.top,
           r.right, r.bottom, Hex(text).c_str());
    return 0;
  }
  if (verb == "menu") {
    HWND menu = nullptr;
    if (Wait(argc >= 3 ? atoi(argv[2]) : 0, FindPopupMenu, nullptr, &menu)) return 1;
    RECT r{};
    GetWindowRect(menu, &r);
    printf("%p %ld %ld %ld %ld\n", static_cast<void*>(menu), r.left, r.top, r.right, r.bottom);
    return 0;
  }
  return 2;
}
