// tests/unit/item_commands_test.cpp
// The item menu's commands on a real category file: what each reads from the item's section,
// what it starts, asks, writes and reloads, and the folder preview's list geometry. The shell,
// the boxes and the item store's reload are a recorder.
#include "commands/item_commands.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "commands/drop_intake.h"
#include "store/category_file.h"
#include "store_test_support.h"

namespace {

using store_test::Section;

const GbkText kArgs = store_text::kArgumentsKey;
const GbkText kIconSource = store_text::kIconSourceKey;
const GbkText kTarget = store_text::kTargetKey;
const GbkText kErrorTitle = item_text::kItemErrorTitle;

class Recorder : public ItemCommandSystem {
 public:
  std::vector<std::string> log;
  std::map<GbkText, bool> existing;            // paths that a find-first finds
  std::deque<std::optional<GbkText>> answers;  // input box answers; cancel when used up
  std::vector<GbkText> files;                  // what FilesOf lists
  bool shortcutSaved = true;
  bool removeSucceeds = true;
  int flag = 0;

  bool PathExists(const GbkText& path) override { return existing.count(path) != 0; }
  void ShellOpen(const GbkText& file, const GbkText& parameters) override {
    log.push_back("open " + file + " | " + parameters);
  }
  void StartCommandLine(const GbkText& line) override { log.push_back("start " + line); }
  void ShowMessage(const GbkText& text, const GbkText& title) override {
    EXPECT_EQ(flag, 1) << "DialogOpenFlag while the box is open";
    log.push_back("box " + title + " | " + text);
  }
  std::optional<GbkText> AskText(const GbkText& prompt, const GbkText& title, const GbkText& initial) override {
    EXPECT_EQ(flag, 1) << "DialogOpenFlag while the box is open";
    log.push_back("ask " + title + " | " + prompt + " | " + initial);
    std::optional<GbkText> answer;
    if (!answers.empty()) {
      answer = answers.front();
      answers.pop_front();
    }
    return answer;
  }
  void SetDialogFlag(int value) override {
    EXPECT_NE(flag, value);
    flag = value;
  }
  GbkText TempFolder() override { return "T:\\tmp\\"; }
  bool WriteShortcut(GbkText& path, const GbkText& target, const GbkText& arguments,
                     const GbkText& icon) override {
    log.push_back("shortcut " + path + " | " + target + " | " + arguments + " | " + icon);
    return shortcutSaved;
  }
  void RemoveFile(const GbkText& path) override { log.push_back("remove " + path); }
  void ReloadItems() override { log.push_back("reload"); }
  bool RemoveItem(const GbkText& name) override {
    log.push_back("remove item " + name);
    return removeSucceeds;
  }
  std::vector<GbkText> FilesOf(const GbkText& folder) override {
    log.push_back("list " + folder);
    return files;
  }
};

class ItemCommandsTest : public store_test::StoreTest {
 protected:
  // The category "cat" with the given sections, opened; every section's icon is cached, so
  // every section is an item of the grid.
  void Open(const std::string& text) {
    WriteData("cat.ini", text);
    ASSERT_TRUE(OpenCategoryFile("cat"));
  }
  GbkText Item(const GbkText& name, const GbkText& target, const GbkText& arguments = "") {
    WriteData(name + ".ico", "icon");
    return Section(name, target, name + ".ico", arguments);
  }
  ItemRef Ref(const GbkText& name) const { return {name, GetCurrentCategory().path}; }
  std::string FileText() { return ReadData("cat.ini"); }

