// tests/wine/profile_differential_test.cpp
// The program's profile engine against the system's profile functions (GetPrivateProfileStringA,
// WritePrivateProfileStringA, GetPrivateProfileSectionNamesA) on real files: both must give the
// same answers, and files written by either must read the same through the other.
//
// Under Wine the system functions are Wine's. Wine rewrites and normalises the whole file on
// every write (blank lines dropped, every line re-spelled), where Windows changes only the line
// concerned, so after a write by Wine values are compared, never bytes. Where Wine departs from
// the Windows behaviour the program keeps, the cases are listed apart (WhereWineDiffersFromWindows)
// with the reason.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_io.h"
#include "store/profile_file.h"

namespace {

using std::string_literals::operator""s;

// Names in code page 936.
const std::string kPath = "\xCE\xC4\xBC\xFE\xCE\xBB\xD6\xC3";  // 文件位置
const std::string kArgs = "\xD4\xCB\xD0\xD0\xB2\xCE\xCA\xFD";  // 运行参数
const std::string kHash = "\xCD\xBC\xB1\xEA" "hash";           // 图标hash
const std::string kNotepad = "\xBC\xC7\xCA\xC2\xB1\xBE";       // 记事本
const std::string kCategory = "\xC0\xE0\xB1\xF0\xCA\xFD\xBE\xDD";  // 类别数据

// The system's profile functions, called the way the program's helpers are specified.
namespace system_profile {

GbkText Read(const std::string& path, const std::string& section, const std::string& key) {
  std::vector<char> buffer(10240, '\0');
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), static_cast<DWORD>(buffer.size()),
                           path.c_str());
  return buffer.data();
}

bool Write(const std::string& path, const std::string& section, const std::string& key, const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != 0;
}

std::vector<GbkText> SectionNames(const std::string& path) {
  std::vector<char> buffer(204800, '\0');
  DWORD used = GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
  std::vector<GbkText> names;
  size_t start = 0;
  for (size_t i = 0; i < used; ++i) {
    if (buffer[i] == '\0') {
      names.emplace_back(buffer.data() + start, i - start);
      start = i + 1;
    }
  }
  if (start < used) names.emplace_back(buffer.data() + start, used - start);  // cut short at the end
  return names;
}

// Wine keeps parsed files in memory; this drops them, so the next call reads the disk.
void Forget(const std::string& path) { WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str()); }

}  // namespace system_profile

struct Probe {
  std::string section, key;
};

struct Op {
  std::string section, key, value;
};

class ProfileDifferential : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    folder_ = std::string(temp) + "tovenk-profile-" + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(GetTickCount());
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
  }

  // A file name never used before in this run, so no parse cached by either engine applies.
  std::string FreshPath(const std::string& label) {
    return folder_ + "\\" + label + "-" + std::to_string(++files_) + ".ini";
  }

  std::string FileWith(const std::string& label, const std::string& bytes) {
    std::string path = FreshPath(label);
    EXPECT_TRUE(file_io::WriteWholeFile(path, bytes));
    return path;
  }

  std::string folder_;
  int files_ = 0;
};

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

