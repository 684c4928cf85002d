// src/icons/icon_image_win.cpp
// One icon of a file, by ExtractIconA, drawn at 128 x 128 over white and kept as a 24-bit ICO.
#include <windows.h>
#include <commctrl.h>

#include "icons/byte_source.h"
#include "icons/icon_cache.h"
#include "icons/pe_resources.h"
#include "icons/pixels24.h"
#include "platform/dib_win.h"
#include "platform/file_io.h"

namespace {

constexpr int kIconImageSize = 128;
constexpr COLORREF kWhite = 0xFFFFFF;

// The icon drawn by an image list of 128 x 128 (32-bit colour with mask) over white.
std::optional<Pixels24> DrawOverWhite(HICON icon) {
  HIMAGELIST list = ImageList_Create(kIconImageSize, kIconImageSize, ILC_COLOR32 | ILC_MASK, 1, 0);
  if (!list) return std::nullopt;
  std::optional<Pixels24> result;
  if (ImageList_ReplaceIcon(list, -1, icon) >= 0) {
    ImageList_SetBkColor(list, kWhite);
    BITMAPINFO info = TopDownBitmapInfo(kIconImageSize, kIconImageSize, 32);
    void* bits = nullptr;
    HBITMAP surface = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    if (surface && bits && dc) {
      HGDIOBJ old = SelectObject(dc, surface);
      PatBlt(dc, 0, 0, kIconImageSize, kIconImageSize, WHITENESS);
      if (ImageList_Draw(list, 0, dc, 0, 0, ILD_NORMAL)) {
        GdiFlush();
        Pixels24 pixels(kIconImageSize, kIconImageSize);
        const auto* source = static_cast<const uint8_t*>(bits);
        for (int y = 0; y < kIconImageSize; ++y)
          for (int x = 0; x < kIconImageSize; ++x) {
            const uint8_t* from = source + (size_t(y) * kIconImageSize + size_t(x)) * 4;
            uint8_t* to = pixels.At(x, y);
            to[0] = from[0];
            to[1] = from[1];
            to[2] = from[2];
          }
        result = std::move(pixels);
      }
      SelectObject(dc, old);
    }
    if (dc) DeleteDC(dc);
    if (surface) DeleteObject(surface);
  }
  ImageList_Destroy(list);
  return result;
}

// The index to hand to ExtractIconA. A negative index is a resource identifier, except that
// ExtractIconA takes -1 for "how many icons", so resource #1 is turned into its position here.
std::optional<int> ExtractIconIndex(const std::string& source, int index) {
  if (index != -1) return index;
  FileByteSource file(source);
  std::vector<ResourceName> groups = ListIconGroups(file);
  for (size_t i = 0; i < groups.size(); ++i)
    if (!groups[i].isString && groups[i].id == 1) return static_cast<int>(i);
  return std::nullopt;
}

}  // namespace

std::string IconImageBytes(const std::string& source, int index) {
  std::optional<int> at = ExtractIconIndex(source, index);
  HICON icon = at ? ExtractIconA(GetModuleHandleA(nullptr), source.c_str(), UINT(*at)) : nullptr;
  std::string ico;
  if (icon && icon != reinterpret_cast<HICON>(1)) {
    if (auto pixels = DrawOverWhite(icon)) ico = WhiteMaskIco24(*pixels);
    DestroyIcon(icon);
  }
  return ico;
}

void ExtractIconImage(const std::string& source, int index, const std::string& target) {
  file_io::WriteWholeFile(target, IconImageBytes(source, index));
}
