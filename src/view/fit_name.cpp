// src/view/fit_name.cpp
#include "view/fit_name.h"

#include "view/view_texts.h"

namespace view {
namespace {

// The one-byte form of the double-byte character lead/trail, or 0 when it has none.
char OneByteForm(unsigned char lead, unsigned char trail) {
  if (lead == 0xA1) {
    if (trail == 0xA1) return ' ';  // ideographic space
    if (trail == 0xAB) return '~';  // full-width tilde
    if (trail == 0xE7) return '$';  // full-width dollar sign
    return 0;
  }
  // Row A3 mirrors printable ASCII, except A3A4 (yen sign) and A3FE (macron).
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFD && trail != 0xA4) {
    return static_cast<char>(trail - 0x80);
  }
  return 0;
}

}  // namespace

GbkText ToOneByteForms(std::string_view name) {
  GbkText out;
  out.reserve(name.size());
  for (size_t i = 0; i < name.size();) {
    const size_t length = gbk::CharLength(name, i);
    if (length == 2) {
      const char narrow = OneByteForm(static_cast<unsigned char>(name[i]), static_cast<unsigned char>(name[i + 1]));
      if (narrow != 0) {
        out.push_back(narrow);
      } else {
        out.append(name.substr(i, 2));
      }
    } else {
      out.push_back(name[i]);
    }
    i += length;
  }
  return out;
}

GbkText FitName(std::string_view name, int nameLength) {
  // Compare as 64-bit so a negative length never turns into a huge unsigned one.
  const long long limit = nameLength;
  if (static_cast<long long>(name.size()) < limit) return GbkText(name);

  const GbkText narrow = ToOneByteForms(name);
  // Characters are whole: a lead byte takes the next byte with it (a lone lead byte at the end
  // stands alone), so the cut always falls between characters.
  for (size_t end = 0; end < narrow.size();) {
    const size_t next = end + gbk::CharLength(narrow, end);
    if (static_cast<long long>(next) >= limit) return narrow.substr(0, end) + text::kEllipsis;
    end = next;
  }
  return narrow;
}

}  // namespace view