TEST_F(ProfileDifferential, ReadsAgree) {
  struct Case {
    std::string why, file;
    std::vector<Probe> probes;
  };
  const std::string longValue(12000, 'x');
  const std::vector<Case> cases = {
      {"names ignore case; blanks around names and values",
       "[Main]\r\n  Name  =  value  \r\nOther=1\r\n",
       {{"Main", "Name"}, {"MAIN", "nAME"}, {" main\t", " name "}, {"main", "other"}, {"main", "missing"}, {"x", "name"}}},
      {"quotes",
       "[q]\r\nd=\"dq\"\r\ns='sq'\r\nm=\"mixed'\r\nlone=\"\r\nempty=\"\"\r\nsp=\" sp \"\r\ntwo=\"\"x\"\"\r\n",
       {{"q", "d"}, {"q", "s"}, {"q", "m"}, {"q", "lone"}, {"q", "empty"}, {"q", "sp"}, {"q", "two"}}},
      {"'=' inside values, empty values",
       "[e]\r\nurl=a=b=c\r\nnone=\r\nblank=   \r\n",
       {{"e", "url"}, {"e", "none"}, {"e", "blank"}}},
      {"comments and blank lines",
       "; top comment\r\n\r\n[s]\r\n; note=1\r\n\r\nk=1\r\n\r\n\r\n[t]\r\n\r\nk=2\r\n",
       {{"s", "k"}, {"t", "k"}, {"s", "note"}}},
      {"no line end after the last line", "[s]\r\nk=1\r\nlast=end", {{"s", "k"}, {"s", "last"}}},
      {"CR line ends", "[s]\rk=1\rm=2\r[t]\rz=3", {{"s", "k"}, {"s", "m"}, {"t", "z"}}},
      {"LF line ends", "[s]\nk=1\nm=2\n[t]\nz=3\n", {{"s", "m"}, {"t", "z"}}},
      {"mixed line ends", "[s]\rk=1\nm=2\r\n[t]\n\rz=3", {{"s", "k"}, {"s", "m"}, {"t", "z"}}},
      {"duplicate sections and keys: the first wins",
       "[s]\r\nk=1\r\nk=one\r\n[S]\r\nk=2\r\nm=3\r\n[s]\r\nn=4\r\n",
       {{"s", "k"}, {"s", "m"}, {"s", "n"}}},
      {"lines without '='", "[s]\r\nname3\r\nk=1\r\nname3=late\r\n", {{"s", "name3"}, {"s", "k"}}},
      {"keys before the first section belong to none", "k=0\r\n[s]\r\nm=1\r\n", {{"s", "k"}, {"s", "m"}}},
      {"Chinese names",
       "[" + kNotepad + "]\r\n" + kPath + "=C:\\Windows\\notepad.exe\r\n" + kArgs + "=null\r\n" + kHash + "=ab12.ico\r\n",
       {{kNotepad, kPath}, {kNotepad, kArgs}, {kNotepad, kHash}, {kNotepad, "\xCD\xBC\xB1\xEA" "HASH"}}},
      // "\x81\x41" and "\x81\x61" are two characters whose trail bytes look like 'A' and 'a';
      // "\xA3\xC1" and "\xA3\xE1" are the fullwidth letters A and a.
      {"double-byte characters are compared as they are",
       "[\x81\x41]\r\nk=1\r\n[\xA3\xC1]\r\nk=2\r\n[\x81\x41Z]\r\nk=3\r\n",
       {{"\x81\x41", "k"}, {"\x81\x61", "k"}, {"\xA3\xE1", "k"}, {"\x81\x41z", "k"}}},
      {"section headers",
       "  [ spaced ]  \r\nk=1\r\n[a]b]\r\nk=2\r\n[x]  junk\r\nk=3\r\n[broken\r\nk=4\r\n",
       {{"spaced", "k"}, {"a]b", "k"}, {"x", "k"}, {"broken", "k"}}},
      {"NUL bytes", "[s]\r\nk=a\0b\r\n\0\r\nm=2\r\n"s, {{"s", "k"}, {"s", "m"}}},
      {"a value longer than the buffer", "[s]\r\nk=" + longValue + "\r\nq=\"" + longValue + "\"\r\n", {{"s", "k"}, {"s", "q"}}},
      // 中 across the buffer's end: left out whole.
      {"a double-byte character at the buffer's end", "[s]\r\nk=" + std::string(10238, 'x') + "\xD6\xD0\r\n", {{"s", "k"}}},
      {"an empty file", "", {{"s", "k"}}},
  };
  for (const Case& c : cases) {
    const std::string path = FileWith("read", c.file);
    for (const Probe& p : c.probes) {
      EXPECT_EQ(Visible(profile::Read(path, p.section, p.key)), Visible(system_profile::Read(path, p.section, p.key)))
          << c.why << ": [" << Visible(p.section) << "] " << Visible(p.key);
    }
    EXPECT_EQ(profile::SectionNames(path), system_profile::SectionNames(path)) << c.why;
  }
  const std::string missing = FreshPath("missing");
  EXPECT_EQ(profile::Read(missing, "s", "k"), system_profile::Read(missing, "s", "k"));
  EXPECT_EQ(profile::SectionNames(missing), system_profile::SectionNames(missing));
}

