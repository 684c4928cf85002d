// src/resources/media.h
// The media bundled in the program: its icons, its two sounds, the seven ring tunes and the
// donation panel's picture, as the bytes of whole files. They are made at build time by the
// generators (generators/) and compiled into the tovenk_media library; the executable's own
// icon resource (ID 1) holds the same program icon.
#pragma once
#include <cstdint>
#include <span>

namespace media {

using FileBytes = std::span<const std::uint8_t>;

// Resource ID of the program icon in the executable (LoadIcon(instance, MAKEINTRESOURCE(1))).
inline constexpr int kProgramIconResourceId = 1;
inline constexpr int kTuneCount = 7;

// .ico with the launcher glyph at 16, 32 and 48 pixels, 32 bits per pixel.
FileBytes ProgramIcon();
// .ico of 1150 bytes: one 16x16 image, 32 bits per pixel (the notification-area icon;
// TrayIcon::iconFromIconFile takes its entry 0).
FileBytes TrayIcon();
// WAV, MS ADPCM, 22050 Hz, stereo, 1192 bytes: played when an item is picked.
FileBytes ClickSound();
// WAV, MS ADPCM, 22050 Hz, mono, 9156 bytes: played when the item grid has been reloaded.
FileBytes LoadSound();
// Standard MIDI File of ring tune `number` (1..7); empty for any other number.
FileBytes Tune(int number);
// 24-bit bottom-up BMP file (BITMAPFILEHEADER first), 128x128: the donation panel's picture.
FileBytes DonationPicture();

}  // namespace media
