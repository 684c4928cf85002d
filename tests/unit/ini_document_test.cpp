// tests/unit/ini_document_test.cpp
#include "store/ini_document.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using std::string_literals::operator""s;
using Result = IniDocument::WriteResult;

// Names in code page 936.
const std::string kPath = "\xCE\xC4\xBC\xFE\xCE\xBB\xD6\xC3";  // 文件位置
const std::string kArgs = "\xD4\xCB\xD0\xD0\xB2\xCE\xCA\xFD";  // 运行参数
const std::string kHash = "\xCD\xBC\xB1\xEA" "hash";           // 图标hash
const std::string kNotepad = "\xBC\xC7\xCA\xC2\xB1\xBE";       // 记事本

// Renders bytes with control and high bytes escaped, so failures show what differs.
std::string Visible(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char hex[8];
      snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out;
}

TEST(IniDocument, ReadsWithTheProfileFunctionRules) {
  struct Case { std::string file, section, key, expected, why; };
  const std::string common = "[Main]\r\nName=value\r\n";
  const Case cases[] = {
      {common, "Main", "Name", "value", "plain"},
      {common, "mAIN", "nAME", "value", "names ignore ASCII case"},
      {common, " \t\x01Main", "\x1FName", "value", "leading blanks and control bytes of names skipped"},
      {common, "Main  ", "Name\t", "value", "trailing blanks of names skipped"},
      {common, "  ", "Name", "", "blank section name"},
      {common, "Main", "", "", "empty key name"},
      {common, "Other", "Name", "", "missing section"},
      {common, "Main", "Other", "", "missing key"},
      {"[s]\r\n  k \t=  \x01 v w \x02 \r\n", "s", "k", "v w", "blanks and control bytes around key and value"},
      {"[s]\r\n\x01k=v\r\n", "s", "k", "v", "control bytes before a key name are blanks"},
      {"[s]\r\nk=\"q\"\r\n", "s", "k", "q", "double quotes removed"},
      {"[s]\r\nk='q'\r\n", "s", "k", "q", "single quotes removed"},
      {"[s]\r\nk=\" sp \"\r\n", "s", "k", " sp ", "blanks inside quotes kept"},
      {"[s]\r\nk=\"q'\r\n", "s", "k", "\"q'", "quotes that do not match kept"},
      {"[s]\r\nk=\"\r\n", "s", "k", "\"", "a lone quote kept"},
      {"[s]\r\nk=\"\"\r\n", "s", "k", "", "empty quotes"},
      {"[s]\r\nk=\"\"x\"\"\r\n", "s", "k", "\"x\"", "only one pair removed"},
      {"[s]\r\nk=a=b=c\r\n", "s", "k", "a=b=c", "the first '=' ends the name"},
      {"[s]\r\nk=\r\n", "s", "k", "", "empty value"},
      {"[s]\r\nk\r\nk=1\r\n", "s", "k", "", "a line without '=' is a key without a value"},
      {"[s]\r\n;k=v\r\n", "s", ";k", "", "comment lines are no keys"},
      {"k=v\r\n[s]\r\n", "s", "k", "", "keys before the first section belong to none"},
      {"[s]\r\nk=1\r\n[S]\r\nk=2\r\nm=3\r\n", "s", "k", "1", "first of duplicate sections"},
      {"[s]\r\nk=1\r\n[S]\r\nk=2\r\nm=3\r\n", "s", "m", "", "a later duplicate section is never seen"},
      {"[s]\r\nk=1\r\nK=2\r\n", "s", "k", "1", "first of duplicate keys"},
      {"[s]\rk=1\rm=2\r", "s", "m", "2", "CR line ends"},
      {"[s]\nk=1\nm=2", "s", "m", "2", "LF line ends, no final line end"},
      {"[s]\rk=1\nm=2\r\n[t]\n\rz=3", "t", "z", "3", "mixed line ends"},
      {"[s]\r\r\nk=1\r\n", "s", "k", "1", "CR CR LF is a blank line between"},
      {"  [ s ]  \r\nk=1\r\n", "s", "k", "1", "blanks around and inside the brackets"},
      {"[a]b]\r\nk=1\r\n", "a]b", "k", "1", "the name runs to the last ']'"},
      {"[x]  junk\r\nk=1\r\n", "x", "k", "1", "text after the ']' ignored"},
      {"[s]\r\n[abc\r\nk=1\r\n", "s", "k", "1", "'[' without ']' is no header"},
      {"[s]\r\nk=a\0b\r\n"s, "s", "k", "a", "a NUL ends the value the caller sees"},
      {"[s]\r\nk=\0\0\r\nm=2\r\n"s, "s", "m", "2", "NUL bytes are blanks between lines"},
      {"[" + kNotepad + "]\r\n" + kPath + "=C:\\a.exe\r\n", kNotepad, kPath, "C:\\a.exe", "GBK names"},
      // "\x81\x41" and "\x81\x61" are two double-byte characters whose trail bytes look like 'A'/'a'.
      {"[\x81\x41]\r\nk=1\r\n", "\x81\x61", "k", "", "trail bytes are not letters"},
      {"[\x81\x41X]\r\nk=1\r\n", "\x81\x41x", "k", "1", "letters after a double-byte character fold"},
      {"[\x81]]\r\nk=1\r\n", "\x81]", "k", "1", "a ']' trail byte does not end the name"},
      // Fullwidth letters are not folded: only ASCII letters are.
      {"[\xA3\xC1]\r\nk=1\r\n", "\xA3\xE1", "k", "", "fullwidth letters compare as bytes"},
  };
  for (const Case& c : cases) {
    IniDocument document(c.file);
    EXPECT_EQ(document.Read(c.section, c.key), c.expected) << c.why;
  }
}

