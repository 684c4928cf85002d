// src/icons/icon_hash.cpp
#include "icons/icon_hash.h"

#include <mutex>
#include <set>

#include "icons/md5.h"
#include "platform/file_io.h"

GbkText IconDateText(const LocalDateTime& when) {
  using gbk::FromInteger;
  GbkText text = FromInteger(when.year) + "\xC4\xEA" /* 年 */ + FromInteger(when.month) + "\xD4\xC2" /* 月 */ +
                 FromInteger(when.day) + "\xC8\xD5" /* 日 */;
  if (when.second != 0)
    text += FromInteger(when.hour) + "\xCA\xB1" /* 时 */ + FromInteger(when.minute) + "\xB7\xD6" /* 分 */ +
            FromInteger(when.second) + "\xC3\xEB" /* 秒 */;
  else if (when.minute != 0)
    text += FromInteger(when.hour) + "\xCA\xB1" /* 时 */ + FromInteger(when.minute) + "\xB7\xD6" /* 分 */;
  else if (when.hour != 0)
    text += FromInteger(when.hour) + "\xCA\xB1" /* 时 */;
  return text;
}

std::string IconHash(std::string_view dateText, std::string_view baseName) {
  std::string text(dateText);
  text += baseName;
  return md5::Hex(text);
}

std::string PickIconHash(std::string_view dateText, std::string_view baseName,
                         const std::function<bool(const std::string& hash)>& isTaken) {
  for (int attempt = 0; attempt < kMaxIconHashTries; ++attempt) {
    std::string hash = attempt == 0 ? IconHash(dateText, baseName)
                                    : IconHash(dateText, std::string(baseName) + "#" + std::to_string(attempt));
    if (!isTaken(hash)) return hash;
  }
  return {};
}

std::string NewIconHash(const std::string& dataDir, std::string_view baseName, const LocalDateTime& now) {
  // Names handed out earlier in this run stay reserved even when no file was written under them.
  static std::mutex guard;
  static std::set<std::string> handedOut;
  std::lock_guard<std::mutex> lock(guard);
  std::string hash = PickIconHash(IconDateText(now), baseName, [&](const std::string& candidate) {
    if (handedOut.count(candidate)) return true;
    for (const char* extension : {".ico", ".png", ".bmp"})
      if (file_io::FileExists(dataDir + candidate + extension)) return true;
    return false;
  });
  if (!hash.empty()) handedOut.insert(hash);
  return hash;
}

std::string NewIconHash(const std::string& dataDir, std::string_view baseName) {
  return NewIconHash(dataDir, baseName, CurrentLocalDateTime());
}
