// src/icons/item_naming.h
// The names an item takes from its path: the last component (split at "\"), the display name
// (item names never hold "[" or "]", which would break their section headers, so these become
// "【" and "】"), the extension after the last "." in lower case, and the base name before it.
#pragma once
#include <string_view>

#include "store/gbk_text.h"

struct PathNames {
  GbkText fileName;     // the last component as it is
  GbkText displayName;  // the file name with the brackets replaced (or not, when asked)
  GbkText extension;    // lower case, without the "."; empty when the name has no "."
  GbkText baseName;     // before the last "."; the whole display name when it has no "."
};

PathNames NamesOfPath(std::string_view path, bool replaceBrackets = true);

// Every "[" replaced by "【" and every "]" by "】" (double-byte characters stepped over).
GbkText WithoutBrackets(std::string_view name);
