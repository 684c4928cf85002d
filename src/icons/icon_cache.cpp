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

std::optional<std::string> IconGroupBytes(const std::string& source, int position) {
  if (position < 1) position = 1;
  std::string kind = SourceKind(source);
  if (kind == "ico") return position == 1 ? IconFileGroup(source) : std::nullopt;
  if (kind == "exe" || kind == "dll" || kind == "icl") {
    FileByteSource file(source);
    return IconGroupAsIco(file, position);
  }
  return std::nullopt;
}

bool ExtractIconGroup(const std::string& source, int position, const std::string& target) {
  std::optional<std::string> ico = IconGroupBytes(source, position);
  return ico && file_io::WriteWholeFile(target, *ico);
}

ReducedIcon ReduceIconBytes(std::string_view ico) {
  if (ico.empty()) return {"ico", std::nullopt};
  auto images = ReadIcoImages(ico).value_or(std::vector<IcoImage>{});
  for (const IcoImage& image : images)
    if (image.isPng) return {"png", std::string(image.data)};  // the PNG file exactly as it is
  const IcoImage* kept = nullptr;
  for (const IcoImage& image : images)
    if (!kept || image.data.size() >= kept->data.size()) kept = &image;
  if (!kept) return {"ico", std::string()};
  IcoImage single;
  single.entry.width = kept->entry.width;
  single.entry.height = kept->entry.height;
  single.entry.planes = 1;
  single.entry.bitCount = 32;
  single.data = kept->data;
  return {"ico", AssembleIco({single})};
}

std::string ReduceIconFile(const std::string& file, const std::string& stem) {
  auto bytes = file_io::ReadWholeFile(file);
  if (!bytes) return "ico";
  ReducedIcon reduced = ReduceIconBytes(*bytes);
  if (!reduced.bytes) return "ico";
  if (reduced.kind == "png") return file_io::WriteWholeFile(stem + ".png", *reduced.bytes) ? "png" : "ico";
  file_io::WriteWholeFile(stem + ".ico", *reduced.bytes);
  return "ico";
}
