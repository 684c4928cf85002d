#include "store/gbk_text.h"

#include <gtest/gtest.h>

// "中文" in code page 936 is D6 D0 CE C4; "\xB0\x5B" is a double-byte character whose trail byte
// is '[' and "\x81\x5D" one whose trail byte is ']', which must never be taken for the ASCII bytes.
namespace {
const std::string kZhong = "\xD6\xD0";
const std::string kWithBracketTrail = "\xB0[";
}  // namespace

TEST(GbkText, FindStepsOverDoubleByteCharacters) {
  struct Case { std::string text, needle; size_t start, expected; };
  const Case cases[] = {
      {"abc", "b", 1, 2},
      {"abc", "", 1, 0},
      {"abc", "x", 1, 0},
      {"abcabc", "abc", 2, 4},
      {kWithBracketTrail + "[", "[", 1, 3},           // the trail byte '[' is not a match
      {"\xD6\xD0\xD0\xCE", "\xD0\xD0", 1, 0},         // a match straddling two characters is none
      {kZhong + "#@#@#" + kZhong, "#@#@#", 1, 3},
      {"ab", "b", 5, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(gbk::Find(c.text, c.needle, c.start), c.expected) << c.text;
}

TEST(GbkText, SplitAndReplaceRespectCharacterBoundaries) {
  EXPECT_EQ(gbk::Split("a#@#@#b#@#@#", "#@#@#"), (std::vector<GbkText>{"a", "b", ""}));
  EXPECT_EQ(gbk::Split("", ","), (std::vector<GbkText>{""}));
  EXPECT_EQ(gbk::Split(kWithBracketTrail + "[x", "["), (std::vector<GbkText>{kWithBracketTrail, "x"}));
  EXPECT_EQ(gbk::ReplaceAll("##APP##a##APP##", "##APP##", "C:\\x\\"), "C:\\x\\aC:\\x\\");
  EXPECT_EQ(gbk::ReplaceAll(kWithBracketTrail + "[", "[", "("), kWithBracketTrail + "(");
  EXPECT_EQ(gbk::ReplaceAll("aaa", "aa", "b"), "ba");
}

TEST(GbkText, LeftWholeNeverCutsACharacter) {
  EXPECT_EQ(gbk::LeftWhole(kZhong + kZhong, 3), kZhong);
  EXPECT_EQ(gbk::LeftWhole(kZhong + kZhong, 4), kZhong + kZhong);
  EXPECT_EQ(gbk::LeftWhole("a" + kZhong, 2), "a");
  EXPECT_EQ(gbk::LeftWhole("ab\xD6", 3), "ab\xD6");  // a lone lead byte at the end counts as one
}

TEST(GbkText, CaseFoldingTouchesAsciiLettersOnly) {
  EXPECT_EQ(gbk::AsciiLower("ABC" + kZhong + "Z"), "abc" + kZhong + "z");
  EXPECT_EQ(gbk::AsciiLower("\xC1" "A"), "\xC1" "A");  // 'A' here is a trail byte
  EXPECT_TRUE(gbk::EqualsIgnoreAsciiCase("Data.INI", "data.ini"));
  EXPECT_FALSE(gbk::EqualsIgnoreAsciiCase("a", "ab"));
}

TEST(GbkText, LeadingIntegerFollowsTheNumberRule) {
  struct Case { std::string text; int32_t expected; };
  const Case cases[] = {
      {"64", 64}, {"  -12abc", -12}, {"+7", 7}, {"", 0}, {"abc", 0}, {"3+65", 3},
      {"\t5", 5}, {"- 5", 0}, {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
  };
  for (const Case& c : cases) EXPECT_EQ(gbk::LeadingInteger(c.text), c.expected) << c.text;
}
