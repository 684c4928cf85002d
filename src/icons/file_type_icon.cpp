// src/icons/file_type_icon.cpp
#include "icons/file_type_icon.h"

#include <limits>

#include "store/section_block.h"

namespace {

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<IconLocationParts> SplitIconLocation(std::string_view location) {
  // "," is never the second byte of a double-byte character, so a plain search is exact.
  const size_t comma = location.rfind(',');
  if (comma == std::string_view::npos) return std::nullopt;
  return IconLocationParts{GbkText(TrimSpaces(location.substr(0, comma))),
                           gbk::LeadingInteger(location.substr(comma + 1))};
}

FileTypeIcon FileTypeIconOf(std::string_view extension, const ClassesRootReader& readDefault,
                            const FileProbe& fileExists) {
  const GbkText typeClass = readDefault("." + GbkText(extension));
  // Without a class there is nothing to look up (a key "\DefaultIcon" is not the class's).
  const GbkText iconValue = typeClass.empty() ? GbkText() : readDefault(typeClass + "\\DefaultIcon");

  if (auto parts = SplitIconLocation(iconValue); parts && !parts->path.empty()) {
    if (parts->index < 0) return {{IconPick::Kind::kImage, parts->path, parts->index}, false};
    const int32_t position = parts->index == std::numeric_limits<int32_t>::max() ? parts->index : parts->index + 1;
    return {{IconPick::Kind::kGroup, parts->path, position}, false};
  }
  if (!iconValue.empty() && fileExists(iconValue)) return {{IconPick::Kind::kGroup, iconValue, 1}, true};
  const GbkText command = typeClass.empty() ? GbkText() : readDefault(typeClass + "\\shell\\open\\command");
  return {{IconPick::Kind::kGroup, TextBetween(command, "\"", "\""), 1}, true};
}