// The 204800-byte listing buffer: both cut the list at the same place.
TEST_F(ProfileDifferential, LongSectionListsAreCutAlike) {
  for (size_t lastLength : {96u, 97u, 98u, 99u, 150u}) {
    std::string file;
    for (int i = 0; i < 2047; ++i) {
      std::string name = std::to_string(100000 + i);
      file += "[" + name + std::string(99 - name.size(), 'n') + "]\r\n";  // 100 bytes with the NUL
    }
    file += "[" + std::string(lastLength, 'z') + "]\r\n[after]\r\n";
    const std::string path = FileWith("names", file);
    std::vector<GbkText> ours = profile::SectionNames(path);
    EXPECT_EQ(ours, system_profile::SectionNames(path)) << lastLength;
    EXPECT_LE(ours.size(), 2049u);
  }
}

// The same writes made by each engine on its own copy, and alternately by both on a third copy:
// every copy then reads the same through both engines.
TEST_F(ProfileDifferential, WritesReadBackAlike) {
  struct Case {
    std::string why;
    bool startMissing;
    std::string file;
    std::vector<Op> ops;
    std::vector<Probe> probes;
  };
  const std::string messy =
      "; settings\r\n\r\n[a]\r\nk = 1 \r\n\r\n; about b\r\n[b]\r\nz=2\r\n\r\n[c]\nlast=no line end";
  const std::vector<Case> cases = {
      {"a missing file is created", true, "",
       {{"s", "k", "v"}, {"s", "m", "w"}, {"t", "k", "x"}, {"s", "k", "v2"}},
       {{"s", "k"}, {"s", "m"}, {"t", "k"}}},
      {"comments, blank lines, a last line without line end", false, messy,
       {{"a", "new", "n"}, {"c", "last", "yes"}, {"c", "added", "1"}, {"b", "z", "3"}, {"d", "k", "4"}, {"A", "K", "5"}},
       {{"a", "k"}, {"a", "new"}, {"b", "z"}, {"c", "last"}, {"c", "added"}, {"d", "k"}}},
      {"duplicate sections and keys", false, "[s]\r\nk=1\r\nk=2\r\n[s]\r\nm=1\r\n",
       {{"s", "k", "3"}, {"s", "m", "4"}},
       {{"s", "k"}, {"s", "m"}}},
      {"quotes, '=' and blanks in values", false, "[s]\r\n",
       {{"s", "q", "\"quoted\""}, {"s", "p", " padded "}, {"s", "e", "a=b"}, {"s", "one", "'"}, {"s", "sp", "\" x \""}},
       {{"s", "q"}, {"s", "p"}, {"s", "e"}, {"s", "one"}, {"s", "sp"}}},
      {"blanks around names", false, "[s]\r\nk=1\r\n",
       {{" s ", " k ", "2"}, {"\tt", "m\t", "3"}},
       {{"s", "k"}, {"t", "m"}}},
      {"mixed case names update the existing key", false, "[Main]\r\nName=1\r\n",
       {{"MAIN", "NAME", "2"}, {"main", "name2", "3"}},
       {{"Main", "Name"}, {"main", "name2"}}},
      {"a line without '='", false, "[s]\r\nname3\r\nk=1\r\n",
       {{"s", "name3", "v"}},
       {{"s", "name3"}, {"s", "k"}}},
      {"empty values", false, "[s]\r\nk=1\r\n",
       {{"s", "k", ""}, {"s", "m", ""}, {"s", "m", "back"}},
       {{"s", "k"}, {"s", "m"}}},
      {"a category file", false,
       "[" + kNotepad + "]\r\n" + kPath + "=C:\\Windows\\notepad.exe\r\n" + kArgs + "=null\r\n" + kHash + "=\r\n",
       {{kNotepad, kHash, "0123abcd.ico"}, {"\xBC\xC6\xCB\xE3\xC6\xF7", kPath, "##APP##calc.exe"},  // 计算器
        {"\xBC\xC6\xCB\xE3\xC6\xF7", kHash, "ffff.png"}, {kCategory, "\xC0\xE0\xB1\xF0", "a#@#@#b#@#@#"}},
       {{kNotepad, kPath}, {kNotepad, kArgs}, {kNotepad, kHash}, {"\xBC\xC6\xCB\xE3\xC6\xF7", kPath},
        {"\xBC\xC6\xCB\xE3\xC6\xF7", kHash}, {kCategory, "\xC0\xE0\xB1\xF0"}}},
      {"a long value", false, "[s]\r\n",
       {{"s", "k", std::string(12000, 'y')}, {"s", "m", "after"}},
       {{"s", "k"}, {"s", "m"}}},
  };
  for (const Case& c : cases) {
    const std::string ours = c.startMissing ? FreshPath("ours") : FileWith("ours", c.file);
    const std::string theirs = c.startMissing ? FreshPath("wine") : FileWith("wine", c.file);
    const std::string mixed = c.startMissing ? FreshPath("mixed") : FileWith("mixed", c.file);
    for (size_t i = 0; i < c.ops.size(); ++i) {
      const Op& op = c.ops[i];
      ASSERT_TRUE(profile::Write(ours, op.section, op.key, op.value)) << c.why;
      ASSERT_TRUE(system_profile::Write(theirs, op.section, op.key, op.value)) << c.why;
      system_profile::Forget(mixed);
      if (i % 2 == 0) {
        ASSERT_TRUE(profile::Write(mixed, op.section, op.key, op.value)) << c.why;
      } else {
        ASSERT_TRUE(system_profile::Write(mixed, op.section, op.key, op.value)) << c.why;
      }
    }
    for (const std::string& path : {ours, theirs, mixed}) system_profile::Forget(path);
    for (const Probe& p : c.probes) {
      const GbkText expected = system_profile::Read(theirs, p.section, p.key);
      const std::string where = c.why + ": [" + Visible(p.section) + "] " + Visible(p.key);
      EXPECT_EQ(profile::Read(ours, p.section, p.key), expected) << where << " (ours written by us)";
      EXPECT_EQ(system_profile::Read(ours, p.section, p.key), expected) << where << " (ours read by the system)";
      EXPECT_EQ(profile::Read(theirs, p.section, p.key), expected) << where << " (theirs read by us)";
      EXPECT_EQ(profile::Read(mixed, p.section, p.key), expected) << where << " (mixed, read by us)";
      EXPECT_EQ(system_profile::Read(mixed, p.section, p.key), expected) << where << " (mixed, read by the system)";
    }
    EXPECT_EQ(profile::SectionNames(ours), system_profile::SectionNames(theirs)) << c.why;
    EXPECT_EQ(system_profile::SectionNames(ours), profile::SectionNames(theirs)) << c.why;
    if (!c.startMissing) {
      // Our writes keep the lines they do not concern: every header and comment is still there.
      const std::string after = file_io::ReadWholeFile(ours).value_or("");
      size_t from = 0;
      for (size_t at = 0; at <= c.file.size(); ++at) {
        if (at < c.file.size() && c.file[at] != '\n') continue;
        std::string line = c.file.substr(from, at - from);
        from = at + 1;
        size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || (line[first] != '[' && line[first] != ';')) continue;  // keys may change
        EXPECT_NE(after.find(line), std::string::npos) << c.why << ": lost line " << Visible(line);
      }
    }
  }
}

