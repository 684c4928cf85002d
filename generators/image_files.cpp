// generators/image_files.cpp
#include "image_files.h"

#include <cstdint>

namespace mediagen {

namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t MaskRowBytes(int width) { return ((static_cast<std::uint32_t>(width) + 31) / 32) * 4; }

std::uint32_t IconImageSize(const Canvas& c) {
  return kInfoHeaderSize + 4u * c.Width() * c.Height() + MaskRowBytes(c.Width()) * c.Height();
}

void InfoHeader(ByteWriter& out, int width, int height, int bits, std::uint32_t imageBytes) {
  out.U32(kInfoHeaderSize);
  out.I32(width);
  out.I32(height);
  out.U16(1);     // planes
  out.U16(bits);
  out.U32(0);     // BI_RGB
  out.U32(imageBytes);
  out.I32(0);     // horizontal and vertical resolution: unspecified
  out.I32(0);
  out.U32(0);     // colours used, important colours
  out.U32(0);
}

}  // namespace

Bytes IcoFile(const std::vector<Canvas>& images) {
  ByteWriter out;
  out.U16(0);  // reserved
  out.U16(1);  // type: icon
  out.U16(static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (const Canvas& c : images) {
    out.U8(c.Width() >= 256 ? 0 : c.Width());
    out.U8(c.Height() >= 256 ? 0 : c.Height());
    out.U8(0);   // colour count: none for true-colour images
    out.U8(0);   // reserved
    out.U16(1);  // planes
    out.U16(32);
    out.U32(IconImageSize(c));
    out.U32(offset);
    offset += IconImageSize(c);
  }
  for (const Canvas& c : images) {
    const int w = c.Width(), h = c.Height();
    InfoHeader(out, w, 2 * h, 32, IconImageSize(c) - kInfoHeaderSize);
    for (int y = h - 1; y >= 0; --y) {
      for (int x = 0; x < w; ++x) {
        const Rgba p = c.At(x, y);
        out.U8(p.b); out.U8(p.g); out.U8(p.r); out.U8(p.a);
      }
    }
    for (int y = h - 1; y >= 0; --y) {
      std::vector<std::uint8_t> row(MaskRowBytes(w), 0);
      for (int x = 0; x < w; ++x)
        if (c.At(x, y).a == 0) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      for (std::uint8_t b : row) out.U8(b);
    }
  }
  return out.Take();
}

Bytes BmpFile(const Canvas& picture, Rgba background) {
  const int w = picture.Width(), h = picture.Height();
  const std::uint32_t rowBytes = (3u * w + 3) / 4 * 4;
  const std::uint32_t pixelBytes = rowBytes * h;
  const std::uint32_t pixelOffset = 14 + kInfoHeaderSize;
  ByteWriter out;
  out.Tag("BM");
  out.U32(pixelOffset + pixelBytes);
  out.U32(0);  // reserved
  out.U32(pixelOffset);
  InfoHeader(out, w, h, 24, pixelBytes);
  for (int y = h - 1; y >= 0; --y) {
    std::uint32_t written = 0;
    for (int x = 0; x < w; ++x) {
      const Rgba p = picture.At(x, y);
      auto flat = [&](std::uint8_t fg, std::uint8_t bg) {
        return static_cast<std::uint32_t>((fg * p.a + bg * (255 - p.a) + 127) / 255);
      };
      out.U8(flat(p.b, background.b));
      out.U8(flat(p.g, background.g));
      out.U8(flat(p.r, background.r));
      written += 3;
    }
    for (; written < rowBytes; ++written) out.U8(0);
  }
  return out.Take();
}

}  // namespace mediagen
