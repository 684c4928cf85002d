// tests/unit/drop_intake_test.cpp
// The drop target's registry and hand-over of one drop, and the launcher's answer to each
// dropped file: the name check, the intake and the one reload after the last file.
#include "commands/drop_intake.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/drop_registry.h"

namespace {

const std::string kConflict = drop_text::kNameConflict;
const std::string kLeft = "\xA1\xBE";   // 【
const std::string kRight = "\xA1\xBF";  // 】

TEST(DropTargetRegistry, KeepsOneRecordPerWindowInHookOrder) {
  DropTargetRegistry registry;
  EXPECT_EQ(registry.Find(7), 0u);
  EXPECT_TRUE(registry.Add({7, nullptr, 0x10, 0x1000}));
  EXPECT_TRUE(registry.Add({8, nullptr, 0x20, 0x2000}));
  EXPECT_TRUE(registry.Add({9, nullptr, 0x30, 0x3000}));
  EXPECT_FALSE(registry.Add({8, nullptr, 0x99, 0x9999})) << "a window is hooked once";
  EXPECT_EQ(registry.Find(8), 2u);
  EXPECT_EQ(registry.Lookup(8)->savedWindowProc, 0x2000u);

  std::optional<DropRegistration> removed = registry.Remove(8);
  ASSERT_TRUE(removed);
  EXPECT_EQ(removed->savedExStyle, 0x20u);
  EXPECT_EQ(registry.Find(9), 2u) << "later records move up";
  EXPECT_FALSE(registry.Remove(8));
  EXPECT_FALSE(registry.Lookup(8));
  EXPECT_EQ(registry.Entries().size(), 2u);
}

TEST(DropExtension, IsTheTextAfterTheLastDotOrTheWholePath) {
  const std::pair<GbkText, GbkText> cases[] = {
      {"C:\\a\\report.txt", "txt"},
      {"C:\\a\\b.tar.gz", "gz"},
      {"C:\\a\\README", "C:\\a\\README"},
      {"C:\\my.dir\\file", "dir\\file"},
      {"C:\\a\\x.", ""},
      {"C:\\\xB9\xA4\xBE\xDF\\\xCE\xC4.doc", "doc"},  // 工具\文.doc
  };
  for (const auto& [path, extension] : cases) EXPECT_EQ(DropExtension(path), extension) << path;
}

struct Call {
  int32_t count, position;
  GbkText path, extension;
  bool operator==(const Call&) const = default;
};
std::vector<Call> g_calls;
int32_t Record(int32_t count, int32_t position, const GbkText& path, const GbkText& extension) {
  g_calls.push_back({count, position, path, extension});
  return position;
}

TEST(DeliverDroppedFiles, NumbersOnlyTheReadableFilesSoTheLastOneClosesTheDrop) {
  g_calls.clear();
  DeliverDroppedFiles({"C:\\a.txt", "", "C:\\b", ""}, Record);
  EXPECT_EQ(g_calls, (std::vector<Call>{{2, 1, "C:\\a.txt", "txt"}, {2, 2, "C:\\b", "C:\\b"}}));

  g_calls.clear();
  DeliverDroppedFiles({"", ""}, Record);
  DeliverDroppedFiles({"C:\\a"}, nullptr);
  EXPECT_TRUE(g_calls.empty());
}

TEST(NamesClaimedBy, TakesBaseAndWholeNameAsTheItemWouldGetThem) {
  EXPECT_EQ(NamesClaimedBy("report.txt"), (std::vector<GbkText>{"report", "report.txt"}));
  EXPECT_EQ(NamesClaimedBy("README"), (std::vector<GbkText>{"README"}));
  EXPECT_EQ(NamesClaimedBy("[b] a.exe"),
            (std::vector<GbkText>{"[b] a", "[b] a.exe", kLeft + "b" + kRight + " a", kLeft + "b" + kRight + " a.exe"}));
  EXPECT_EQ(DroppedFileName("C:\\x\\y\\report.txt"), "report.txt");
  EXPECT_EQ(DroppedFileName("report.txt"), "report.txt");
  EXPECT_EQ(DroppedBaseName("Work.2024.old"), "Work.2024");
  EXPECT_EQ(DroppedBaseName("README"), "");
}

// Records, in one list, what the launcher does with each file.
class FakeLauncher : public DropIntakeSystem {
 public:
  std::vector<GbkText> items;
  std::vector<std::string> log;
  int flag = 0;

