// src/store/app_placeholder.h
// Item paths under the run directory are stored with "##APP##" in its place, so the launcher's
// folder can move with its data. Both conversions are byte-exact and replace every occurrence.
#pragma once
#include <string_view>

#include "store/gbk_text.h"

inline constexpr const char kAppPlaceholder[] = "##APP##";

// Every "##APP##" (letter case significant) becomes the run directory followed by "\".
GbkText ResolveAppPlaceholder(std::string_view storedPath);
// Every occurrence of the run directory followed by "\" becomes "##APP##".
GbkText ToAppPlaceholder(std::string_view path);
