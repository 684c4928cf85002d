// src/icons/pixels24.cpp
#include "icons/pixels24.h"

#include <cstdlib>

#include "icons/byte_layout.h"
#include "icons/ico_file.h"

using namespace byte_layout;

namespace {

size_t PaddedRowBytes(int width) { return (size_t(width) * 3 + 3) / 4 * 4; }

void PutInfoHeader(std::string& out, int width, int height, uint32_t imageBytes) {
  PutU32(out, 40);
  PutU32(out, static_cast<uint32_t>(width));
  PutU32(out, static_cast<uint32_t>(height));
  PutU16(out, 1);   // planes
  PutU16(out, 24);  // bits per pixel
  PutU32(out, 0);   // no compression
  PutU32(out, imageBytes);
  for (int i = 0; i < 4; ++i) PutU32(out, 0);  // resolution and palette fields
}

bool IsWhite(const uint8_t* p) { return p[0] == 0xFF && p[1] == 0xFF && p[2] == 0xFF; }

}  // namespace

std::string EncodeBmp24(const Pixels24& pixels) {
  size_t rowBytes = PaddedRowBytes(pixels.width);
  size_t imageBytes = rowBytes * size_t(pixels.height);
  std::string out;
  out.reserve(54 + imageBytes);
  out += "BM";
  PutU32(out, static_cast<uint32_t>(54 + imageBytes));
  PutU32(out, 0);
  PutU32(out, 54);
  PutInfoHeader(out, pixels.width, pixels.height, static_cast<uint32_t>(imageBytes));
  for (int y = pixels.height - 1; y >= 0; --y) {
    out.append(reinterpret_cast<const char*>(pixels.At(0, y)), size_t(pixels.width) * 3);
    out.append(rowBytes - size_t(pixels.width) * 3, '\0');
  }
  return out;
}

std::optional<Pixels24> DecodeBmp24(std::string_view file) {
  if (file.substr(0, 2) != "BM") return std::nullopt;
  auto dataOffset = U32(file, 10);
  auto headerSize = U32(file, 14);
  auto width = U32(file, 18);
  auto height = U32(file, 22);
  auto bits = U16(file, 28);
  auto compression = U32(file, 30);
  if (!dataOffset || !headerSize || !width || !height || !bits || !compression) return std::nullopt;
  if (*headerSize < 40 || *bits != 24 || *compression != 0) return std::nullopt;
  int32_t w = static_cast<int32_t>(*width);
  int32_t h = static_cast<int32_t>(*height);
  if (w <= 0 || w > 65535 || h == 0 || h < -65535 || h > 65535) return std::nullopt;
  bool bottomUp = h > 0;
  int rows = std::abs(h);
  size_t rowBytes = PaddedRowBytes(w);
  if (!Fits(*dataOffset, uint64_t(rowBytes) * uint64_t(rows), file.size())) return std::nullopt;
  Pixels24 pixels(w, rows);
  for (int r = 0; r < rows; ++r) {
    int y = bottomUp ? rows - 1 - r : r;
    const char* row = file.data() + *dataOffset + size_t(r) * rowBytes;
    std::copy(row, row + size_t(w) * 3, reinterpret_cast<char*>(pixels.At(0, y)));
  }
  return pixels;
}

void ReplacePixelColour(Pixels24& pixels, uint32_t fromColour, uint32_t toColour) {
  const uint8_t from[3] = {uint8_t(fromColour >> 16), uint8_t(fromColour >> 8), uint8_t(fromColour)};
  const uint8_t to[3] = {uint8_t(toColour >> 16), uint8_t(toColour >> 8), uint8_t(toColour)};
  for (size_t i = 0; i + 2 < pixels.bgr.size(); i += 3) {
    uint8_t* p = &pixels.bgr[i];
    bool isFrom = p[0] == from[0] && p[1] == from[1] && p[2] == from[2];
    bool isNearBlack = p[0] == 1 && p[1] == 1 && p[2] == 1;
    if (isFrom || isNearBlack) {
      p[0] = to[0];
      p[1] = to[1];
      p[2] = to[2];
    }
  }
}

std::string WhiteMaskIco24(const Pixels24& pixels) {
  const int w = pixels.width, h = pixels.height;
  if (w < 1 || w > 255 || h < 1 || h > 255 || pixels.bgr.size() != size_t(w) * size_t(h) * 3) return {};
  const size_t colourPadding = size_t(w) % 4;
  const size_t maskRowBytes = (size_t(w) + 31) / 32 * 4;
  const uint32_t colourBytes = static_cast<uint32_t>(3 * w * h + h * colourPadding);
  std::string image;
  PutInfoHeader(image, w, 2 * h, colourBytes);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = pixels.At(x, y);
      if (IsWhite(p))
        image.append(3, '\0');
      else
        image.append(reinterpret_cast<const char*>(p), 3);
    }
    image.append(colourPadding, '\0');
  }
  for (int y = h - 1; y >= 0; --y) {
    std::string row(maskRowBytes, '\0');
    for (int x = 0; x < w; ++x)
      if (IsWhite(pixels.At(x, y))) row[size_t(x) / 8] = static_cast<char>(uint8_t(row[size_t(x) / 8]) | (0x80 >> (x % 8)));
    image += row;
  }
  IcoImage single;
  single.entry.width = static_cast<uint8_t>(w);
  single.entry.height = static_cast<uint8_t>(h);
  single.entry.planes = 1;
  single.entry.bitCount = 24;
  single.data = image;
  return AssembleIco({single});
}