  std::vector<GbkText> ItemNames() override { return items; }
  void SetDialogFlag(int value) override {
    EXPECT_NE(flag, value) << "the flag is set and cleared in pairs";
    flag = value;
  }
  void ShowMessage(const GbkText& text) override {
    EXPECT_EQ(flag, 1);
    log.push_back("box " + text);
  }
  void AddItemFromPath(const GbkText& path) override {
    EXPECT_EQ(flag, 1);
    log.push_back("add " + path);
  }
  void ReloadItems() override {
    EXPECT_EQ(flag, 0);
    log.push_back("reload");
  }
};

class DropIntakeTest : public ::testing::Test {
 protected:
  // One drop; the answers of the callback.
  std::vector<int32_t> Drop(const std::vector<GbkText>& paths) {
    std::vector<int32_t> answers;
    const auto count = static_cast<int32_t>(paths.size());
    for (int32_t i = 1; i <= count; ++i) answers.push_back(intake_.TakeFile(launcher_, count, i, paths[i - 1]));
    return answers;
  }
  DropIntake intake_;
  FakeLauncher launcher_;
};

TEST_F(DropIntakeTest, ThreeFilesAreTakenInOrderAndTheGridReloadsOnceAfterTheLast) {
  EXPECT_EQ(Drop({"C:\\d\\a.exe", "C:\\d\\b.txt", "C:\\d\\Folder.2024"}), (std::vector<int32_t>{1, 2, 0}));
  EXPECT_EQ(launcher_.log,
            (std::vector<std::string>{"add C:\\d\\a.exe", "add C:\\d\\b.txt", "add C:\\d\\Folder.2024", "reload"}));
  EXPECT_EQ(launcher_.flag, 0);
}

TEST_F(DropIntakeTest, AFileMeetingAnItemIsRefusedOncePerItemAndTheOthersAreStillTaken) {
  launcher_.items = {"report", "x", "report.txt"};
  EXPECT_EQ(Drop({"C:\\d\\report.txt", "C:\\d\\other.txt"}), (std::vector<int32_t>{1, 0}));
  EXPECT_EQ(launcher_.log, (std::vector<std::string>{"box report.txt" + kConflict, "box report.txt" + kConflict,
                                                     "add C:\\d\\other.txt", "reload"}));
}

TEST_F(DropIntakeTest, ARefusedLastFileStillReloads) {
  launcher_.items = {"b"};
  EXPECT_EQ(Drop({"C:\\a.txt", "C:\\b.txt"}), (std::vector<int32_t>{1, 0}));
  EXPECT_EQ(launcher_.log, (std::vector<std::string>{"add C:\\a.txt", "box b.txt" + kConflict, "reload"}));
}

// Names that would land in an existing section although they differ byte for byte.
TEST_F(DropIntakeTest, NamesMeetAsSectionNamesDoWhateverTheirLetterCaseOrBrackets) {
  launcher_.items = {"Report", kLeft + "beta" + kRight + " app"};
  Drop({"C:\\d\\REPORT.doc", "C:\\d\\[beta] app.exe", "C:\\d\\reports.doc"});
  EXPECT_EQ(launcher_.log, (std::vector<std::string>{"box REPORT.doc" + kConflict, "box [beta] app.exe" + kConflict,
                                                     "add C:\\d\\reports.doc", "reload"}));
}

TEST_F(DropIntakeTest, TwoFilesOfOneDropCannotTakeTheSameName) {
  Drop({"C:\\d\\a.txt", "C:\\e\\A.doc", "C:\\d\\a", "C:\\d\\b.txt"});
  EXPECT_EQ(launcher_.log, (std::vector<std::string>{"add C:\\d\\a.txt", "box A.doc" + kConflict,
                                                     "box a" + kConflict, "add C:\\d\\b.txt", "reload"}));
  // A new drop starts afresh: only the grid's items count then.
  launcher_.log.clear();
  Drop({"C:\\d\\a.txt"});
  EXPECT_EQ(launcher_.log, (std::vector<std::string>{"add C:\\d\\a.txt", "reload"}));
}

TEST_F(DropIntakeTest, ChineseNamesCompareWholeCharacters) {
  const GbkText gongju = "\xB9\xA4\xBE\xDF";  // 工具
  launcher_.items = {gongju};
  Drop({"D:\\\xCE\xC4\\" + gongju + ".lnk", "D:\\" + gongju + "2.lnk"});
  EXPECT_EQ(launcher_.log, (std::vector<std::string>{"box " + gongju + ".lnk" + kConflict,
                                                     "add D:\\" + gongju + "2.lnk", "reload"}));
}

}  // namespace
