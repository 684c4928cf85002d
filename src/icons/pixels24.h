// src/icons/pixels24.h
// 24-bit pictures in memory and the files made of them: BMP files (the ".bmp" cache files and
// the pictures the item loader composes) and the single-image ICO of a program icon drawn over
// white, whose white pixels are its transparent ones.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Rows top to bottom, each `width` pixels of 3 bytes in the order blue, green, red, no padding.
struct Pixels24 {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bgr;

  Pixels24() = default;
  Pixels24(int w, int h) : width(w), height(h), bgr(size_t(w) * size_t(h) * 3, 0) {}
  uint8_t* At(int x, int y) { return &bgr[(size_t(y) * size_t(width) + size_t(x)) * 3]; }
  const uint8_t* At(int x, int y) const { return &bgr[(size_t(y) * size_t(width) + size_t(x)) * 3]; }
  // The pixel as a colour 0x00BBGGRR.
  uint32_t ColourAt(int x, int y) const {
    const uint8_t* p = At(x, y);
    return uint32_t(p[2]) | uint32_t(p[1]) << 8 | uint32_t(p[0]) << 16;
  }
};

// A standard BMP file: 14-byte file header "BM", 40-byte info header, 24 bits per pixel,
// uncompressed rows bottom-up, each padded with zero bytes to a multiple of 4 bytes.
std::string EncodeBmp24(const Pixels24& pixels);

// The pixels of a 24-bit uncompressed BMP file (bottom-up or top-down rows); nothing for any other
// kind of file or one whose rows reach past its end.
std::optional<Pixels24> DecodeBmp24(std::string_view file);

// Every pixel whose blue, green and red bytes are those of `fromColour`, or are 1, 1, 1, gets the
// bytes of `toColour`. Colours are 0x00BBGGRR values.
void ReplacePixelColour(Pixels24& pixels, uint32_t fromColour, uint32_t toColour);

// The single-image ICO of a program icon drawn over white (width and height 1 to 255): 24-bit
// colour rows bottom-up, each followed by width mod 4 zero bytes, in which every exactly white
// pixel is written as black; then the 1-bit mask rows, bottom-up, each padded to 4 bytes, whose
// bit is 1 (transparent) exactly for the white pixels. Empty for a size outside 1 to 255.
std::string WhiteMaskIco24(const Pixels24& pixels);
