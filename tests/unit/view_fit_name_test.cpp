// tests/unit/view_fit_name_test.cpp
#include "view/fit_name.h"

#include <gtest/gtest.h>

#include <string>

#include "store/gbk_text.h"

namespace {

const std::string kZhong = "\xD6\xD0";  // 中
std::string Repeat(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}
// Full-width A..I (A3C1..A3C9).
std::string FullWidthLetters(int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += std::string{'\xA3', static_cast<char>(0xC1 + i)};
  return out;
}

}  // namespace

TEST(ViewFitName, ToOneByteFormsMapsFullWidthCharactersOnly) {
  struct Case { std::string in, out; };
  const Case cases[] = {
      {"\xA3\xA1", "!"},
      {"\xA3\xC1\xA3\xE1\xA3\xB0", "Aa0"},
      {"\xA3\xFD", "}"},
      {"\xA1\xA1", " "},                           // ideographic space
      {"\xA1\xAB\xA1\xE7", "~$"},                  // full-width tilde and dollar live in row A1
      {"\xA3\xA4\xA3\xFE", "\xA3\xA4\xA3\xFE"},    // yen sign and macron have no one-byte form
      {kZhong + "x", kZhong + "x"},
      {"\xA3\xA3\xC1", "#\xC1"},                   // pairs from the start: A3A3 is '#', C1 stands alone
      {"ab\xA3", "ab\xA3"},                        // a lone lead byte at the end is kept
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(view::ToOneByteForms(c.in), c.out) << c.in;

  for (int trail = 0xA1; trail <= 0xFD; ++trail) {
    if (trail == 0xA4) continue;
    const std::string fullWidth{'\xA3', static_cast<char>(trail)};
    EXPECT_EQ(view::ToOneByteForms(fullWidth), std::string(1, static_cast<char>(trail - 0x80))) << trail;
  }
}

TEST(ViewFitName, CutsBeforeTheDisplayLengthAtCharacterBoundaries) {
  struct Case { std::string name; int length; std::string expected; };
  const Case cases[] = {
      {"ABCDEFGHIJKLMNOP", 16, "ABCDEFGHIJKLMNO..."},
      {"ABCDEFGHIJKLMNO", 16, "ABCDEFGHIJKLMNO"},
      {Repeat(kZhong, 10), 16, Repeat(kZhong, 7) + "..."},
      {Repeat(kZhong, 10), 17, Repeat(kZhong, 8) + "..."},
      {FullWidthLetters(9), 16, "ABCDEFGHI"},          // shorter once narrowed: no "..."
      {FullWidthLetters(9) + Repeat(kZhong, 4), 16, "ABCDEFGHI" + Repeat(kZhong, 3) + "..."},
      {"a", 1, "..."},
      {"", 16, ""},
      {"", 0, ""},
      {"ab", 0, "..."},
      {"ab", -5, "..."},
      {"ab", 2147483647, "ab"},
      {"abcdefghijklmn\xD6", 15, "abcdefghijklmn..."},  // ends in a lone lead byte
      {"abcdefghijklmn\xD6", 16, "abcdefghijklmn\xD6"},
      {Repeat(kZhong, 7) + "\xD6", 15, Repeat(kZhong, 7) + "..."},
      {"a" + Repeat(kZhong, 8), 16, "a" + Repeat(kZhong, 7) + "..."},
  };
  for (const Case& c : cases) EXPECT_EQ(view::FitName(c.name, c.length), c.expected) << c.name << " L=" << c.length;
}

TEST(ViewFitName, LongNamesStayWithinTheLengthAndWhole) {
  const std::string longNames[] = {std::string(10000, 'a'), Repeat(kZhong, 5000), Repeat("a" + kZhong, 3333) + "\xD6"};
  for (const std::string& name : longNames) {
    for (int length : {1, 2, 3, 15, 16, 255}) {
      const std::string fitted = view::FitName(name, length);
      ASSERT_GE(fitted.size(), 3u);
      const std::string kept = fitted.substr(0, fitted.size() - 3);
      EXPECT_EQ(fitted.substr(fitted.size() - 3), "...");
      EXPECT_LT(static_cast<int>(kept.size()), length);
      EXPECT_EQ(name.compare(0, kept.size(), kept), 0);
      EXPECT_TRUE(gbk::IsCharBoundary(name, kept.size())) << length;
    }
  }
}
