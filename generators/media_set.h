// generators/media_set.h
// Every bundled file with the name it is written under and the name of its symbol in the
// generated source.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "byte_writer.h"

namespace mediagen {

struct MediaFile {
  std::string fileName;  // e.g. "tray.ico"
  std::string symbol;    // array name in the generated source, e.g. "kTrayIcon"
  Bytes bytes;
  std::size_t requiredSize = 0;  // 0: any size
};

std::vector<MediaFile> AllMedia();

// Why the set cannot be used ("" when every file is made and has its required size).
std::string CheckMedia(const std::vector<MediaFile>& files);

// C++ source defining the media:: accessors of src/resources/media.h over byte arrays.
std::string GeneratedSource(const std::vector<MediaFile>& files);

}  // namespace mediagen
