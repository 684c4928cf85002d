// tests/unit/profile_write_keys_test.cpp
// Several keys of one section in one rewrite leave the file exactly as the same Writes one by one.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "store/profile_file.h"

namespace {

namespace fs = std::filesystem;

class ProfileWriteKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tovenk-writekeys-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string PathOf(const std::string& name) const { return (fs::path(dir_) / name).string(); }
  std::string dir_;
};

struct KeysCase {
  const char* what;
  std::string before;  // "<missing>" for no file
  std::string section;
  std::vector<std::pair<std::string, std::string>> keys;
  bool answer;
};

TEST_F(ProfileWriteKeys, LeavesTheFileAsOneWriteAfterAnother) {
  const std::string item = "[a]\r\nk=1\r\n\r\n; note\r\n[b]\r\nx=y\r\n";
  const KeysCase cases[] = {
      {"new file", "<missing>", "s", {{"k", "v"}, {"m", "w"}}, true},
      {"new section at the end", item, "c", {{"p", "1"}, {"q", "2"}, {"r", "3"}}, true},
      {"replaced in place and appended", item, "A", {{"K", "2"}, {"n", "new"}, {"k", "3"}}, true},
      {"a refused key is left out", item, "b", {{"x", "z"}, {"bad=key", "v"}, {"w", "line\r\nbreak"}, {"v", "1"}},
       false},
      {"every key refused", item, "b", {{";x", "1"}}, false},
      {"already so", item, "a", {{"k", "1"}}, true},
  };
  for (const KeysCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string one = PathOf("one.ini"), each = PathOf("each.ini");
    file_io::RemoveFile(one);
    file_io::RemoveFile(each);
    if (c.before != "<missing>") {
      ASSERT_TRUE(file_io::WriteWholeFile(one, c.before));
      ASSERT_TRUE(file_io::WriteWholeFile(each, c.before));
    }
    bool eachAnswer = true;
    std::vector<profile::KeyValue> keys;
    for (const auto& [key, value] : c.keys) {
      eachAnswer = profile::Write(each, c.section, key, value) && eachAnswer;
      keys.push_back({key, value});
    }
    EXPECT_EQ(profile::WriteKeys(one, c.section, keys), c.answer);
    EXPECT_EQ(eachAnswer, c.answer);
    EXPECT_EQ(file_io::ReadWholeFile(one), file_io::ReadWholeFile(each));
    for (const auto& [key, value] : c.keys)
      EXPECT_EQ(profile::Read(one, c.section, key), profile::Read(each, c.section, key)) << key;
  }
}

TEST_F(ProfileWriteKeys, NothingChangedLeavesTheWriteTimeAlone) {
  const std::string path = PathOf("same.ini");
  ASSERT_TRUE(file_io::WriteWholeFile(path, "[a]\r\nk=1\r\nm=2\r\n"));
  struct timespec times[2] = {{1000000, 0}, {1000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  const std::vector<profile::KeyValue> keys = {{"k", "1"}, {"M", "2"}};
  EXPECT_TRUE(profile::WriteKeys(path, "A", keys));
  struct stat after {};
  ASSERT_EQ(stat(path.c_str(), &after), 0);
  EXPECT_EQ(after.st_mtim.tv_sec, 1000000);
}

}  // namespace