TEST(IniDocument, ValuesAreCutToTheBufferInWholeCharacters) {
  const std::string longValue(12000, 'x');
  EXPECT_EQ(IniDocument("[s]\r\nk=" + longValue + "\r\n").Read("s", "k"), std::string(IniDocument::kMaxValueBytes, 'x'));
  // Quotes go first, then the cut: a long quoted value keeps its text from the start.
  EXPECT_EQ(IniDocument("[s]\r\nk=\"" + longValue + "\"\r\n").Read("s", "k"),
            std::string(IniDocument::kMaxValueBytes, 'x'));
  // A double-byte character across the limit is left out whole.
  const std::string straddling = std::string(IniDocument::kMaxValueBytes - 1, 'x') + "\xD6\xD0";
  EXPECT_EQ(IniDocument("[s]\r\nk=" + straddling + "\r\n").Read("s", "k"),
            std::string(IniDocument::kMaxValueBytes - 1, 'x'));
  const std::string exact(IniDocument::kMaxValueBytes, 'y');
  EXPECT_EQ(IniDocument("[s]\r\nk=" + exact).Read("s", "k"), exact);
}

TEST(IniDocument, WritesChangeOnlyTheLineConcerned) {
  struct Case { std::string before, section, key, value, after, why; };
  const Case cases[] = {
      {"", "s", "k", "v", "[s]\r\nk=v\r\n", "empty file"},
      {"[a]\r\nk=1\r\n", "b", "k", "v", "[a]\r\nk=1\r\n[b]\r\nk=v\r\n", "new section at the end"},
      {"x=1", "b", "k", "v", "x=1\r\n[b]\r\nk=v\r\n", "new section after a last line without line end"},
      {"[a]\r", "b", "k", "v", "[a]\r[b]\r\nk=v\r\n", "a final CR is a line end"},
      {"Data \0 before \0 first \0 section"s, "section1", "key1", "string1",
       "Data \0 before \0 first \0 section\r\n[section1]\r\nkey1=string1\r\n"s, "NUL bytes kept"},
      {"[a]\r\nk=1\r\n\r\n; about b\r\n[b]\r\nz=2", "a", "new", "v",
       "[a]\r\nk=1\r\nnew=v\r\n\r\n; about b\r\n[b]\r\nz=2", "new key after the last key line"},
      {"[a]\r\n\r\n[b]\r\n", "A", "k", "v", "[a]\r\nk=v\r\n\r\n[b]\r\n", "new key under a header without keys"},
      {"[a]\r\nk=1", "a", "m", "2", "[a]\r\nk=1\r\nm=2\r\n", "new key after a last line without line end"},
      {"[a]", "a", "m", "2", "[a]\r\nm=2\r\n", "new key after a header without line end"},
      {"[a]\rk=1\r", "a", "m", "2", "[a]\rk=1\rm=2\r\n", "CR file: the new line ends in CR LF"},
      {"[a]\nK = old \nz=1\n", "A", "k", "new", "[a]\nK = new \nz=1\n", "value replaced in place"},
      {"[a]\r\nk=\"old\"\r\n", "a", "k", "new", "[a]\r\nk=new\r\n", "quoted value replaced whole"},
      {"[a]\r\nk=old\r\n", "a", "k", "", "[a]\r\nk=\r\n", "value emptied"},
      {"[a]\r\nk=\r\n", "a", "k", "v", "[a]\r\nk=v\r\n", "empty value filled"},
      {"[a]\r\nk =  \r\n", "a", "k", "v", "[a]\r\nk =  v\r\n", "empty value filled after its blanks"},
      {"[a]\r\nk=1", "a", "k", "22", "[a]\r\nk=22", "last line without line end"},
      {"[s]\r\nk=1\r\n[s]\r\nm=2\r\n", "s", "m", "3", "[s]\r\nk=1\r\nm=3\r\n[s]\r\nm=2\r\n", "first duplicate section"},
      {"[s]\r\nk=1\r\nk=2\r\n", "s", "k", "3", "[s]\r\nk=3\r\nk=2\r\n", "first duplicate key"},
      {"[s]\r\nname3 \r\nk=1\r\n", "s", "name3", "v", "[s]\r\nname3=v \r\nk=1\r\n", "a line without '=' gets one"},
      {"[s]\r\n;k=1\r\n", "s", "k", "2", "[s]\r\nk=2\r\n;k=1\r\n", "a comment is no key line"},
      {"", " b ", "\tk ", " v ", "[b]\r\nk= v \r\n", "names trimmed, value written as given"},
      {"", "s", "k", "a\0b"s, "[s]\r\nk=a\r\n", "the value ends at a NUL"},
      {"", kNotepad, kHash, "x.ico", "[" + kNotepad + "]\r\n" + kHash + "=x.ico\r\n", "GBK names"},
      {"[a]\r\nk=1\r\n", "a]b", "k", "v", "[a]\r\nk=1\r\n[a]b]\r\nk=v\r\n", "a ']' in a section name reads back"},
  };
  for (const Case& c : cases) {
    IniDocument document(c.before);
    EXPECT_EQ(document.Write(c.section, c.key, c.value), Result::kChanged) << c.why;
    EXPECT_EQ(Visible(document.Bytes()), Visible(c.after)) << c.why;
    EXPECT_EQ(document.Read(c.section, c.key), IniDocument(c.after).Read(c.section, c.key)) << c.why;
  }
}

