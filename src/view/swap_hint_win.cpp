// src/view/swap_hint_win.cpp
// The swap hint "标签1": a small label of the main window floating above the pointer while Ctrl
// is held over the grid. It is made on first use and lies above the canvas.
#include <string>

#include "app/main_window_win.h"
#include "view/gdi_replay_win.h"
#include "view/pointer_state_win.h"
#include "view/view_texts.h"

namespace {

HWND g_label = nullptr;

HWND SwapLabel() {
  HWND window = MainWindowHandle();
  if (g_label || !window) return g_label;
  // The canvas must not paint over its sibling.
  if (HWND canvas = CanvasHandle()) {
    SetWindowLongPtrA(canvas, GWL_STYLE, GetWindowLongPtrA(canvas, GWL_STYLE) | WS_CLIPSIBLINGS);
  }
  g_label = CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, view::kSwapLabelHeight,
                            window, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (g_label) {
    HDC dc = GetDC(g_label);
    const int height = -MulDiv(kCanvasFontPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(g_label, dc);
    static HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, view::text::kSongTi);
    if (font) SendMessageA(g_label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  return g_label;
}

}  // namespace

void ShowSwapLabel(const GbkText& caption, const view::Box& place) {
  HWND label = SwapLabel();
  if (!label) return;
  SetWindowTextA(label, caption.c_str());
  SetWindowPos(label, HWND_TOP, place.left, place.top, place.width, place.height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void HideSwapLabel() {
  if (g_label && IsWindowVisible(g_label)) ShowWindow(g_label, SW_HIDE);
}
