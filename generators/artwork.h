// generators/artwork.h
// The program's pictures, drawn from geometry: the launcher glyph (a blue tile holding a 2x2 grid
// of app squares, one of them orange) at any icon size, and the donation panel's cup picture.
#pragma once
#include "byte_writer.h"
#include "canvas.h"

namespace mediagen {

// The glyph on a transparent square of `size` pixels (sizes that are multiples of 16 land the
// squares on whole pixels).
Canvas LauncherGlyph(int size);

// Icon file of the executable: the glyph at 16, 32 and 48 pixels.
Bytes ProgramIconFile();
// The notification-area icon: the 16-pixel glyph alone, 1150 bytes.
Bytes TrayIconFile();

constexpr int kDonationPictureSize = 128;
constexpr Rgba kDonationBackground{250, 243, 230, 255};
// A steaming cup whose steam is a heart, on a warm light background; a 24-bit BMP.
Bytes DonationPictureFile();

}  // namespace mediagen
