// src/icons/icon_picture_win.h
// Bitmaps of the icon cache on Windows: the thumbnail of an image file through GDI+, its BMP file
// bytes, the black-to-white repaint of a canvas, and the picture the item loader paints.
// GDI+ must have been started (GdiplusStartup) before LoadThumbnail is called.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include <windows.h>

#include "icons/pixels24.h"

// A width x height thumbnail of an image file (any kind GDI+ reads; the path is in the ANSI code
// page), stretched to exactly that size, over transparent black so transparent areas come out
// black. Null when the file cannot be read as an image or a size is below 1. The caller deletes it.
HBITMAP LoadThumbnail(const std::string& file, int width, int height);

// The bytes of a standard 24-bit BMP file of the bitmap; empty when it cannot be read.
std::string BitmapToBmpBytes(HBITMAP bitmap);

// The bitmap's pixels at 24 bits; nothing when it cannot be read.
std::optional<Pixels24> BitmapPixels(HBITMAP bitmap);

// A new 24-bit bitmap of the pixels (null on failure). The caller deletes it.
HBITMAP BitmapFromPixels(const Pixels24& pixels);

// On the width x height surface of a device context: every pixel of colour `fromColour` or
// 1, 1, 1 becomes `toColour` (0x00BBGGRR). False when the surface could not be read or written.
bool ReplacePixelColour(HDC canvas, int width, int height, uint32_t fromColour, uint32_t toColour);

// The picture of a cache file as the launcher paints it: its size x size thumbnail with every
// black and 1, 1, 1 pixel turned white, so transparent areas match the white background.
// Null when the file is not an image GDI+ reads. The caller deletes it.
HBITMAP LoadItemPicture(const std::string& cacheFile, int size);