  Recorder system_;
};

TEST_F(ItemCommandsTest, TheSelectionIsAPositionOfTheGridAndNothingOutsideIt) {
  Open(Item("a", "C:\\a.exe") + Item("b", "C:\\b.exe"));
  ASSERT_TRUE(SelectedItem(2));
  EXPECT_EQ(SelectedItem(2)->name, "b");
  EXPECT_EQ(SelectedItem(2)->categoryFile, DataPath("cat.ini"));
  for (int none : {-1, 0, 3, 1000}) EXPECT_FALSE(SelectedItem(none)) << none;
  CloseCurrentCategory();
  EXPECT_FALSE(SelectedItem(1)) << "no category open";
}

TEST_F(ItemCommandsTest, OpenStartsTheResolvedLocationWithItsArguments) {
  const GbkText run = CurrentAppDirs().runDir + "\\";
  Open(Item("tool", "##APP##tools\\x.exe", "-n ##APP##") + Item("plain", "C:\\p.exe", "null") +
       Item("doc", "C:\\d.txt"));
  system_.existing = {{run + "tools\\x.exe", true}, {"C:\\p.exe", true}, {"C:\\d.txt", true}};
  OpenItem(system_, Ref("tool"));
  OpenItem(system_, Ref("plain"));
  OpenItem(system_, Ref("doc"));
  EXPECT_EQ(system_.log, (std::vector<std::string>{"open " + run + "tools\\x.exe | -n ##APP##", "open C:\\p.exe | ",
                                                   "open C:\\d.txt | "}));
}

TEST_F(ItemCommandsTest, AMissingTargetIsReportedAsAnItemErrorByOpenAndShowInFolder) {
  Open(Item("gone", "C:\\gone\\g.exe", "null"));
  OpenItem(system_, Ref("gone"));
  ShowItemInFolder(system_, Ref("gone"));
  const std::string box = "box " + kErrorTitle + " | gone" + item_text::kTargetMissing + "C:\\gone\\g.exe";
  EXPECT_EQ(system_.log, (std::vector<std::string>{box, box}));
  EXPECT_EQ(system_.flag, 0);
}

TEST_F(ItemCommandsTest, ShowInFolderHasExplorerSelectTheLocation) {
  Open(Item("a", "C:\\Tools\\a b.exe"));
  system_.existing = {{"C:\\Tools\\a b.exe", true}};
  ShowItemInFolder(system_, Ref("a"));
  EXPECT_EQ(system_.log, (std::vector<std::string>{"start Explorer /select, C:\\Tools\\a b.exe"}));
}

TEST_F(ItemCommandsTest, SimulatedRunStartsATemporaryShortcutAndRemovesIt) {
  const GbkText run = CurrentAppDirs().runDir + "\\";
  Open(Item("a", "##APP##a.exe", "null") + Item("b", "C:\\b.exe", "-x"));
  category_file::Write("a", kIconSource, "null");
  category_file::Write("b", kIconSource, "##APP##i.dll,3");
  SimulatedRun(system_, Ref("a"));
  SimulatedRun(system_, Ref("b"));
  EXPECT_EQ(system_.log, (std::vector<std::string>{
                             "shortcut T:\\tmp\\TVKRN.lnk | " + run + "a.exe |  | ", "open T:\\tmp\\TVKRN.lnk | ",
                             "remove T:\\tmp\\TVKRN.lnk",
                             "shortcut T:\\tmp\\TVKRN.lnk | C:\\b.exe | -x | " + run + "i.dll,3",
                             "open T:\\tmp\\TVKRN.lnk | ", "remove T:\\tmp\\TVKRN.lnk"}));

  system_.log.clear();
  system_.shortcutSaved = false;
  SimulatedRun(system_, Ref("b"));
  EXPECT_EQ(system_.log, (std::vector<std::string>{"shortcut T:\\tmp\\TVKRN.lnk | C:\\b.exe | -x | " + run + "i.dll,3",
                                                   "remove T:\\tmp\\TVKRN.lnk"}))
      << "nothing is opened without a fresh shortcut";
}

TEST_F(ItemCommandsTest, CommandLineIsAskedWithNullShownEmptyAndWrittenAsTyped) {
  Open(Item("app", "C:\\app.exe", "null") + Item("b", "C:\\b.exe", "-old"));
  system_.answers = {GbkText("-a \"x y\""), std::nullopt};
  ChangeItemArguments(system_, Ref("app"));
  ChangeItemArguments(system_, Ref("b"));
  const GbkText title = item_text::kArgumentsTitle;
  EXPECT_EQ(system_.log, (std::vector<std::string>{"ask " + title + " | app" + item_text::kArgumentsPrompt + " | ",
                                                   "ask " + title + " | b" + item_text::kArgumentsPrompt + " | -old"}));
  EXPECT_EQ(category_file::Read("app", kArgs), "-a \"x y\"");
  EXPECT_EQ(category_file::Read("b", kArgs), "-old") << "a cancelled box changes nothing";
}

TEST_F(ItemCommandsTest, AnEmptyCommandLineIsStoredEmptyAndEndsFurtherChanges) {
  Open(Item("app", "C:\\app.exe", "-v"));
  system_.answers = {GbkText(""), GbkText("-w")};
  ChangeItemArguments(system_, Ref("app"));
  EXPECT_EQ(category_file::Read("app", kArgs), "");
  ChangeItemArguments(system_, Ref("app"));
  EXPECT_EQ(category_file::Read("app", kArgs), "") << "an item without a command line keeps none";
  ASSERT_EQ(system_.log.size(), 2u);
  EXPECT_EQ(system_.log[1], "box  | " + GbkText(item_text::kCannotChangeArguments));
}

TEST_F(ItemCommandsTest, ItemsWithoutRunArgumentsCannotHaveTheirCommandLineChanged) {
  Open(Item("doc", "C:\\d.txt") + Section("empty", "C:\\e.exe", "", "") + "\xD4\xCB\xD0\xD0\xB2\xCE\xCA\xFD=\r\n");
  ChangeItemArguments(system_, Ref("doc"));
  ChangeItemArguments(system_, Ref("empty"));
  const std::string box = "box  | " + GbkText(item_text::kCannotChangeArguments);
  EXPECT_EQ(system_.log, (std::vector<std::string>{box, box}));
}

TEST_F(ItemCommandsTest, RenameChangesOnlyTheHeaderLineAndReloads) {
  // A value line that ends in "[a]" is not a header.
  const std::string before = Item("a", "C:\\x\\[a]") + Item("b", "C:\\b.exe", "null");
  Open(before);
  system_.answers = {GbkText("\xD0\xC2 a")};  // 新 a
  RenameItem(system_, Ref("a"));
  EXPECT_EQ(FileText(), Section("\xD0\xC2 a", "C:\\x\\[a]", "a.ico") + Section("b", "C:\\b.exe", "b.ico", "null"));
  EXPECT_EQ(system_.log, (std::vector<std::string>{"ask  | " + GbkText(item_text::kNewNamePrompt) + " | a", "reload"}));
}

TEST_F(ItemCommandsTest, RenameThatChangesNothingNeitherWritesNorReloads) {
  Open(Item("a", "C:\\a.exe"));
  system_.answers = {GbkText("a"), std::nullopt};
  RenameItem(system_, Ref("a"));
  RenameItem(system_, Ref("a"));
  RenameItem(system_, std::nullopt);
  EXPECT_EQ(system_.log, (std::vector<std::string>{"ask  | " + GbkText(item_text::kNewNamePrompt) + " | a",
                                                   "ask  | " + GbkText(item_text::kNewNamePrompt) + " | a",
                                                   "reload", "reload"}))
      << "same name: nothing; cancel: reload; no item: reload";
  EXPECT_EQ(FileText(), Item("a", "C:\\a.exe"));
}

TEST_F(ItemCommandsTest, RenameRefusesNamesThatWouldBreakOrDoubleASection) {
  const std::string before = Item("a", "C:\\a.exe") + Item("Beta", "C:\\b.exe");
  Open(before);
  system_.answers = {GbkText("BETA"), GbkText("  "), GbkText("")};
  RenameItem(system_, Ref("a"));
  RenameItem(system_, Ref("a"));
  RenameItem(system_, Ref("a"));
  EXPECT_EQ(FileText(), before);
  const std::string ask = "ask  | " + GbkText(item_text::kNewNamePrompt) + " | a";
  EXPECT_EQ(system_.log, (std::vector<std::string>{ask, "box  | BETA" + GbkText(drop_text::kNameConflict), "reload",
                                                   ask, "reload", ask, "reload"}));

  system_.log.clear();
  system_.answers = {GbkText("[x]"), GbkText("beta")};
  RenameItem(system_, Ref("a"));
  EXPECT_EQ(category_file::SectionNames(), (std::vector<GbkText>{"\xA1\xBEx\xA1\xBF", "Beta"}));  // 【x】
  RenameItem(system_, Ref("Beta"));
  EXPECT_EQ(category_file::SectionNames(), (std::vector<GbkText>{"\xA1\xBEx\xA1\xBF", "beta"}))
      << "an item may change the letter case of its own name";
}

TEST_F(ItemCommandsTest, RenameOfAFileThatCannotBeReadSaysSoAndLeavesItAlone) {
  Open(Item("a", "C:\\a.exe"));
  system_.answers = {GbkText("b")};
  RenameItem(system_, ItemRef{"a", DataPath("gone.ini")});
  EXPECT_EQ(system_.log.back(), "reload");
  EXPECT_EQ(system_.log[1], "box  | " + GbkText(item_text::kRenameFailed));
  EXPECT_FALSE(file_io::FileExists(DataPath("gone.ini")));
}

TEST_F(ItemCommandsTest, DeleteRemovesTheItemWithoutAskingAndAlwaysReloads) {
  Open(Item("a", "C:\\a.exe"));
  DeleteItem(system_, Ref("a"));
  DeleteItem(system_, std::nullopt);
  system_.removeSucceeds = false;
  DeleteItem(system_, Ref("a"));
  EXPECT_EQ(system_.log, (std::vector<std::string>{"remove item a", "reload", "reload", "remove item a",
                                                   "box  | " + GbkText(item_text::kDeleteFailed), "reload"}));
}

TEST(WithSectionRenamed, ReplacesEveryHeaderLineAndNothingElse) {
  EXPECT_EQ(WithSectionRenamed("[a]\r\nk=1\r\n[b]\r\nk=[a]\r\n[a]\r\n", "a", "c"), "[c]\r\nk=1\r\n[b]\r\nk=[a]\r\n[c]\r\n");
  EXPECT_EQ(WithSectionRenamed("[a]", "a", "c"), "[a]") << "a header without a line end is not matched";
  EXPECT_EQ(WithSectionRenamed("x[a]\r\n[A]\r\n", "a", "c"), "x[a]\r\n[A]\r\n");
  // 工 followed by "[a]" must not be cut inside a character.
  EXPECT_EQ(WithSectionRenamed("[\xB9\xA4]\r\n", "\xB9\xA4", "\xBE\xDF"), "[\xBE\xDF]\r\n");
}

TEST(PreviewList, WidthIsSixPointTwoPixelsPerByteWithinItsBounds) {
  const std::pair<size_t, int> cases[] = {{0, 120}, {19, 120}, {20, 126}, {40, 250}, {45, 281},
                                          {48, 299}, {49, 300}, {60, 300}, {100000, 300}};
  for (const auto& [bytes, width] : cases) EXPECT_EQ(PreviewListWidth(bytes), width) << bytes;
}

TEST(PreviewList, SitsCentredUnderThePointerCuttingTowardZero) {
  EXPECT_EQ(PreviewListLeft(500, 100, 121), 339);
  EXPECT_EQ(PreviewListLeft(500, 100, 120), 340);
  EXPECT_EQ(PreviewListLeft(100, 100, 121), -60);
  EXPECT_EQ(PreviewListTop(300, 100), 175);
}

TEST(PreviewList, ListsTheFolderAndSizesForTheLongestName) {
  Recorder system;
  system.files = {"a.txt", std::string(40, 'n'), "b"};
  const PreviewContent content = ListPreviewFolder(system, "C:\\f\\");
  EXPECT_EQ(content.names, system.files);
  EXPECT_EQ(content.width, 250);
  EXPECT_EQ(system.log, (std::vector<std::string>{"list C:\\f\\"}));
  system.files.clear();
  EXPECT_EQ(ListPreviewFolder(system, "C:\\empty\\").width, 120);
}

}  // namespace
