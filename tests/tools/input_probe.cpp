// tests/tools/input_probe.cpp
// Finds and fills in the launcher's one-line input box from outside, for the end-to-end
// scenarios (winprobe presses its buttons). The box is a dialog ("#32770") holding the edit
// control 0x0E02 and the prompt 0x0E01 (commands/input_box.h). Texts cross as hex bytes in code
// page 936.
//   input_probe find [WAIT_MS]   -> "hwnd caption-hex prompt-hex text-hex"
//   input_probe type HWND HEX    -> replaces the text of the box's edit control ("-" for empty)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kPromptId = 0x0E01;
constexpr int kEditId = 0x0E02;

std::string Hex(const std::string& text) {
  std::string out;
  char byte[3];
  for (unsigned char c : text) {
    snprintf(byte, sizeof byte, "%02x", c);
    out += byte;
  }
  return out.empty() ? "-" : out;
}

std::string Unhex(const char* hex) {
  std::string out;
  if (strcmp(hex, "-") == 0) return out;
  for (size_t i = 0; hex[i] && hex[i + 1]; i += 2) {
    const char pair[3] = {hex[i], hex[i + 1], 0};
    out += static_cast<char>(strtoul(pair, nullptr, 16));
  }
  return out;
}

// Asked of the control itself: an edit control of another process keeps its text to itself,
// where GetWindowTextA would only read the window's caption.
std::string TextOf(HWND window) {
  char text[4096] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied);
  return text;
}

HWND FindBox() {
  HWND found = nullptr;
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        char cls[32] = {};
        GetClassNameA(window, cls, sizeof cls);
        if (strcmp(cls, "#32770") == 0 && IsWindowVisible(window) && GetDlgItem(window, kEditId)) {
          *reinterpret_cast<HWND*>(data) = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string verb = argv[1];
  if (verb == "find") {
    const DWORD wait = argc >= 3 ? strtoul(argv[2], nullptr, 10) : 0;
    const DWORD start = GetTickCount();
    HWND box = nullptr;
    while (!(box = FindBox())) {
      if (GetTickCount() - start >= wait) return 1;
      Sleep(50);
    }
    printf("%p %s %s %s\n", static_cast<void*>(box), Hex(TextOf(box)).c_str(),
           Hex(TextOf(GetDlgItem(box, kPromptId))).c_str(), Hex(TextOf(GetDlgItem(box, kEditId))).c_str());
    return 0;
  }
  if (verb == "type" && argc >= 4) {
    HWND box = reinterpret_cast<HWND>(static_cast<uintptr_t>(strtoull(argv[2], nullptr, 16)));
    HWND edit = GetDlgItem(box, kEditId);
    const std::string text = Unhex(argv[3]);
    return edit && SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) ? 0 : 1;
  }
  return 2;
}
