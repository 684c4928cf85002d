// src/icons/icon_picture_win.cpp
#include "icons/icon_picture_win.h"

#include <vector>

#include <gdiplus.h>

#include "icons/icon_cache.h"
#include "platform/dib_win.h"

namespace gp = Gdiplus::DllExports;

namespace {

size_t Stride24(int width) { return (size_t(width) * 3 + 3) / 4 * 4; }

void CopyRowsOut(const uint8_t* bits, Pixels24& pixels) {
  size_t stride = Stride24(pixels.width);
  for (int y = 0; y < pixels.height; ++y)
    std::copy(bits + size_t(y) * stride, bits + size_t(y) * stride + size_t(pixels.width) * 3, pixels.At(0, y));
}

void CopyRowsIn(const Pixels24& pixels, uint8_t* bits) {
  size_t stride = Stride24(pixels.width);
  for (int y = 0; y < pixels.height; ++y)
    std::copy(pixels.At(0, y), pixels.At(0, y) + size_t(pixels.width) * 3, bits + size_t(y) * stride);
}

std::wstring Wide(const std::string& text) {
  int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(size_t(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(size_t(length) - 1);
  return wide;
}

}  // namespace

HBITMAP LoadThumbnail(const std::string& file, int width, int height) {
  if (width < 1 || height < 1) return nullptr;
  std::wstring path = Wide(file);
  if (path.empty()) return nullptr;
  Gdiplus::GpImage* image = nullptr;
  if (gp::GdipLoadImageFromFile(path.c_str(), &image) != Gdiplus::Ok || !image) return nullptr;
  Gdiplus::GpImage* thumbnail = nullptr;
  HBITMAP bitmap = nullptr;
  if (gp::GdipGetImageThumbnail(image, UINT(width), UINT(height), &thumbnail, nullptr, nullptr) == Gdiplus::Ok &&
      thumbnail) {
    if (gp::GdipCreateHBITMAPFromBitmap(static_cast<Gdiplus::GpBitmap*>(thumbnail), &bitmap, 0) != Gdiplus::Ok)
      bitmap = nullptr;
    gp::GdipDisposeImage(thumbnail);
  }
  gp::GdipDisposeImage(image);
  return bitmap;
}

std::optional<Pixels24> BitmapPixels(HBITMAP bitmap) {
  BITMAP about{};
  if (!bitmap || GetObjectA(bitmap, sizeof about, &about) == 0 || about.bmWidth < 1 || about.bmHeight < 1)
    return std::nullopt;
  Pixels24 pixels(about.bmWidth, about.bmHeight);
  std::vector<uint8_t> bits(Stride24(pixels.width) * size_t(pixels.height));
  BITMAPINFO info = TopDownBitmapInfo(pixels.width, pixels.height, 24);
  HDC screen = GetDC(nullptr);
  int rows = GetDIBits(screen, bitmap, 0, UINT(pixels.height), bits.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != pixels.height) return std::nullopt;
  CopyRowsOut(bits.data(), pixels);
  return pixels;
}

std::string BitmapToBmpBytes(HBITMAP bitmap) {
  auto pixels = BitmapPixels(bitmap);
  return pixels ? EncodeBmp24(*pixels) : std::string();
}

HBITMAP BitmapFromPixels(const Pixels24& pixels) {
  if (pixels.width < 1 || pixels.height < 1) return nullptr;
  BITMAPINFO info = TopDownBitmapInfo(pixels.width, pixels.height, 24);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) return nullptr;
  CopyRowsIn(pixels, static_cast<uint8_t*>(bits));
  GdiFlush();
  return bitmap;
}

bool ReplacePixelColour(HDC canvas, int width, int height, uint32_t fromColour, uint32_t toColour) {
  if (!canvas || width < 1 || height < 1) return false;
  BITMAPINFO info = TopDownBitmapInfo(width, height, 24);
  void* bits = nullptr;
  HBITMAP copy = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!copy || !bits) return false;
  HDC memory = CreateCompatibleDC(canvas);
  HGDIOBJ old = SelectObject(memory, copy);
  bool ok = BitBlt(memory, 0, 0, width, height, canvas, 0, 0, SRCCOPY) != 0;
  if (ok) {
    GdiFlush();
    Pixels24 pixels(width, height);
    CopyRowsOut(static_cast<uint8_t*>(bits), pixels);
    ReplacePixelColour(pixels, fromColour, toColour);
    CopyRowsIn(pixels, static_cast<uint8_t*>(bits));
    ok = BitBlt(canvas, 0, 0, width, height, memory, 0, 0, SRCCOPY) != 0;
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(copy);
  return ok;
}

HBITMAP LoadItemPicture(const std::string& cacheFile, int size) {
  HBITMAP thumbnail = LoadThumbnail(cacheFile, size, size);
  if (!thumbnail) return nullptr;
  auto pixels = BitmapPixels(thumbnail);
  DeleteObject(thumbnail);
  if (!pixels) return nullptr;
  ReplacePixelColour(*pixels, 0x000000, 0xFFFFFF);
  return BitmapFromPixels(*pixels);
}

std::optional<std::string> LoadThumbnailBmp(const std::string& file, int width, int height) {
  HBITMAP thumbnail = LoadThumbnail(file, width, height);
  if (!thumbnail) return std::nullopt;
  std::string bytes = BitmapToBmpBytes(thumbnail);
  DeleteObject(thumbnail);
  if (bytes.empty()) return std::nullopt;
  return bytes;
}
