// src/store/section_block.cpp
#include "store/section_block.h"

#include "store/store_texts.h"

namespace {

const std::string_view kCrLf = "\r\n";

bool StartsLine(std::string_view text, size_t offset) { return offset == 0 || text[offset - 1] == '\n'; }

// 0-based offset of the first occurrence of `needle` at or after `from` that starts a line,
// at a character boundary; npos when there is none.
size_t FindAtLineStart(std::string_view text, std::string_view needle, size_t from) {
  size_t pos = gbk::Find(text, needle, from + 1);
  while (pos != 0 && !StartsLine(text, pos - 1)) pos = gbk::Find(text, needle, pos + 1);
  return pos == 0 ? std::string_view::npos : pos - 1;
}

// True when some line of `body` after its first line is a section header (blanks, then "[").
bool HoldsSectionHeader(std::string_view body) {
  for (size_t nl = body.find('\n'); nl != std::string_view::npos; nl = body.find('\n', nl + 1)) {
    size_t i = nl + 1;
    while (i < body.size() && (body[i] == ' ' || body[i] == '\t')) ++i;
    if (i < body.size() && body[i] == '[') return true;
  }
  return false;
}

}  // namespace

GbkText TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker) {
  const GbkText start = gbk::ReplaceAll(startMarker, store_text::kQuoteWord, "\"");
  const GbkText end = gbk::ReplaceAll(endMarker, store_text::kQuoteWord, "\"");
  const size_t startPos = gbk::Find(text, start);
  if (startPos == 0) return {};
  const size_t from = startPos + start.size();  // 1-based position just after the start marker
  const size_t endPos = gbk::Find(text, end, from);
  if (endPos == 0) return {};
  return GbkText(text.substr(from - 1, endPos - from));
}

std::optional<GbkText> SectionBlock(std::string_view text, std::string_view name) {
  const GbkText header = "[" + GbkText(name) + "]";
  const GbkText hashKey = GbkText(store_text::kIconHashKey) + "=";
  const size_t headerAt = FindAtLineStart(text, header, 0);
  if (headerAt == std::string_view::npos) return std::nullopt;
  const size_t bodyAt = headerAt + header.size();
  const size_t hashAt = FindAtLineStart(text, hashKey, bodyAt);
  if (hashAt == std::string_view::npos || HoldsSectionHeader(text.substr(bodyAt, hashAt - bodyAt)))
    return std::nullopt;
  const size_t valueAt = hashAt + hashKey.size();
  const size_t lineEnd = text.find_first_of("\r\n", valueAt);
  if (lineEnd != std::string_view::npos && text.compare(lineEnd, kCrLf.size(), kCrLf) != 0) return std::nullopt;
  const size_t blockEnd = lineEnd == std::string_view::npos ? text.size() : lineEnd;
  return GbkText(text.substr(headerAt, blockEnd - headerAt));
}

GbkText WithoutSectionBlock(std::string_view text, std::string_view name) {
  const std::optional<GbkText> block = SectionBlock(text, name);
  if (!block) return GbkText(text);
  GbkText result = gbk::ReplaceAll(text, *block + GbkText(kCrLf), "");
  // The last section of a file that does not end in a line break.
  if (result.size() >= block->size() && result.compare(result.size() - block->size(), block->size(), *block) == 0 &&
      gbk::IsCharBoundary(result, result.size() - block->size()) &&
      StartsLine(result, result.size() - block->size()))
    result.resize(result.size() - block->size());
  return result;
}