TEST(IniDocument, RefusesWritesThatWouldBreakTheFile) {
  struct Case { std::string section, key, value, why; };
  const Case cases[] = {
      {"", "k", "v", "empty section"},
      {" \t", "k", "v", "blank section"},
      {"s", "\x01", "v", "blank key"},
      {"s", "k", "a\r\n[t]\r\nk=forged", "line break in the value"},
      {"s\nt", "k", "v", "line break in the section"},
      {"s", "k\rx", "v", "CR inside the key"},
      {"s", ";k", "v", "a key that would be a comment"},
      {"s", "a=b", "v", "a key containing '='"},
      {"s", "[x", "y]", "a key line that would be a section header"},
      {"s\x81", "k", "v", "a section ending in half a character swallows the ']'"},
  };
  const std::string before = "[s]\r\nk=1\r\n";
  for (const Case& c : cases) {
    IniDocument document(before);
    EXPECT_EQ(document.Write(c.section, c.key, c.value), Result::kRefused) << c.why;
    EXPECT_EQ(document.Bytes(), before) << c.why;
  }
}

TEST(IniDocument, WritingTheSameValueChangesNothing) {
  IniDocument document("[s]\r\nk = \"v\"\r\n");
  EXPECT_EQ(document.Write("S", "K", "\"v\""), Result::kUnchanged);
  EXPECT_EQ(document.Write("s", "k", "v"), Result::kChanged);  // same text read back, other bytes
  EXPECT_EQ(document.Bytes(), "[s]\r\nk = v\r\n");
}

TEST(IniDocument, ListsSectionNamesInFileOrder) {
  struct Case { std::string file; std::vector<GbkText> expected; std::string why; };
  const Case cases[] = {
      {"", {}, "empty file"},
      {"k=v\r\n", {}, "no sections"},
      {"[b]\r\n[a]\r\n[B]\r\n", {"b", "a", "B"}, "file order, duplicates kept"},
      {"[ x ]\r\n[]\r\n[y]", {"x", "", "y"}, "blanks trimmed, empty names kept"},
      {"[t\0u]\r\n[v]\r\n"s, {"t", "v"}, "a NUL ends a name"},
      {"[" + kNotepad + "]\n;[c]\n[abc\n", {kNotepad}, "comments and broken headers are no sections"},
  };
  for (const Case& c : cases) EXPECT_EQ(IniDocument(c.file).SectionNames(), c.expected) << c.why;
}

