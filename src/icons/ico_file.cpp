// src/icons/ico_file.cpp
#include "icons/ico_file.h"

#include "icons/byte_layout.h"

using namespace byte_layout;

namespace {
constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1A\n", 8};
}

bool HasPngSignature(std::string_view data) { return data.substr(0, 8) == kPngSignature; }

bool IsWholePng(std::string_view data) {
  if (!HasPngSignature(data)) return false;
  size_t at = 8;
  bool first = true;
  // Each chunk: 4-byte big-endian length, 4-byte type, data, 4-byte CRC. Every step moves
  // forward by at least 12 bytes, so the walk ends.
  while (Fits(at, 8, data.size())) {
    uint64_t length = BigU32(data, at);
    std::string_view type = data.substr(at + 4, 4);
    if (!Fits(at + 8, length + 4, data.size())) return false;
    if (first && (type != "IHDR" || length != 13)) return false;
    first = false;
    if (type == "IEND") return true;
    at += 12 + length;
  }
  return false;
}

std::optional<std::vector<IcoImage>> ReadIcoImages(std::string_view file) {
  auto reserved = U16(file, 0);
  auto type = U16(file, 2);
  auto count = U16(file, 4);
  if (!reserved || !type || !count || *reserved != 0 || *type != 1) return std::nullopt;
  std::vector<IcoImage> images;
  for (uint32_t i = 0; i < *count; ++i) {
    uint64_t record = kIcoHeaderSize + uint64_t(i) * kIcoEntrySize;
    if (!Fits(record, kIcoEntrySize, file.size())) break;  // the directory runs past the end
    IcoImage image;
    IcoEntry& e = image.entry;
    e.width = *U8(file, record);
    e.height = *U8(file, record + 1);
    e.colourCount = *U8(file, record + 2);
    e.reserved = *U8(file, record + 3);
    e.planes = *U16(file, record + 4);
    e.bitCount = *U16(file, record + 6);
    e.size = *U32(file, record + 8);
    e.offset = *U32(file, record + 12);
    if (e.size == 0 || !Fits(e.offset, e.size, file.size())) continue;
    image.data = file.substr(e.offset, e.size);
    image.isPng = HasPngSignature(image.data);
    if (image.isPng && !IsWholePng(image.data)) continue;
    images.push_back(image);
  }
  return images;
}

bool IsSoundIco(std::string_view file) {
  auto images = ReadIcoImages(file);
  auto count = U16(file, 4);
  return images && count && images->size() == *count && !images->empty();
}

std::string AssembleIco(const std::vector<IcoImage>& images) {
  std::string out;
  PutU16(out, 0);
  PutU16(out, 1);
  PutU16(out, static_cast<uint16_t>(images.size()));
  uint32_t offset = static_cast<uint32_t>(kIcoHeaderSize + kIcoEntrySize * images.size());
  for (const IcoImage& image : images) {
    const IcoEntry& e = image.entry;
    PutU8(out, e.width);
    PutU8(out, e.height);
    PutU8(out, e.colourCount);
    PutU8(out, e.reserved);
    PutU16(out, e.planes);
    PutU16(out, e.bitCount);
    PutU32(out, static_cast<uint32_t>(image.data.size()));
    PutU32(out, offset);
    offset += static_cast<uint32_t>(image.data.size());
  }
  for (const IcoImage& image : images) out += image.data;
  return out;
}
