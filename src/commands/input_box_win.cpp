// src/commands/input_box_win.cpp
// The input box as a dialog made from a template built in memory: prompt at the top left, OK and
// Cancel at the top right, the text field along the bottom.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/main_window_win.h"
#include "commands/input_box.h"
#include "platform/message_box.h"

namespace {

constexpr char kOkText[] = "\xC8\xB7\xB6\xA8";      // 确定
constexpr char kCancelText[] = "\xC8\xA1\xCF\xFB";  // 取消

// A dialog template is a run of WORDs with every item starting on a DWORD boundary.
class TemplateWriter {
 public:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Text(const wchar_t* text) {
    do Word(static_cast<WORD>(*text)); while (*text++ != L'\0');
  }
  void AlignToDword() {
    if (words_.size() % 2 != 0) Word(0);
  }
  // One control: an atom of a system class (0x0080 button, 0x0081 edit, 0x0082 static), no text
  // (the texts are code page 936 and are set once the box exists), no creation data.
  void Control(DWORD style, short x, short y, short width, short height, WORD id, WORD classAtom) {
    AlignToDword();
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);  // extended style
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(width));
    Word(static_cast<WORD>(height));
    Word(id);
    Word(0xFFFF);
    Word(classAtom);
    Text(L"");
    Word(0);
  }
  const DLGTEMPLATE* Template() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  std::vector<WORD> words_;
};

TemplateWriter MakeTemplate() {
  TemplateWriter t;
  t.Dword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | DS_SETFOREGROUND | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  t.Dword(0);  // extended style
  t.Word(4);   // controls
  t.Word(0);
  t.Word(0);
  t.Word(220);  // width and height in dialog units
  t.Word(76);
  t.Word(0);  // no menu
  t.Word(0);  // the dialog class
  t.Text(L"");
  t.Word(9);
  t.Text(L"MS Shell Dlg");
  t.Control(SS_LEFT | SS_NOPREFIX, 7, 7, 150, 40, kInputBoxPromptId, 0x0082);
  t.Control(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 56, 206, 12, kInputBoxEditId, 0x0081);
  t.Control(BS_DEFPUSHBUTTON | WS_TABSTOP, 163, 7, 50, 14, kInputBoxOkId, 0x0080);
  t.Control(BS_PUSHBUTTON | WS_TABSTOP, 163, 24, 50, 14, kInputBoxCancelId, 0x0080);
  return t;
}

struct BoxState {
  const std::string& prompt;
  const std::string& title;
  const std::string& initial;
  GbkText answer;
};

std::string ControlText(HWND control) {
  const int length = GetWindowTextLengthA(control);
  std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  const int read = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(read > 0 ? read : 0));
  return text;
}

INT_PTR CALLBACK InputBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(box, DWLP_USER, lParam);
      const auto* state = reinterpret_cast<const BoxState*>(lParam);
      SetWindowTextA(box, state->title.empty() ? kMessageCaption : state->title.c_str());
      SetDlgItemTextA(box, kInputBoxPromptId, state->prompt.c_str());
      SetDlgItemTextA(box, kInputBoxOkId, kOkText);
      SetDlgItemTextA(box, kInputBoxCancelId, kCancelText);
      HWND edit = GetDlgItem(box, kInputBoxEditId);
      SetWindowTextA(edit, state->initial.c_str());
      SendMessageA(edit, EM_SETSEL, 0, -1);
      SetFocus(edit);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kInputBoxOkId) {
        auto* state = reinterpret_cast<BoxState*>(GetWindowLongPtrA(box, DWLP_USER));
        state->answer = ControlText(GetDlgItem(box, kInputBoxEditId));
        EndDialog(box, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == kInputBoxCancelId) {
        EndDialog(box, IDCANCEL);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

std::optional<GbkText> ShowSystemInputBox(const std::string& prompt, const std::string& title,
                                          const std::string& initial) {
  static const TemplateWriter kTemplate = MakeTemplate();
  BoxState state{prompt, title, initial, {}};
  HWND owner = MainWindowHandle();
  const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), kTemplate.Template(),
                                                 IsWindow(owner) ? owner : nullptr, InputBoxProc,
                                                 reinterpret_cast<LPARAM>(&state));
  if (result != IDOK) return std::nullopt;
  return state.answer;
}
