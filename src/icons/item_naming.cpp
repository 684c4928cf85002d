// src/icons/item_naming.cpp
#include "icons/item_naming.h"

#include <vector>

namespace {
constexpr char kOpenBracket[] = "\xA1\xBE";   // 【
constexpr char kCloseBracket[] = "\xA1\xBF";  // 】
}  // namespace

GbkText WithoutBrackets(std::string_view name) {
  return gbk::ReplaceAll(gbk::ReplaceAll(name, "[", kOpenBracket), "]", kCloseBracket);
}

PathNames NamesOfPath(std::string_view path, bool replaceBrackets) {
  PathNames names;
  names.fileName = gbk::Split(path, "\\").back();
  names.displayName = replaceBrackets ? WithoutBrackets(names.fileName) : names.fileName;
  // "." is never the second byte of a double-byte character, so a plain search is exact.
  const size_t dot = names.displayName.rfind('.');
  if (dot == GbkText::npos) {
    names.baseName = names.displayName;
  } else {
    names.baseName = names.displayName.substr(0, dot);
    names.extension = gbk::AsciiLower(std::string_view(names.displayName).substr(dot + 1));
  }
  return names;
}
