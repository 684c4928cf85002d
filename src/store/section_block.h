// src/store/section_block.h
// Text edits of a category file that the profile functions cannot do (removing and moving whole
// items). An item's SectionBlock is the text from its header "[name]" up to the end of the value
// on its "图标hash=" line, without the CR LF that ends that line; an edit removes or inserts
// block + CR LF as a whole. Searches step over double-byte characters as units.
#pragma once
#include <optional>
#include <string_view>

#include "store/gbk_text.h"

// The bytes after the first `startMarker` up to the next `endMarker`; the empty text when either
// is missing. "#引号" in a marker stands for a double quote.
GbkText TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker);

// The SectionBlock of `name` in `text`, or nothing when it cannot be delimited: no header line
// "[name]", no "图标hash=" line after it within the same section, or a value line that does not
// end in CR LF (or at the end of the text). Only whole lines count: a "[name]" inside a value or
// a "图标hash=" inside another line is not taken, and a block never reaches into the next
// section, so an edit built on it cannot take another item's lines along.
std::optional<GbkText> SectionBlock(std::string_view text, std::string_view name);

// `text` without every occurrence of name's block + CR LF (and without the block itself when it
// ends the text with no line end). Unchanged when the block cannot be delimited.
GbkText WithoutSectionBlock(std::string_view text, std::string_view name);
