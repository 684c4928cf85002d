// src/icons/icon_hash.h
// Names of the cached icon files. Each item's icon lies in the data directory as IconHash + ".ico",
// ".png" or ".bmp", where IconHash is the MD5 digest (32 lowercase hex digits) of the local date
// and time as text followed by the item's base name.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "store/gbk_text.h"

struct LocalDateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The local date and time now (GetLocalTime on Windows).
LocalDateTime CurrentLocalDateTime();

// "2024年5月6日" followed by "7时8分9秒" when the seconds are not 0, else "7时8分" when the minutes
// are not 0, else "7时" when the hour is not 0, else nothing. Decimal, no leading zeros.
GbkText IconDateText(const LocalDateTime& when);

// The plain digest of dateText + baseName, as 32 lowercase hex digits.
std::string IconHash(std::string_view dateText, std::string_view baseName);

// The first free name among IconHash(dateText, baseName) and, when that one is taken, the digests
// of dateText + baseName + "#1", "#2", ...: so two items with the same base name made in the same
// second never share a cache file. `isTaken` says whether a candidate name is in use. Empty when
// kMaxIconHashTries candidates were all taken (only a broken `isTaken` can do that).
constexpr int kMaxIconHashTries = 10000;
std::string PickIconHash(std::string_view dateText, std::string_view baseName,
                         const std::function<bool(const std::string& hash)>& isTaken);

// The IconHash for a new item's icon, read from the clock once: a name that no file in `dataDir`
// (ending in a backslash) uses with any of the three cache extensions, and that this process has
// not handed out before (an item whose extraction wrote no file still holds its name).
std::string NewIconHash(const std::string& dataDir, std::string_view baseName);
std::string NewIconHash(const std::string& dataDir, std::string_view baseName, const LocalDateTime& now);
