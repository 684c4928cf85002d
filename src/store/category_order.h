// src/store/category_order.h
// The stored order of the categories (settings key "类别": every name followed by "#@#@#") and
// the naming rule that turns a category file's name into its category name.
#pragma once
#include <string_view>
#include <vector>

#include "store/gbk_text.h"

// The names between separators, split at character boundaries. A trailing separator gives no
// empty last name; an empty piece between two separators is kept as an empty name.
std::vector<GbkText> SplitCategoryOrder(std::string_view stored);
// Every name followed by "#@#@#".
GbkText JoinCategoryOrder(const std::vector<GbkText>& names);

// The text with every ".ini" removed, letter case ignored (Notes.INI gives Notes).
GbkText RemoveIniExtensions(std::string_view fileName);
