// tests/unit/profile_file_test.cpp
#include "store/profile_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/file_io.h"

namespace {

namespace fs = std::filesystem;

class ProfileFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tovenk-profile-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string PathOf(const std::string& name) const { return (fs::path(dir_) / name).string(); }

  static void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  // Gives the file a fixed write time, so a rewrite of the same size keeps its stamp.
  static void SetWriteTime(const std::string& path, time_t seconds) {
    struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  }

  std::string dir_;
};

TEST_F(ProfileFile, MissingFileReadsEmptyAndAWriteCreatesIt) {
  const std::string path = PathOf("new.ini");
  EXPECT_EQ(profile::Read(path, "s", "k"), "");
  EXPECT_TRUE(profile::SectionNames(path).empty());
  EXPECT_FALSE(fs::exists(path)) << "reads never create the file";
  EXPECT_TRUE(profile::Write(path, "s", "k", "v"));
  EXPECT_EQ(Get(path), "[s]\r\nk=v\r\n");
  EXPECT_TRUE(profile::Write(path, "s", "m", "w"));
  EXPECT_EQ(Get(path), "[s]\r\nk=v\r\nm=w\r\n");
  EXPECT_EQ(profile::Read(path, "S", "M"), "w");
  EXPECT_EQ(profile::SectionNames(path), std::vector<GbkText>{"s"});
}

TEST_F(ProfileFile, FileNamesLikeTheProfileFunctionsTakeThem) {
  const std::string path = PathOf("a.ini");
  EXPECT_TRUE(profile::Write(" \t" + path, "s", "k", "v")) << "leading blanks of the file name skipped";
  EXPECT_EQ(profile::Read(path, "s", "k"), "v");
  EXPECT_EQ(profile::Read(path + std::string("\0junk", 5), "s", "k"), "v") << "the name ends at a NUL";
  EXPECT_EQ(profile::Read("  ", "s", "k"), "");
  EXPECT_FALSE(profile::Write("", "s", "k", "v"));
  EXPECT_FALSE(profile::Write(" ", "s", "k", "v"));
  EXPECT_TRUE(profile::SectionNames(" ").empty());
}

TEST_F(ProfileFile, WritesThatCannotBeDoneChangeNothing) {
  const std::string inMissingFolder = PathOf("no/such/folder/a.ini");
  EXPECT_FALSE(profile::Write(inMissingFolder, "s", "k", "v"));
  EXPECT_FALSE(fs::exists(PathOf("no")));

  const std::string folder = PathOf("folder.ini");
  fs::create_directory(folder);
  EXPECT_FALSE(profile::Write(folder, "s", "k", "v"));
  EXPECT_EQ(profile::Read(folder, "s", "k"), "");
  EXPECT_TRUE(fs::is_directory(folder));

  const std::string path = PathOf("a.ini");
  Put(path, "[s]\r\nk=1\r\n");
  EXPECT_FALSE(profile::Write(path, "s", "k", "1\r\n[t]\r\nforged=1"));
  EXPECT_FALSE(profile::Write(path, " ", "k", "v"));
  EXPECT_EQ(Get(path), "[s]\r\nk=1\r\n");
  for (const fs::directory_entry& entry : fs::directory_iterator(dir_))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << "no temporary file left";
}

// A file too big to read whole is never rewritten: its bytes would be lost.
TEST_F(ProfileFile, HugeFileIsNeitherReadNorRewritten) {
  const std::string path = PathOf("huge.ini");
  Put(path, "[s]\r\nk=1\r\n");
  ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(file_io::kMaxWholeFileBytes + 1)), 0);  // sparse
  EXPECT_EQ(profile::Read(path, "s", "k"), "");
  EXPECT_FALSE(profile::Write(path, "s", "k", "2"));
  EXPECT_EQ(fs::file_size(path), file_io::kMaxWholeFileBytes + 1);
  std::ifstream in(path, std::ios::binary);
  std::string head(10, '\0');
  in.read(head.data(), 10);
  EXPECT_EQ(head, "[s]\r\nk=1\r\n");
}

