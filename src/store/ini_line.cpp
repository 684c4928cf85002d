// src/store/ini_line.cpp
#include "store/ini_line.h"

namespace ini {

namespace {

Span Trimmed(std::string_view line, size_t begin, size_t end) {
  while (begin < end && IsBlank(line[begin])) ++begin;
  while (end > begin && IsBlank(line[end - 1])) --end;
  return {begin, end};
}

// Position of the last ']' after `from` that is a character of its own (not the trail byte of a
// double-byte character), or npos.
size_t LastClosingBracket(std::string_view line, size_t from) {
  size_t found = std::string_view::npos;
  for (size_t i = from; i < line.size(); i += gbk::CharLength(line, i)) {
    if (line[i] == ']') found = i;
  }
  return found;
}

}  // namespace

LineParts ParseLine(std::string_view line) {
  LineParts parts;
  size_t first = 0;
  while (first < line.size() && IsBlank(line[first])) ++first;
  if (first == line.size()) return parts;  // kBlank
  if (line[first] == ';') {
    parts.kind = LineKind::kComment;
    return parts;
  }
  if (line[first] == '[') {
    size_t close = LastClosingBracket(line, first + 1);
    if (close != std::string_view::npos) {
      parts.kind = LineKind::kSection;
      parts.name = Trimmed(line, first + 1, close);
      return parts;
    }
  }
  // '=' is never the trail byte of a double-byte character, so a plain byte search is exact.
  parts.kind = LineKind::kKey;
  size_t equals = line.find('=', first);
  if (equals == std::string_view::npos) {
    parts.name = Trimmed(line, first, line.size());
    parts.value = {parts.name.end, parts.name.end};
    return parts;
  }
  parts.hasEquals = true;
  parts.name = Trimmed(line, first, equals);
  parts.value = Trimmed(line, equals + 1, line.size());
  return parts;
}

size_t LineContentEnd(std::string_view text, size_t pos) {
  while (pos < text.size() && text[pos] != '\r' && text[pos] != '\n') ++pos;
  return pos;
}

size_t NextLineStart(std::string_view text, size_t contentEnd) {
  if (contentEnd >= text.size()) return text.size();
  if (text[contentEnd] == '\r' && contentEnd + 1 < text.size() && text[contentEnd + 1] == '\n') return contentEnd + 2;
  return contentEnd + 1;
}

std::string_view UpToNul(std::string_view text) {
  size_t nul = text.find('\0');
  return nul == std::string_view::npos ? text : text.substr(0, nul);
}

std::string_view NameArgument(std::string_view name) {
  name = UpToNul(name);
  size_t begin = 0, end = name.size();
  while (begin < end && IsBlank(name[begin])) ++begin;
  while (end > begin && IsBlank(name[end - 1])) --end;
  return name.substr(begin, end - begin);
}

}  // namespace ini
