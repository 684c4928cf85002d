// generators/image_files.h
// Picture file layouts: Windows icon files (.ico) holding 32-bit BMP images with their AND mask,
// and plain 24-bit BMP files.
#pragma once
#include <vector>

#include "byte_writer.h"
#include "canvas.h"

namespace mediagen {

// An .ico with one directory entry per canvas, in the given order. Each image is a
// BITMAPINFOHEADER (height doubled), bottom-up BGRA rows, then the 1-bit AND mask (bit set where
// the pixel is fully transparent), each mask row padded to 4 bytes. Sizes up to 256 pixels.
Bytes IcoFile(const std::vector<Canvas>& images);

// A bottom-up 24-bit BMP (BITMAPFILEHEADER + BITMAPINFOHEADER, rows padded to 4 bytes), with
// the canvas flattened onto `background`.
Bytes BmpFile(const Canvas& picture, Rgba background);

}  // namespace mediagen