// Where Wine's profile functions depart from the Windows behaviour that the program keeps. The
// program's answer is checked; Wine's is printed, not checked, so a Wine upgrade that comes closer
// to Windows is no failure.
TEST_F(ProfileDifferential, WhereWineDiffersFromWindows) {
  struct ReadCase {
    std::string why, file, section, key, expected;
  };
  const ReadCase reads[] = {
      // Wine takes ";k=v" for a key named ";k"; Windows skips lines starting with ';' as comments.
      {"comment lines are no keys", "[s]\r\n;k=v\r\n", "s", ";k", ""},
      // Wine trims only white space; Windows treats every byte up to 0x20 as a blank, control bytes
      // included, around names and values alike.
      {"control bytes before a key name", "[s]\r\n\x01k=v\r\n", "s", "k", "v"},
      {"control bytes around a value", "[s]\r\nk=\x01v\x02\r\n", "s", "k", "v"},
      // Wine decodes a file that starts with a UTF-8 byte order mark as UTF-8; Windows reads the
      // file as ANSI, so the mark belongs to the first line and that line is no section header.
      {"UTF-8 byte order mark", "\xEF\xBB\xBF[a]\r\nk=1\r\n", "a", "k", ""},
  };
  for (const ReadCase& c : reads) {
    const std::string path = FileWith("differs", c.file);
    const GbkText ours = profile::Read(path, c.section, c.key);
    EXPECT_EQ(Visible(ours), Visible(c.expected)) << c.why;
    const GbkText wine = system_profile::Read(path, c.section, c.key);
    if (wine != ours) printf("  Wine differs (%s): [%s]\n", c.why.c_str(), Visible(wine.substr(0, 40)).c_str());
  }

  // Wine leaves an empty section name "[]" out of the listing; Windows lists it as an empty name
  // (and the item loader counts that section's place in the grid).
  const std::string emptyName = FileWith("differs", "[a]\r\n[]\r\nk=1\r\n[b]\r\n");
  EXPECT_EQ(profile::SectionNames(emptyName), (std::vector<GbkText>{"a", "", "b"}));
  printf("  Wine lists %zu names for [a] [] [b]\n", system_profile::SectionNames(emptyName).size());

  // Writes with a blank section or key name: Wine writes them (into the nameless part before the
  // first section, or as a line "=value"); the profile semantics the program keeps do nothing.
  const std::string blankNames = FileWith("differs", "[a]\r\nk=1\r\n");
  EXPECT_FALSE(profile::Write(blankNames, "  ", "k", "v"));
  EXPECT_FALSE(profile::Write(blankNames, "a", " ", "v"));
  EXPECT_EQ(file_io::ReadWholeFile(blankNames).value_or(""), "[a]\r\nk=1\r\n");

  // A value with a line break: Wine (like Windows) writes it as it is, so the value's second line
  // becomes lines of the file and can forge keys and sections. The program refuses such a write.
  const std::string forged = FileWith("differs", "[a]\r\nk=1\r\n");
  EXPECT_FALSE(profile::Write(forged, "a", "k", "x\r\n[zz]\r\nq=1"));
  EXPECT_EQ(profile::Read(forged, "zz", "q"), "");
  EXPECT_EQ(profile::Read(forged, "a", "k"), "1");

  // Wine rewrites the whole file: blank lines go and the changed line is re-spelled. Windows, and
  // the program, change only the line concerned (the blank line and the spelling "K = " stay).
  const std::string layout = "[a]\r\nK = 1\r\n\r\n[b]\r\nz=2\r\n";
  const std::string oursPath = FileWith("differs", layout);
  const std::string winePath = FileWith("differs", layout);
  ASSERT_TRUE(profile::Write(oursPath, "a", "k", "2"));
  ASSERT_TRUE(profile::Write(oursPath, "a", "new", "3"));
  ASSERT_TRUE(system_profile::Write(winePath, "a", "k", "2"));
  ASSERT_TRUE(system_profile::Write(winePath, "a", "new", "3"));
  EXPECT_EQ(file_io::ReadWholeFile(oursPath).value_or(""), "[a]\r\nK = 2\r\nnew=3\r\n\r\n[b]\r\nz=2\r\n");
  printf("  Wine wrote: %s\n", Visible(file_io::ReadWholeFile(winePath).value_or("")).c_str());
}

}  // namespace
