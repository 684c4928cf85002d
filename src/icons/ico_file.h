// src/icons/ico_file.h
// The ICO file layout: a 6-byte header (reserved 0, type 1, image count), 16-byte directory
// entries (width, height, colour count, reserved, planes, bit count, image size, image offset;
// width and height 0 stand for 256), then the image data, each a DIB or a whole PNG file.
// Readers never trust the numbers: an entry whose record or data reaches past the end of the
// file, or whose PNG data is cut short, is left out as if it were not there.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct IcoEntry {
  uint8_t width = 0;
  uint8_t height = 0;
  uint8_t colourCount = 0;
  uint8_t reserved = 0;
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  uint32_t size = 0;    // image byte size
  uint32_t offset = 0;  // from the start of the file; ignored when assembling a file
};

// One image of an ICO file: its directory entry and its data.
struct IcoImage {
  IcoEntry entry;
  std::string_view data;
  bool isPng = false;  // the data begins with the PNG signature (and is a whole PNG file)
};

constexpr size_t kIcoHeaderSize = 6;
constexpr size_t kIcoEntrySize = 16;

// True when the bytes begin with the 8-byte PNG signature 89 50 4E 47 0D 0A 1A 0A.
bool HasPngSignature(std::string_view data);

// True when `data` is a PNG file whose chunks all lie inside it, beginning with IHDR and running
// up to IEND: a PNG that was cut short is not.
bool IsWholePng(std::string_view data);

// The images of an ICO file in directory order, leaving out every entry whose record or data
// does not lie wholly inside the file, whose size is 0, or whose PNG data is not whole.
// Nothing when the bytes do not begin with an icon header (reserved 0, type 1).
std::optional<std::vector<IcoImage>> ReadIcoImages(std::string_view file);

// True when the header, every directory record and every image lies inside the file and is usable:
// such a file can be passed on as it is.
bool IsSoundIco(std::string_view file);

// An ICO file of the given images in order, their data placed one after the other behind the
// directory (offsets and sizes worked out here; the other entry fields taken as given).
std::string AssembleIco(const std::vector<IcoImage>& images);
