// src/icons/icon_image_posix.cpp
// Native stand-ins: without the Windows shell and GDI+ there is no icon to draw and no image to
// read, which is what these answer.
#include "icons/icon_cache.h"
#include "platform/file_io.h"

std::string IconImageBytes(const std::string& /*source*/, int /*index*/) { return {}; }

void ExtractIconImage(const std::string& /*source*/, int /*index*/, const std::string& target) {
  file_io::WriteWholeFile(target, "");
}

std::optional<std::string> LoadThumbnailBmp(const std::string& /*file*/, int /*width*/, int /*height*/) {
  return std::nullopt;
}