// Reads are served from the parsed file while its size and write time stay; any change of either
// makes the next read parse it again.
TEST_F(ProfileFile, ReadsFollowTheFileOnDisk) {
  const std::string path = PathOf("cache.ini");
  Put(path, "[s]\r\nk=1\r\n");
  SetWriteTime(path, 1000000000);
  EXPECT_EQ(profile::Read(path, "s", "k"), "1");

  Put(path, "[s]\r\nk=2\r\n");  // same size, same write time: the parse still stands
  SetWriteTime(path, 1000000000);
  EXPECT_EQ(profile::Read(path, "s", "k"), "1");

  SetWriteTime(path, 1000000100);
  EXPECT_EQ(profile::Read(path, "s", "k"), "2");
  Put(path, "[s]\r\nk=333\r\n");
  SetWriteTime(path, 1000000100);
  EXPECT_EQ(profile::Read(path, "s", "k"), "333");
  fs::remove(path);
  EXPECT_EQ(profile::Read(path, "s", "k"), "");
  EXPECT_TRUE(profile::SectionNames(path).empty());
}

// A write starts from the bytes on disk, so a change made there by someone else is kept even when
// the cached parse looks current.
TEST_F(ProfileFile, WriteKeepsChangesMadeOnDisk) {
  const std::string path = PathOf("shared.ini");
  Put(path, "[s]\r\nk=1\r\n");
  SetWriteTime(path, 1000000000);
  EXPECT_EQ(profile::Read(path, "s", "k"), "1");
  Put(path, "[s]\r\nk=9\r\n");
  SetWriteTime(path, 1000000000);
  EXPECT_TRUE(profile::Write(path, "s", "m", "2"));
  EXPECT_EQ(Get(path), "[s]\r\nk=9\r\nm=2\r\n");
  EXPECT_EQ(profile::Read(path, "s", "k"), "9");
  EXPECT_EQ(profile::Read(path, "s", "m"), "2");
}

TEST_F(ProfileFile, WritingTheStoredValueLeavesTheFileAlone) {
  const std::string path = PathOf("same.ini");
  Put(path, "[s]\r\nk = v\r\n");
  SetWriteTime(path, 1000000000);
  EXPECT_TRUE(profile::Write(path, "s", "k", "v"));
  EXPECT_EQ(Get(path), "[s]\r\nk = v\r\n");
  EXPECT_EQ(*file_io::StampOf(path), (file_io::FileStamp{12, 1000000000ull * 1000000000ull}));
}

TEST_F(ProfileFile, SnapshotsStayAsTheyWereTaken) {
  const std::string path = PathOf("snap.ini");
  EXPECT_TRUE(profile::Snapshot(path)->SectionNames().empty()) << "a missing file gives an empty document";
  ASSERT_TRUE(profile::Write(path, "s", "k", "1"));
  std::shared_ptr<const IniDocument> before = profile::Snapshot(path);
  ASSERT_TRUE(profile::Write(path, "s", "k", "2"));
  ASSERT_TRUE(profile::Write(path, "t", "k", "3"));
  EXPECT_EQ(before->Read("s", "k"), "1");
  EXPECT_EQ(before->SectionNames(), std::vector<GbkText>{"s"});
  std::shared_ptr<const IniDocument> after = profile::Snapshot(path);
  EXPECT_EQ(after->Read("s", "k"), "2");
  EXPECT_EQ(after->Read("t", "k"), "3");
  EXPECT_EQ(profile::Snapshot(path), after) << "the same parse while the file stays";
}

TEST_F(ProfileFile, ManyThreadsReadWhileOneWrites) {
  const std::string path = PathOf("threads.ini");
  ASSERT_TRUE(profile::Write(path, "s", "k", "0"));
  std::atomic<bool> stop{false};
  std::atomic<int> badReads{0};
  std::vector<std::thread> readers;
  for (int t = 0; t < 3; ++t) {
    readers.emplace_back([&] {
      while (!stop) {
        GbkText value = profile::Read(path, "s", "k");
        if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos) ++badReads;
        profile::SectionNames(path);
      }
    });
  }
  for (int i = 1; i <= 50; ++i) ASSERT_TRUE(profile::Write(path, "s", "k", std::to_string(i)));
  stop = true;
  for (std::thread& reader : readers) reader.join();
  EXPECT_EQ(badReads, 0);
  EXPECT_EQ(profile::Read(path, "s", "k"), "50");
}

}  // namespace