// The listing's buffer holds 204800 bytes: names each followed by NUL, then a final NUL. When they
// do not fit, the first 204798 bytes are kept, so the last name is cut short.
TEST(IniDocument, SectionListingStopsWhereItsBufferEnds) {
  const size_t room = IniDocument::kSectionNamesBufferBytes - 2;
  const std::string name99(99, 'n');  // 100 bytes with its NUL
  auto fileWith = [](size_t count, const std::string& name, const std::string& last) {
    std::string file;
    for (size_t i = 0; i < count; ++i) file += "[" + name + "]\r\n";
    return file + "[" + last + "]\r\n";
  };
  const size_t full = room / 100;  // 2047 names use 204700 bytes, 98 are left
  struct Case { std::string last; std::vector<GbkText> expectedTail; std::string why; };
  const Case cases[] = {
      {std::string(96, 'z'), {std::string(96, 'z'), "a"}, "one byte left: the next name cut to one byte"},
      {std::string(97, 'z'), {std::string(97, 'z')}, "fits with its NUL; nothing after it"},
      {std::string(98, 'z'), {std::string(98, 'z')}, "fits without its NUL: whole, as the buffer shows it"},
      {std::string(120, 'z'), {std::string(98, 'z')}, "cut short"},
  };
  for (const Case& c : cases) {
    std::vector<GbkText> names = IniDocument(fileWith(full, name99, c.last) + "[after]\r\n").SectionNames();
    ASSERT_EQ(names.size(), full + c.expectedTail.size()) << c.why;
    EXPECT_EQ(std::vector<GbkText>(names.begin() + full, names.end()), c.expectedTail) << c.why;
  }
  EXPECT_EQ(IniDocument(fileWith(full, name99, "z")).SectionNames().size(), full + 1);
}

// Edits keep the index in step with the bytes: after any sequence of writes, the document answers
// every read exactly as a fresh parse of its bytes does, and every other byte stays.
TEST(IniDocument, IndexStaysTrueThroughManyEdits) {
  std::mt19937 random(20240601);
  const std::vector<std::string> sections = {"a", "B", kNotepad, "\x81\x41", " c ", "a"};
  const std::vector<std::string> keys = {kPath, kArgs, kHash, "k", "K", "x y"};
  const std::vector<std::string> values = {"", "1", " padded ", "\"quoted\"", "C:\\p\\q.exe", std::string(300, 'v')};
  IniDocument document("; header comment\n[a]\nk=0\n\n\n[zz]\r\nq=1");
  for (int step = 0; step < 600; ++step) {
    const std::string& s = sections[random() % sections.size()];
    const std::string& k = keys[random() % keys.size()];
    const std::string& v = values[random() % values.size()];
    const std::string old = document.Bytes();
    ASSERT_NE(document.Write(s, k, v), Result::kRefused);
    // Bytes before and after the edit are untouched; what was removed lies within one line.
    const std::string& now = document.Bytes();
    size_t prefix = 0;
    while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
      ++suffix;
    ASSERT_EQ(old.substr(prefix, old.size() - prefix - suffix).find_first_of("\r\n"), std::string::npos) << step;
    IniDocument fresh(now);
    for (const std::string& rs : sections)
      for (const std::string& rk : keys) ASSERT_EQ(document.Read(rs, rk), fresh.Read(rs, rk)) << step;
    ASSERT_EQ(document.SectionNames(), fresh.SectionNames()) << step;
  }
  EXPECT_EQ(document.Read("a", "k"), IniDocument(document.Bytes()).Read("a", "k"));
}

// Garbage in: never a crash or an out-of-bounds read (the sanitized build checks), and a write
// still reads back.
TEST(IniDocument, SurvivesBinaryGarbage) {
  std::mt19937 random(7);
  const std::string alphabet = "[]=;\r\n \t\0\x81\x5D\xD6\xD0\"'ab"s;
  for (int round = 0; round < 300; ++round) {
    std::string bytes;
    size_t length = random() % 400;
    for (size_t i = 0; i < length; ++i)
      bytes += (random() % 3 == 0) ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
    IniDocument document(bytes);
    document.SectionNames();
    document.Read("a", "b");
    Result result = document.Write("sec", "key", "value");
    ASSERT_NE(result, Result::kRefused);
    EXPECT_EQ(document.Read("sec", "key"), "value") << Visible(bytes);
    EXPECT_EQ(IniDocument(document.Bytes()).Read("sec", "key"), "value") << Visible(bytes);
  }
}

}  // namespace
