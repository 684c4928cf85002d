// src/icons/icon_cache.cpp
#include "icons/icon_cache.h"

#include <vector>

#include "icons/byte_source.h"
#include "icons/ico_file.h"
#include "icons/pe_resources.h"
#include "platform/file_io.h"
#include "store/gbk_text.h"

namespace {

std::string SourceKind(const std::string& source) {
  return gbk::AsciiLower(source.size() >= 3 ? std::string_view(source).substr(source.size() - 3) : source);
}

// An icon file is one group; its broken entries are left out, and with none left it has none.
std::optional<std::string> IconFileGroup(const std::string& source) {
  auto bytes = file_io::ReadWholeFile(source);
  if (!bytes) return std::nullopt;
  if (IsSoundIco(*bytes)) return bytes;
  auto images = ReadIcoImages(*bytes);
  if (!images || images->empty()) return std::nullopt;
  return AssembleIco(*images);
}

}  // namespace

bool ExtractIconGroup(const std::string& source, int position, const std::string& target) {
  if (position < 1) position = 1;
  std::string kind = SourceKind(source);
  std::optional<std::string> ico;
  if (kind == "ico") {
    if (position == 1) ico = IconFileGroup(source);
  } else if (kind == "exe" || kind == "dll" || kind == "icl") {
    FileByteSource file(source);
    ico = IconGroupAsIco(file, position);
  }
  return ico && file_io::WriteWholeFile(target, *ico);
}

std::string ReduceIconFile(const std::string& file, const std::string& stem) {
  auto bytes = file_io::ReadWholeFile(file);
  if (!bytes || bytes->empty()) return "ico";
  auto images = ReadIcoImages(*bytes).value_or(std::vector<IcoImage>{});
  for (const IcoImage& image : images)
    if (image.isPng) {
      // The PNG file goes into the cache exactly as it is.
      if (file_io::WriteWholeFile(stem + ".png", image.data)) return "png";
      return "ico";
    }
  const IcoImage* kept = nullptr;
  for (const IcoImage& image : images)
    if (!kept || image.data.size() >= kept->data.size()) kept = &image;
  if (!kept) {
    file_io::WriteWholeFile(stem + ".ico", "");
    return "ico";
  }
  IcoImage single;
  single.entry.width = kept->entry.width;
  single.entry.height = kept->entry.height;
  single.entry.planes = 1;
  single.entry.bitCount = 32;
  single.data = kept->data;
  file_io::WriteWholeFile(stem + ".ico", AssembleIco({single}));
  return "ico";
}
