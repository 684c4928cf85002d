// src/store/category_order.cpp
#include "store/category_order.h"

#include "store/store_texts.h"

std::vector<GbkText> SplitCategoryOrder(std::string_view stored) {
  if (stored.empty()) return {};
  std::vector<GbkText> names = gbk::Split(stored, store_text::kOrderSeparator);
  // Split always yields the piece after the last separator; a text that ends in one has none.
  if (!names.empty() && names.back().empty()) names.pop_back();
  return names;
}

GbkText JoinCategoryOrder(const std::vector<GbkText>& names) {
  GbkText stored;
  for (const GbkText& name : names) {
    stored += name;
    stored += store_text::kOrderSeparator;
  }
  return stored;
}

GbkText RemoveIniExtensions(std::string_view fileName) {
  // ".ini" is plain ASCII starting with '.', which is never the second byte of a double-byte
  // character, so every match found in the folded copy lies at a character boundary.
  const std::string_view ext = store_text::kCategoryExtension;
  const GbkText folded = gbk::AsciiLower(fileName);
  GbkText name;
  size_t i = 0;
  while (i < fileName.size()) {
    if (folded.compare(i, ext.size(), ext) == 0) {
      i += ext.size();
    } else {
      size_t n = gbk::CharLength(fileName, i);
      name.append(fileName.substr(i, n));
      i += n;
    }
  }
  return name;
}
