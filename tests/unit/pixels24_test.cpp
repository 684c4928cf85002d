// tests/unit/pixels24_test.cpp
#include "icons/pixels24.h"

#include <gtest/gtest.h>

#include "icon_test_files.h"
#include "icons/ico_file.h"

namespace {

Pixels24 Pattern(int width, int height) {
  Pixels24 p(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* px = p.At(x, y);
      px[0] = uint8_t(x * 10 + 1), px[1] = uint8_t(y * 20 + 2), px[2] = uint8_t(x + y + 3);
    }
  return p;
}

uint32_t U32At(const std::string& b, size_t at) {
  return uint8_t(b[at]) | uint8_t(b[at + 1]) << 8 | uint8_t(b[at + 2]) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}

}  // namespace

TEST(Pixels24, BmpFilesPadRowsAndRoundTrip) {
  for (int width : {1, 2, 3, 4, 5, 22, 256}) {
    Pixels24 p = Pattern(width, 3);
    std::string bmp = EncodeBmp24(p);
    size_t rowBytes = (size_t(width) * 3 + 3) / 4 * 4;
    ASSERT_EQ(bmp.size(), 54 + rowBytes * 3) << width;
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(U32At(bmp, 2), bmp.size());
    EXPECT_EQ(U32At(bmp, 10), 54u);
    EXPECT_EQ(U32At(bmp, 14), 40u);
    EXPECT_EQ(U32At(bmp, 22), 3u);  // positive height: bottom row first
    EXPECT_EQ(bmp.substr(54, 3), std::string(reinterpret_cast<const char*>(p.At(0, 2)), 3));
    auto back = DecodeBmp24(bmp);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->bgr, p.bgr) << width;
    EXPECT_FALSE(DecodeBmp24(bmp.substr(0, bmp.size() - 1))) << width;
  }
  EXPECT_FALSE(DecodeBmp24("BM"));
}

TEST(Pixels24, ReplacesTheColourAndNearBlack) {
  Pixels24 p(4, 1);
  const uint8_t pixels[] = {0, 0, 0, 1, 1, 1, 1, 1, 2, 0x10, 0x20, 0x30};
  std::copy(std::begin(pixels), std::end(pixels), p.bgr.begin());
  Pixels24 blackToWhite = p;
  ReplacePixelColour(blackToWhite, 0x000000, 0xFFFFFF);
  EXPECT_EQ(blackToWhite.ColourAt(0, 0), 0xFFFFFFu);
  EXPECT_EQ(blackToWhite.ColourAt(1, 0), 0xFFFFFFu);
  EXPECT_EQ(blackToWhite.ColourAt(2, 0), p.ColourAt(2, 0));
  EXPECT_EQ(blackToWhite.ColourAt(3, 0), p.ColourAt(3, 0));
  // 0x00102030: blue 0x10, green 0x20, red 0x30, stored blue first.
  Pixels24 other = p;
  ReplacePixelColour(other, 0x00102030, 0x00ABCDEF);
  EXPECT_EQ(other.ColourAt(3, 0), 0x00ABCDEFu);
  EXPECT_EQ(other.At(3, 0)[0], 0xAB);
  EXPECT_EQ(other.ColourAt(0, 0), 0u);
  EXPECT_EQ(other.ColourAt(1, 0), 0x00ABCDEFu);  // 1, 1, 1 always goes
}

TEST(Pixels24, WhiteMaskIconLayout) {
  // 5 x 2: colour rows of 15 bytes + 1 padding byte, mask rows of 4 bytes.
  Pixels24 p = Pattern(5, 2);
  std::fill_n(p.At(1, 0), 3, 0xFF);  // white at (1, 0) and (4, 1)
  std::fill_n(p.At(4, 1), 3, 0xFF);
  std::string ico = WhiteMaskIco24(p);
  const uint32_t imageSize = 40 + 3 * 5 * 2 + 2 * (5 % 4) + 2 * 4 * 1;
  ASSERT_EQ(ico.size(), 22 + imageSize);
  EXPECT_EQ(ico.substr(0, 6), std::string("\0\0\1\0\1\0", 6));
  EXPECT_EQ(ico.substr(6, 8), std::string("\5\2\0\0\1\0\x18\0", 8));
  EXPECT_EQ(U32At(ico, 14), imageSize);
  EXPECT_EQ(U32At(ico, 18), 22u);
  const std::string header = ico.substr(22, 40);
  EXPECT_EQ(U32At(header, 0), 40u);
  EXPECT_EQ(U32At(header, 4), 5u);
  EXPECT_EQ(U32At(header, 8), 4u);  // twice the height
  EXPECT_EQ(header.substr(12, 4), std::string("\1\0\x18\0", 4));
  EXPECT_EQ(U32At(header, 16), 0u);
  EXPECT_EQ(U32At(header, 20), uint32_t(3 * 5 * 2 + 2 * 1));
  EXPECT_EQ(header.substr(24), std::string(16, '\0'));
  // Bottom row (y = 1) first; its white pixel x = 4 is written black.
  const std::string colour = ico.substr(62, 32);
  EXPECT_EQ(colour.substr(0, 3), std::string(reinterpret_cast<const char*>(p.At(0, 1)), 3));
  EXPECT_EQ(colour.substr(12, 4), std::string(4, '\0'));  // pixel 4 black, then the padding byte
  EXPECT_EQ(colour.substr(16 + 3, 3), std::string(3, '\0'));  // top row, pixel 1
  EXPECT_EQ(ico.substr(94), std::string("\x08\0\0\0\x40\0\0\0", 8));  // mask bits of x = 4, then x = 1
  for (auto [w, h] : {std::pair{0, 1}, {1, 0}, {256, 1}, {1, 256}}) EXPECT_EQ(WhiteMaskIco24(Pixels24(w, h)), "");
}

TEST(Pixels24, WhiteMaskIconOfTheProgramIconSize) {
  Pixels24 p(128, 128);
  std::fill(p.bgr.begin(), p.bgr.end(), 0xFF);
  std::string ico = WhiteMaskIco24(p);
  EXPECT_EQ(ico.size(), 22u + 40 + 3 * 128 * 128 + 128 * 4 * 4);
  auto images = ReadIcoImages(ico);
  ASSERT_TRUE(images && images->size() == 1);
  EXPECT_EQ((*images)[0].entry.width, 128);
  EXPECT_EQ((*images)[0].entry.bitCount, 24);
  EXPECT_EQ(ico.substr(62 + 3 * 128 * 128), std::string(128 * 16, '\xFF'));  // all transparent
}
