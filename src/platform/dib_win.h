// src/platform/dib_win.h
// The header of a top-down, uncompressed device-independent bitmap, as every DIB section and
// DIB read of the program describes its pixels (rows from the top, each padded to 4 bytes).
#pragma once
#include <windows.h>

inline BITMAPINFO TopDownBitmapInfo(int width, int height, WORD bitCount) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitCount;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}
