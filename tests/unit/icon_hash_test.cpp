// tests/unit/icon_hash_test.cpp
#include "icons/icon_hash.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include <unistd.h>

namespace {
const std::string kNian = "\xC4\xEA", kYue = "\xD4\xC2", kRi = "\xC8\xD5";   // 年 月 日
const std::string kShi = "\xCA\xB1", kFen = "\xB7\xD6", kMiao = "\xC3\xEB";  // 时 分 秒
const std::string kNotepad = "\xBC\xC7\xCA\xC2\xB1\xBE";                     // 记事本
}  // namespace

TEST(IconHash, DateTextDropsTrailingZeroFields) {
  struct Case { LocalDateTime when; std::string text; };
  const Case cases[] = {
      {{2024, 5, 6, 7, 8, 9}, "2024" + kNian + "5" + kYue + "6" + kRi + "7" + kShi + "8" + kFen + "9" + kMiao},
      {{2024, 12, 31, 0, 0, 5}, "2024" + kNian + "12" + kYue + "31" + kRi + "0" + kShi + "0" + kFen + "5" + kMiao},
      {{2024, 5, 6, 0, 30, 0}, "2024" + kNian + "5" + kYue + "6" + kRi + "0" + kShi + "30" + kFen},
      {{2024, 5, 6, 13, 0, 0}, "2024" + kNian + "5" + kYue + "6" + kRi + "13" + kShi},
      {{2024, 5, 6, 0, 0, 0}, "2024" + kNian + "5" + kYue + "6" + kRi},
  };
  for (const Case& c : cases) EXPECT_EQ(IconDateText(c.when), c.text);
}

TEST(IconHash, IsTheDigestOfDateTextThenBaseName) {
  // Digests from md5sum of the GBK bytes.
  GbkText date = IconDateText({2024, 5, 6, 7, 8, 9});
  EXPECT_EQ(IconHash(date, kNotepad), "9d07913f952349ecc671833f17a2885d");
  EXPECT_EQ(PickIconHash(date, kNotepad, [](const std::string&) { return false; }),
            "9d07913f952349ecc671833f17a2885d");
}

TEST(IconHash, PickDerivesAFreshNameWhenTaken) {
  GbkText date = IconDateText({2024, 5, 6, 7, 8, 9});
  std::set<std::string> taken = {"9d07913f952349ecc671833f17a2885d"};
  auto isTaken = [&](const std::string& hash) { return taken.count(hash) > 0; };
  std::string second = PickIconHash(date, kNotepad, isTaken);
  EXPECT_EQ(second, "49cf8ca58e5743e7e8017521216fb444");  // md5 of date + name + "#1"
  taken.insert(second);
  std::string third = PickIconHash(date, kNotepad, isTaken);
  EXPECT_EQ(third.size(), 32u);
  EXPECT_FALSE(taken.count(third));
  EXPECT_EQ(PickIconHash(date, kNotepad, [](const std::string&) { return true; }), "");
}

TEST(IconHash, NewNamesNeverMeetACacheFileOfAnyKindNorEachOther) {
  auto dir = std::filesystem::temp_directory_path() / ("tovenk_iconhash_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::string dataDir = dir.string() + "/";
  LocalDateTime now{2030, 1, 2, 3, 4, 5};
  GbkText date = IconDateText(now);
  // Another item (in whatever category) already holds the plain name and its first derivative.
  std::string plain = IconHash(date, "readme");
  std::string derived = IconHash(date, "readme#1");
  std::ofstream(dir / (plain + ".png")) << "x";
  std::ofstream(dir / (derived + ".bmp")) << "x";

  std::set<std::string> names;
  for (int i = 0; i < 3; ++i) {
    // The same base name in the same second, with no file written in between.
    std::string hash = NewIconHash(dataDir, "readme", now);
    EXPECT_NE(hash, plain);
    EXPECT_NE(hash, derived);
    EXPECT_EQ(hash.size(), 32u);
    names.insert(hash);
  }
  EXPECT_EQ(names.size(), 3u);
  EXPECT_EQ(NewIconHash(dataDir, "other", now), IconHash(date, "other"));
  std::filesystem::remove_all(dir);
}
