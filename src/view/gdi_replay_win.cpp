// src/view/gdi_replay_win.cpp
#include "view/gdi_replay_win.h"

#include <cstring>
#include <vector>

namespace {

// COLORREF for GDI: the stored colour may carry anything in its top byte, which GDI would read
// as a palette index.
COLORREF Gdi(view::Colour colour) { return static_cast<COLORREF>(colour & 0x00FFFFFF); }

struct KeptFont {
  const char* name;
  bool bold;
  int height;
  HFONT font;
};

// The launcher uses two or three fonts all its life; they are made on first use and kept.
HFONT FontFor(HDC dc, const char* name, bool bold) {
  static std::vector<KeptFont> fonts;
  const int height = -MulDiv(kCanvasFontPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
  for (const KeptFont& kept : fonts) {
    if (kept.bold == bold && kept.height == height && std::strcmp(kept.name, name) == 0) return kept.font;
  }
  // GB2312_CHARSET: where the named font is missing, the system falls back to a Chinese one.
  HFONT font = CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, name);
  if (font) fonts.push_back({name, bold, height, font});
  return font;
}

// The drawing state of one replay: a pen and a brush are made only when their colour or width
// changes, and everything made is released at the end.
class DrawingState {
 public:
  explicit DrawingState(HDC dc) : dc_(dc) {
    originalPen_ = GetCurrentObject(dc, OBJ_PEN);
    originalBrush_ = GetCurrentObject(dc, OBJ_BRUSH);
    originalFont_ = GetCurrentObject(dc, OBJ_FONT);
    SetBkMode(dc, TRANSPARENT);
  }
  ~DrawingState() {
    SelectObject(dc_, originalPen_);
    SelectObject(dc_, originalBrush_);
    SelectObject(dc_, originalFont_);
    if (pen_) DeleteObject(pen_);
    if (brush_) DeleteObject(brush_);
    if (pictureDc_) {
      SelectObject(pictureDc_, originalPicture_);
      DeleteDC(pictureDc_);
    }
  }
  DrawingState(const DrawingState&) = delete;
  DrawingState& operator=(const DrawingState&) = delete;

  void UsePen(int width, view::Colour colour) {
    if (pen_ && width == penWidth_ && colour == penColour_) return;
    HPEN pen = CreatePen(PS_SOLID, width, Gdi(colour));
    if (!pen) return;
    SelectObject(dc_, pen);
    if (pen_) DeleteObject(pen_);
    pen_ = pen;
    penWidth_ = width;
    penColour_ = colour;
  }

  void UseBrush(view::Colour colour) {
    if (brush_ && colour == brushColour_) return;
    HBRUSH brush = CreateSolidBrush(Gdi(colour));
    if (!brush) return;
    SelectObject(dc_, brush);
    if (brush_) DeleteObject(brush_);
    brush_ = brush;
    brushColour_ = colour;
  }

  void UseFont(const char* name, bool bold) {
    if (font_ && bold == bold_ && name == fontName_) return;
    if (HFONT font = FontFor(dc_, name, bold)) {
      SelectObject(dc_, font);
      font_ = font;
      fontName_ = name;
      bold_ = bold;
    }
  }

  // Selected into a surface of its own and copied: a DIB section's header as GetObject gives it
  // no longer says whether its rows run top-down, so its pixels cannot be sent straight.
  void DrawPicture(int x, int y, std::uintptr_t handle) {
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(handle);
    BITMAP info{};
    if (GetObjectType(bitmap) != OBJ_BITMAP || !GetObjectA(bitmap, sizeof info, &info)) return;
    if (!pictureDc_) {
      pictureDc_ = CreateCompatibleDC(dc_);
      if (!pictureDc_) return;
      originalPicture_ = GetCurrentObject(pictureDc_, OBJ_BITMAP);
    }
    if (!SelectObject(pictureDc_, bitmap)) return;
    BitBlt(dc_, x, y, info.bmWidth, info.bmHeight, pictureDc_, 0, 0, SRCCOPY);
  }

 private:
  HDC dc_;
  HGDIOBJ originalPen_, originalBrush_, originalFont_;
  HPEN pen_ = nullptr;
  int penWidth_ = 0;
  view::Colour penColour_ = 0;
  HBRUSH brush_ = nullptr;
  view::Colour brushColour_ = 0;
  HFONT font_ = nullptr;
  const char* fontName_ = nullptr;
  bool bold_ = false;
  HDC pictureDc_ = nullptr;
  HGDIOBJ originalPicture_ = nullptr;
};

}  // namespace

void ReplayDisplayList(HDC dc, const view::DisplayList& list) {
  if (!dc) return;
  DrawingState state(dc);
  for (const view::DrawCommand& c : list.commands) {
    switch (c.kind) {
      case view::DrawKind::Rectangle:
        state.UsePen(c.penWidth, c.penColour);
        state.UseBrush(c.brushColour);
        Rectangle(dc, c.x1, c.y1, c.x2, c.y2);
        break;
      case view::DrawKind::Line:
        state.UsePen(c.penWidth, c.penColour);
        MoveToEx(dc, c.x1, c.y1, nullptr);
        LineTo(dc, c.x2, c.y2);
        break;
      case view::DrawKind::Text:
        state.UseFont(c.fontName, c.bold);
        SetTextColor(dc, Gdi(c.textColour));
        TextOutA(dc, c.x1, c.y1, c.text.data(), static_cast<int>(c.text.size()));
        break;
      case view::DrawKind::Picture:
        state.DrawPicture(c.x1, c.y1, c.picture);
        break;
    }
  }
}
