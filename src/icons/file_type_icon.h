// src/icons/file_type_icon.h
// Where a document's icon comes from: the file type registered for its extension under
// HKEY_CLASSES_ROOT (".ext" -> class -> class\DefaultIcon, else the program of
// class\shell\open\command), and how an icon location "path,index" is read.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "store/gbk_text.h"

// One icon to extract into the cache icon.
struct IconPick {
  enum class Kind {
    kGroup,  // ExtractIconGroup of `source` at position `number` (counted from 1)
    kImage,  // ExtractIconImage of `source` with index `number` (negative: a resource identifier)
  };
  Kind kind = Kind::kGroup;
  GbkText source;
  int32_t number = 1;
  bool operator==(const IconPick&) const = default;
};

struct IconLocationParts {
  GbkText path;   // the text before the last ",", without the spaces around it (quotes kept)
  int32_t index;  // the leading number after the last "," (0 when there is none)
};
// Nothing when the location has no ",".
std::optional<IconLocationParts> SplitIconLocation(std::string_view location);

struct FileTypeIcon {
  IconPick pick;
  // The type named no icon of its own (its default icon is a file, or the open command's program
  // is used): an empty cache icon afterwards is a failure to report at once.
  bool reportEmptyResult = false;
};

// The default value of a key under HKEY_CLASSES_ROOT (expanded when it is an expandable string),
// or the empty text when the key or value is missing.
using ClassesRootReader = std::function<GbkText(const GbkText& key)>;
using FileProbe = std::function<bool(const GbkText& path)>;

// The icon for a document with `extension` (lower case, no "."). An unregistered type gives a
// group of an empty source, which extracts nothing.
FileTypeIcon FileTypeIconOf(std::string_view extension, const ClassesRootReader& readDefault,
                            const FileProbe& fileExists);
