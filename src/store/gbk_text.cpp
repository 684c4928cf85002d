// src/store/gbk_text.cpp
#include "store/gbk_text.h"

#include <limits>

namespace gbk {

size_t CharLength(std::string_view text, size_t pos) {
  if (pos >= text.size()) return 0;
  if (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) return 2;
  return 1;
}

bool IsCharBoundary(std::string_view text, size_t pos) {
  size_t i = 0;
  while (i < pos && i < text.size()) i += CharLength(text, i);
  return i == pos;
}

size_t Find(std::string_view text, std::string_view needle, size_t start) {
  if (needle.empty() || start == 0) return 0;
  size_t i = 0;
  // Walk to the first character boundary at or after the start position.
  while (i < start - 1 && i < text.size()) i += CharLength(text, i);
  for (; i + needle.size() <= text.size(); i += CharLength(text, i)) {
    if (text.compare(i, needle.size(), needle) == 0) return i + 1;
  }
  return 0;
}

std::vector<GbkText> Split(std::string_view text, std::string_view separator) {
  std::vector<GbkText> pieces;
  if (separator.empty()) {
    pieces.emplace_back(text);
    return pieces;
  }
  size_t pieceStart = 0;
  size_t i = 0;
  while (i < text.size()) {
    if (i + separator.size() <= text.size() && text.compare(i, separator.size(), separator) == 0) {
      pieces.emplace_back(text.substr(pieceStart, i - pieceStart));
      i += separator.size();
      pieceStart = i;
    } else {
      i += CharLength(text, i);
    }
  }
  pieces.emplace_back(text.substr(pieceStart));
  return pieces;
}

GbkText ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return GbkText(text);
  GbkText out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (i + from.size() <= text.size() && text.compare(i, from.size(), from) == 0) {
      out.append(to);
      i += from.size();
    } else {
      size_t n = CharLength(text, i);
      out.append(text.substr(i, n));
      i += n;
    }
  }
  return out;
}

std::string_view LeftWhole(std::string_view text, size_t maxBytes) {
  size_t i = 0;
  while (i < text.size()) {
    size_t n = CharLength(text, i);
    if (i + n > maxBytes) break;
    i += n;
  }
  return text.substr(0, i);
}

GbkText AsciiLower(std::string_view text) {
  GbkText out(text);
  for (size_t i = 0; i < out.size();) {
    size_t n = CharLength(out, i);
    if (n == 1 && out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] - 'A' + 'a');
    i += n;
  }
  return out;
}

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && AsciiLower(a) == AsciiLower(b);
}

int32_t LeadingInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  const long long limit = static_cast<long long>(std::numeric_limits<int32_t>::max()) + 1;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > limit) value = limit;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

GbkText FromInteger(long long value) { return std::to_string(value); }

std::string_view TrimBlanks(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= 0x20) ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 0x20) --e;
  return text.substr(b, e - b);
}

}  // namespace gbk
