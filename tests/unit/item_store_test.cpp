// tests/unit/item_store_test.cpp
#include "store/item_store.h"

#include <gtest/gtest.h>

#include <random>

#include "store/app_placeholder.h"
#include "store_test_support.h"

namespace {

using store_test::Section;

const GbkText kArgs = store_text::kArgumentsKey;
const GbkText kIconSource = store_text::kIconSourceKey;
const GbkText kIconHash = store_text::kIconHashKey;

class ItemStoreTest : public store_test::StoreTest {
 protected:
  // Writes the category file "cat" and opens it, which reloads its items.
  void Open(const std::string& text) {
    WriteData("cat.ini", text);
    ASSERT_TRUE(OpenCategoryFile("cat"));
  }
  // A section whose icon is cached in the data folder.
  GbkText Cached(const GbkText& name) {
    WriteData(name + ".ico", "icon");
    return Section(name, "C:\\" + name + ".exe", name + ".ico");
  }
  std::vector<ItemCell> Cells() const {
    std::vector<ItemCell> cells;
    for (const ItemRecord& item : GetItemTable()) cells.push_back(item.cell);
    return cells;
  }
  // Plays the item maker: a new cached icon and the keys it writes for a program shortcut.
  void CacheIconsWhenAdded() {
    ui_.onAddItem = [this](const GbkText&) {
      const ShortcutRequest& request = ui_.shortcuts.back();
      const GbkText name = request.shortcutPath.substr(SpecialFolderPath(kTempFolder).size(),
                                                       request.shortcutPath.size() - SpecialFolderPath(kTempFolder).size() - 4);
      const GbkText hash = "new-" + name + ".ico";
      WriteData(hash, "icon");
      category_file::Write(name, kArgs, request.arguments.empty() ? "null" : request.arguments);
      category_file::Write(name, kIconHash, hash);
    };
  }
};

TEST(ItemCell, FollowsTheGridRuleAndStaysWithin32Bits) {
  struct Case { int64_t j; int32_t s, l, c; ItemCell cell; };
  const Case cases[] = {
      {1, 64, 16, 2, {0, 0, 182, 72}},
      {5, 64, 16, 2, {0, 144, 182, 72}},
      {4, 22, 1, 3, {0, 30, 35, 30}},
      {4, 64, 16, -3, {0, -72, 182, 72}},  // a negative count from the settings: odd, harmless places
      {2, 0, INT32_MAX, 2, {INT32_MAX, 0, INT32_MAX, 8}},
      {3, INT32_MAX, 0, 1, {0, INT32_MAX, INT32_MAX, INT32_MAX}},
  };
  for (const Case& c : cases) EXPECT_EQ(CellForSection(c.j, c.s, c.l, c.c), c.cell) << c.j << " " << c.c;
}

TEST(AppPlaceholder, StandsForTheRunFolderAndItsBackslash) {
  SetCurrentAppDirs(MakeAppDirs("D:\\L", "Tovenk.exe"));
  EXPECT_EQ(ResolveAppPlaceholder("##APP##tools\\x.exe"), "D:\\L\\tools\\x.exe");
  EXPECT_EQ(ResolveAppPlaceholder("##app##x;##APP####APP##"), "##app##x;D:\\L\\D:\\L\\");
  EXPECT_EQ(ToAppPlaceholder("D:\\L\\tools\\x.exe,D:\\L\\y"), "##APP##tools\\x.exe,##APP##y");
  EXPECT_EQ(ToAppPlaceholder("D:\\Lx\\a"), "D:\\Lx\\a");
}

TEST_F(ItemStoreTest, CellsFollowTheFilesSectionsAndAZeroColumnCountBecomesTwo) {
  ui_.grid = {64, 16, 0};
  Open(Cached("a") + Cached("b") + Cached("c") + Cached("d") + Cached("e"));
  EXPECT_EQ(ui_.grid.columns, 2);
  EXPECT_EQ(ItemNames(), (std::vector<GbkText>{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(Cells(), (std::vector<ItemCell>{{0, 0, 182, 72}, {182, 0, 182, 72}, {0, 72, 182, 72},
                                            {182, 72, 182, 72}, {0, 144, 182, 72}}));
  ASSERT_EQ(ui_.pictureLoads.size(), 5u);
  EXPECT_EQ(ui_.pictureLoads[0], std::make_pair(DataPath("a.ico"), 64));
  EXPECT_EQ(GetItemTable()[4].picture, ui_.nextPicture - 1);
  EXPECT_EQ((std::vector<int>{ui_.backBufferCopies, ui_.paints, ui_.sounds, ui_.focuses}),
            (std::vector<int>{1, 1, 1, 1}));
  EXPECT_TRUE(ui_.captions.empty());

  // A second reload frees the pictures of the first.
  ui_.soundsOff = true;
  ReloadItems();
  EXPECT_EQ(ui_.livePictures.size(), 5u);
  EXPECT_EQ(ui_.sounds, 1);
  EXPECT_EQ(ui_.focuses, 2);
}

TEST_F(ItemStoreTest, AnItemWithoutIconOrTargetLeavesItsCellEmptyWhenKept) {
  ui_.grid.columns = 2;
  const std::string text = Cached("A") + Section("B", root_ + "/gone.exe", "") + Cached("C");
  Open(text);
  EXPECT_EQ(ItemNames(), (std::vector<GbkText>{"A", "C"}));
  EXPECT_EQ(Cells(), (std::vector<ItemCell>{{0, 0, 182, 72}, {0, 72, 182, 72}}));
  ASSERT_EQ(ui_.questions.size(), 1u);
  EXPECT_EQ(ui_.questions[0].first, "B" + GbkText(store_text::kTargetMissingQuestion));
  EXPECT_EQ(ui_.questions[0].second, store_text::kReadErrorTitle);
  EXPECT_EQ(ReadData("cat.ini"), text);
  EXPECT_TRUE(ui_.shortcuts.empty());
}

TEST_F(ItemStoreTest, AnsweringYesRemovesTheItemAndKeepsEveryOtherByte) {
  ui_.answers = {true};
  const std::string a = "[A]\r\n" + GbkText(store_text::kTargetKey) + std::string("=C:\\a\0b", 7) + "\r\n" +
                        kIconHash + "=A.ico\r\n";
  WriteData("A.ico", "icon");
  const std::string b = Section("B", root_ + "/gone.exe", "missing.ico");
  const std::string c = Cached("C") + std::string("tail\0\0", 6);
  Open("; kept\r\n" + a + b + c);
  EXPECT_EQ(ReadData("cat.ini"), "; kept\r\n" + a + c);
  EXPECT_EQ(ItemNames(), (std::vector<GbkText>{"A", "C"}));
  EXPECT_EQ(GetItemTable()[1].cell.top, 72);  // C keeps the cell of the third section
}

TEST_F(ItemStoreTest, MissingIconIsRebuiltWithTheItemsOwnArguments) {
  CacheIconsWhenAdded();
  const std::string app = MakeTarget("app.exe");
  ASSERT_TRUE(file_io::WriteWholeFile(CurrentAppDirs().runDir + "\\tools\\x.exe", "x"));
  const std::string text = Cached("A") +
                           Section("B", app, "", "-n \"a b\"") +             // no "图标hash" line at all
                           Section("D", "##APP##tools\\x.exe", "gone.ico", "null") +
                           "[E]\r\n" + GbkText(store_text::kTargetKey) + "=" + app + "\r\n" + kIconSource +
                           "=##APP##i.dll,3\r\n";
  Open(text);

  ASSERT_EQ(ui_.shortcuts.size(), 3u);
  const GbkText temp = SpecialFolderPath(kTempFolder);
  const ShortcutRequest& b = ui_.shortcuts[0];
  EXPECT_EQ(b.shortcutPath, temp + "B.lnk");
  EXPECT_EQ(b.target, app);
  EXPECT_EQ(b.arguments, "-n \"a b\"");
  EXPECT_EQ(b.iconLocation, "");
  const ShortcutRequest& d = ui_.shortcuts[1];
  EXPECT_EQ(d.target, CurrentAppDirs().runDir + "\\tools\\x.exe");
  EXPECT_EQ(d.arguments, "");
  EXPECT_EQ(ui_.shortcuts[2].iconLocation, CurrentAppDirs().runDir + "\\i.dll,3");
  EXPECT_EQ(ui_.addedPaths, (std::vector<GbkText>{temp + "B.lnk", temp + "D.lnk", temp + "E.lnk"}));
  EXPECT_FALSE(file_io::FileExists(temp + "B.lnk"));  // the temporary shortcut is gone

  // The repeat pass shows the rebuilt items; the user's command line survived the rebuild.
  EXPECT_EQ(ItemNames(), (std::vector<GbkText>{"A", "B", "D", "E"}));
  EXPECT_EQ(ui_.paints, 2);
  EXPECT_EQ(category_file::Read("B", kArgs), "-n \"a b\"");
  EXPECT_EQ(category_file::Read("D", kArgs), "null");
  EXPECT_EQ(ui_.captions.size(), 3u);
}

TEST_F(ItemStoreTest, CaptionShowsTheShareOfSectionsVisited) {
  std::string text;
  for (int i = 1; i <= 10; ++i)
    text += i == 4 ? Section("n4", root_ + "/gone.exe", "") : Cached("n" + std::to_string(i));
  Open(text);
  EXPECT_EQ(ui_.captions, (std::vector<GbkText>{GbkText(store_text::kExtractingCaption) + "40%"}));
  EXPECT_GE(ui_.pumps, 2);  // while extracting, and after the repaint
}

TEST_F(ItemStoreTest, ExtractionThatLeavesNoIconIsNotRepeatedWithinAReload) {
  const std::string app = MakeTarget("app.exe");
  Open(Cached("A") + Section("B", app, ""));
  EXPECT_EQ(ui_.addedPaths.size(), 1u);
  EXPECT_EQ(ui_.paints, 2);  // one repeat pass, in which B is not tried again
  EXPECT_EQ(ItemNames(), (std::vector<GbkText>{"A"}));

  // The next reload tries again, once.
  ReloadItems();
  EXPECT_EQ(ui_.addedPaths.size(), 2u);

  // Without the temporary shortcut the item maker is not run at all.
  ui_.shortcutResult = false;
  ui_.paints = 0;
  ReloadItems();
  EXPECT_EQ(ui_.addedPaths.size(), 2u);
  EXPECT_EQ(ui_.paints, 1);
}

TEST_F(ItemStoreTest, RepeatPassesAreBoundedWhenEveryExtractionMakesNewWork) {
  const std::string app = MakeTarget("app.exe");
  // An item maker gone wrong: every call adds another section whose icon is missing.
  int added = 0;
  ui_.onAddItem = [&](const GbkText&) {
    category_file::Write("more" + std::to_string(++added), store_text::kTargetKey, app);
  };
  Open(Section("B", app, ""));
  EXPECT_EQ(ui_.paints, 1 + kMaxReloadRepeats);
  EXPECT_EQ(added, 1 + kMaxReloadRepeats);
}

TEST_F(ItemStoreTest, LoadSoundFollowsTheSoundSwitchAndFocusAlwaysReturns) {
  ui_.soundsOff = true;
  Open(Cached("A"));
  EXPECT_EQ(ui_.sounds, 0);
  EXPECT_EQ(ui_.focuses, 1);
  ui_.soundsOff = false;
  ReloadItems();
  EXPECT_EQ(ui_.sounds, 1);
}

TEST_F(ItemStoreTest, EmptyAndDoubledSectionNamesKeepTheirCells) {
  ui_.grid.columns = 4;
  WriteData("second.ico", "icon");
  Open("[]\r\n" + kIconHash + "A.ico\r\n" + Cached("A") + Section("A", "C:\\x", "second.ico") + Cached("B"));
  EXPECT_EQ(ItemNames(), (std::vector<GbkText>{"A", "A", "B"}));
  ASSERT_EQ(Cells().size(), 3u);
  EXPECT_EQ(Cells()[0].left, 182);
  EXPECT_EQ(Cells()[2].left, 3 * 182);
  // A doubled name reads the keys of its first section.
  EXPECT_EQ(ui_.pictureLoads[1].first, DataPath("A.ico"));
  EXPECT_TRUE(ui_.questions.empty());
}

TEST_F(ItemStoreTest, GarbageCategoryFilesLoadWithoutHarm) {
  std::mt19937 random(7);
  std::vector<std::string> files = {std::string("\0\0\0[a]\0\r\n", 10), "[[[]]]\r\n]\r\n[", "[a",
                                    "=\r\n=\r\n[x]=[y]\r\n" + kIconHash + "=\r\n", std::string(5000, '[')};
  const std::string alphabet = std::string("[]\r\n=ab\xB0\0", 9) + kIconHash;
  for (int n = 0; n < 20; ++n) {
    std::string bytes;
    for (int i = 0; i < 3000; ++i) bytes += alphabet[random() % alphabet.size()];
    files.push_back(bytes);
  }
  for (const std::string& bytes : files) {
    ui_.questions.clear();
    Open(bytes);
    EXPECT_LE(GetItemTable().size(), category_file::SectionNames().size());
    // Each nameless-icon item is asked about once per reload at most.
    std::set<GbkText> asked;
    for (const auto& q : ui_.questions) EXPECT_TRUE(asked.insert(gbk::AsciiLower(q.first)).second);
  }
  EXPECT_EQ(ReadData("cat.ini"), files.back());  // answered No: nothing was removed
}

TEST_F(ItemStoreTest, AReloadStartedWhileMessagesRunReplacesTheOlderOne) {
  const std::string app = MakeTarget("app.exe");
  WriteData("two.ini", Cached("T1") + Cached("T2"));
  bool switched = false;
  ui_.onPump = [&] {
    if (switched) return;
    switched = true;
    SelectCategoryLabel(0);
    OpenCategoryFile("two");  // a click on another category while an icon is extracted
  };
  Open(Cached("A") + Section("B", app, "") + Cached("C"));
  EXPECT_EQ(GetCurrentCategory().name, "two");
  EXPECT_EQ(ItemNames(), (std::vector<GbkText>{"T1", "T2"}));
  EXPECT_TRUE(ui_.shortcuts.empty());  // the older reload stopped before extracting
  EXPECT_EQ(ui_.livePictures.size(), 2u);
}

TEST_F(ItemStoreTest, NoOpenCategoryGivesAnEmptyGrid) {
  Open(Cached("A"));
  CloseCurrentCategory();
  ReloadItems();
  EXPECT_TRUE(GetItemTable().empty());
  EXPECT_TRUE(ui_.livePictures.empty());
}

TEST_F(ItemStoreTest, RemoveItemDeletesItsIconAndOnlyItsBlock) {
  EXPECT_FALSE(RemoveItem("A"));  // no category open
  const std::string b = "[B]\r\n" + GbkText(store_text::kTargetKey) + std::string("=x\0y", 4) + "\r\n" + kIconHash +
                        "=B.ico\r\n";
  const std::string text = Cached("A") + b + Cached("C") + std::string("\0end\r\n", 6);
  WriteData("B.ico", "icon");
  Open(text);
  EXPECT_TRUE(RemoveItem("B"));
  EXPECT_EQ(ReadData("cat.ini"), Cached("A") + Cached("C") + std::string("\0end\r\n", 6));
  EXPECT_FALSE(file_io::FileExists(DataPath("B.ico")));
  EXPECT_TRUE(file_io::FileExists(DataPath("A.ico")));

  // A section without its "图标hash" line cannot be delimited: only its icon could go.
  Open("[N]\r\n" + GbkText(store_text::kTargetKey) + "=x\r\n" + Cached("C"));
  EXPECT_TRUE(RemoveItem("N"));
  EXPECT_EQ(ReadData("cat.ini"), "[N]\r\n" + GbkText(store_text::kTargetKey) + "=x\r\n" + Cached("C"));
}

}  // namespace
