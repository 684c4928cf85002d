// tests/unit/section_block_test.cpp
#include "store/section_block.h"

#include <gtest/gtest.h>

#include "store/store_texts.h"

namespace {

const std::string kHash = std::string(store_text::kIconHashKey) + "=";  // 图标hash=
const std::string kTarget = std::string(store_text::kTargetKey) + "=";  // 文件位置=

TEST(TextBetween, TakesTheBytesBetweenTheFirstStartAndTheNextEnd) {
  struct Case { std::string text, start, end, expected; };
  const Case cases[] = {
      {"[a]\r\nk=1\r\n" + kHash + "x\r\n", "[a]", kHash, "\r\nk=1\r\n"},
      {"x=\"C:\\p q.exe\" %1", "#\xD2\xFD\xBA\xC5", "#\xD2\xFD\xBA\xC5", "C:\\p q.exe"},  // #引号 is a quote
      {"abc", "x", "c", ""},
      {"abc", "a", "x", ""},
      {"abab", "b", "b", "a"},
      {"\xB0[a]b]", "[", "]", ""},  // the first "[" is the second byte of a character
      {"aXb", "a", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(TextBetween(c.text, c.start, c.end), c.expected) << c.text;
}

TEST(SectionBlock, IsDelimitedByWholeLinesWithinOneSection) {
  struct Case { std::string text, name; std::optional<std::string> block; };
  const std::string a = "[a]\r\n" + kTarget + "C:\\a.exe\r\n" + kHash + "h.ico";
  const Case cases[] = {
      {a + "\r\n[b]\r\n" + kHash + "i\r\n", "a", a},
      {a, "a", a},                                                         // last line without CR LF
      {"[x]\r\n" + kTarget + "D:\\[a]\\y\r\n" + kHash + "1\r\n" + a + "\r\n", "a", a},  // "[a]" in a value
      {"[a]\r\n" + kTarget + "z\r\n[b]\r\n" + kHash + "i\r\n", "a", std::nullopt},    // no hash line of its own
      {"[a]\n" + kHash + "h\n[b]\r\n", "a", std::nullopt},                 // LF line ends
      {"[a]\r\nk=" + kHash + "v\r\n", "a", std::nullopt},                  // the key inside another line
      {"[A]\r\n" + kHash + "h\r\n", "a", std::nullopt},                    // names match byte for byte
      {"\xB9\xA4[a]\r\n" + kHash + "h\r\n", "a", std::nullopt},
      {"", "a", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(SectionBlock(c.text, c.name), c.block) << c.text;
}

TEST(SectionBlock, RemovalTakesTheBlockAndItsLineEndOnly) {
  const std::string a = "[a]\r\n" + kTarget + "1\r\n" + kHash + "ha\r\n";
  const std::string b = "[b]\r\n" + kTarget + std::string("x\0y", 3) + "\r\n" + kHash + "hb\r\n";
  const std::string c = "[c]\r\n" + kHash + "hc\r\n";
  struct Case { std::string text, name, expected; };
  const Case cases[] = {
      {"; note\r\n" + a + b + c, "b", "; note\r\n" + a + c},
      {a + b + c, "c", a + b},
      {a + b + "[c]\r\n" + kHash + "hc", "c", a + b},          // the file ends without a line break
      {a + c + a, "a", c},                                     // every copy of the block
      {a + "later=1\r\n" + c, "a", "later=1\r\n" + c},         // lines after the hash line stay
      {"[a]\r\nk=1\r\n" + c, "a", "[a]\r\nk=1\r\n" + c},       // not delimited: unchanged, c kept
      {a + c, "zz", a + c},
  };
  for (const Case& k : cases) EXPECT_EQ(WithoutSectionBlock(k.text, k.name), k.expected) << k.text;
}

}  // namespace
