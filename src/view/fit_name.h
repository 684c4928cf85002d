// src/view/fit_name.h
// The text drawn under an item's icon: its name cut to the display length without ever splitting
// a double-byte character.
#pragma once
#include <string_view>

#include "store/gbk_text.h"

namespace view {

// `name` with every double-byte character that has a one-byte form in code page 936 replaced by
// it: the full-width letters, digits and punctuation and the ideographic space. The full-width
// yen sign and macron have no one-byte form and stay.
GbkText ToOneByteForms(std::string_view name);

// in: an item name and the display length L in bytes.
// out: the name itself when it is shorter than L; otherwise its one-byte form, cut before the
// character that would make it reach L bytes and followed by "...", or whole when it stays short.
GbkText FitName(std::string_view name, int nameLength);

}  // namespace view
