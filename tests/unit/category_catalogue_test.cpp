// tests/unit/category_catalogue_test.cpp
#include "store/category_catalogue.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "store/category_order.h"
#include "store/settings_file.h"
#include "store_test_support.h"

namespace {

using store_test::kGongJu;
using store_test::kTuPian;
using store_test::Section;

GbkText StoredOrder() { return settings::Read(settings::kCategorySection, settings::kCategories); }
void StoreOrder(const GbkText& order) { settings::Write(settings::kCategorySection, settings::kCategories, order); }

std::vector<GbkText> ListedNames() {
  std::vector<GbkText> names;
  for (const CategoryEntry& entry : GetCategoryList()) names.push_back(entry.name);
  return names;
}

class CategoryCatalogueTest : public store_test::StoreTest {};

TEST(CategoryOrder, SplitsAtSeparatorsAndDropsOnlyTheTrailingPiece) {
  struct Case { std::string stored; std::vector<GbkText> names; };
  const Case cases[] = {
      {"", {}},
      {"a#@#@#b#@#@#", {"a", "b"}},
      {"a#@#@#b", {"a", "b"}},
      {"#@#@#a#@#@#", {"", "a"}},          // an empty name between separators stays
      {"a#@#@##@#@#", {"a", ""}},
      {kGongJu + "#@#@#" + kTuPian + "#@#@#", {kGongJu, kTuPian}},
      {"\xB0#@#@#x", {"\xB0#@#@#x"}},       // "#" is swallowed by the lead byte: no separator there
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCategoryOrder(c.stored), c.names) << c.stored;
  EXPECT_EQ(JoinCategoryOrder({"a", "", kGongJu}), "a#@#@##@#@#" + kGongJu + "#@#@#");
  EXPECT_EQ(JoinCategoryOrder({}), "");
}

TEST(CategoryOrder, EveryIniIsRemovedWhateverItsCase) {
  struct Case { std::string fileName, name; };
  const Case cases[] = {
      {"Notes.INI", "Notes"}, {"a.ini.ini", "a"}, {"x.Ini.y", "x.y"}, {kGongJu + ".ini", kGongJu},
      {".ini", ""}, {"a.in", "a.in"}, {"a.inia.ini", "aa"},
  };
  for (const Case& c : cases) EXPECT_EQ(RemoveIniExtensions(c.fileName), c.name) << c.fileName;
}

TEST_F(CategoryCatalogueTest, EmptyDataFolderGivesAnEmptyPanelAndOpensNothing) {
  OpenCategory("");
  EXPECT_TRUE(GetCategoryList().empty());
  EXPECT_EQ(CategoryPanelWidth(), 8);
  EXPECT_EQ(SelectedCategoryName(), "");
  EXPECT_TRUE(GetCurrentCategory().path.empty());
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(ui_.paints, 0);
  // The reconciled order is stored even when it is empty.
  const std::string settingsFile = file_io::ReadWholeFile(CurrentAppDirs().settingsFile).value_or("");
  EXPECT_NE(settingsFile.find(GbkText(settings::kCategories) + "=\r\n"), std::string::npos) << settingsFile;
}

TEST_F(CategoryCatalogueTest, StoredOrderIsReconciledWithTheFilesPresent) {
  StoreOrder("a#@#@#b#@#@#");
  WriteData("b.ini", "");
  WriteData("c.ini", Section("x", "C:\\x.exe", "h.ico"));
  OpenCategory("c");

  EXPECT_EQ(ListedNames(), (std::vector<GbkText>{"b", "c"}));
  EXPECT_EQ(StoredOrder(), "b#@#@#c#@#@#");
  EXPECT_EQ(CategoryPanelWidth(), 14);
  const CategoryList& list = GetCategoryList();
  EXPECT_EQ(list[0].label, (LabelRect{2, 0, 14, 20}));
  EXPECT_EQ(list[1].label, (LabelRect{2, 20, 14, 20}));
  EXPECT_FALSE(list[0].selected);
  EXPECT_EQ(list[0].textColour, kLabelText);
  EXPECT_EQ(list[0].backColour, kInitialLabelBackground);
  EXPECT_TRUE(list[1].selected);
  EXPECT_EQ(list[1].textColour, kSelectedLabelText);
  EXPECT_EQ(list[1].backColour, kSelectedLabelBack);

  EXPECT_EQ(GetCurrentCategory().name, "c");
  EXPECT_EQ(GetCurrentCategory().fileName, "c.ini");
  EXPECT_EQ(GetCurrentCategory().path, DataPath("c.ini"));
  EXPECT_EQ(settings::Read(settings::kCategorySection, settings::kLastOpened), "c");
  EXPECT_EQ(ui_.paints, 1);  // its items were loaded
}

TEST_F(CategoryCatalogueTest, FilesFoundJoinByTheirNamesWithoutIni) {
  struct Case {
    std::string stored;
    std::vector<std::string> files;
    std::vector<GbkText> names;
    std::string newOrder;
  };
  const Case cases[] = {
      {"", {"Notes.INI", "readme.txt"}, {"Notes"}, "Notes#@#@#"},
      {"#@#@#a#@#@#", {"a.ini"}, {"a"}, "a#@#@#"},                      // the empty name has no file
      {"a#@#@#a#@#@#", {"a.ini"}, {"a", "a"}, "a#@#@#a#@#@#"},          // a doubled name stays doubled
      {kGongJu + "#@#@#", {kTuPian + "[1].ini", kGongJu + ".ini"}, {kGongJu, kTuPian + "[1]"},
       kGongJu + "#@#@#" + kTuPian + "[1]#@#@#"},
      {"z]#@#@#", {"z].ini", "[y.ini"}, {"z]", "[y"}, "z]#@#@#[y#@#@#"},
      {"no separator", {"no separator.ini"}, {"no separator"}, "no separator#@#@#"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(root_);
    std::filesystem::create_directory(root_);
    StoreOrder(c.stored);
    for (const std::string& file : c.files) WriteData(file, "");
    OpenCategory("");
    EXPECT_EQ(ListedNames(), c.names) << c.stored;
    EXPECT_EQ(StoredOrder(), c.newOrder) << c.stored;
  }
}

TEST_F(CategoryCatalogueTest, PanelWidthCountsTheLongestNameInBytes) {
  WriteData(kGongJu + kTuPian + ".ini", "");  // 8 bytes
  WriteData("abc.ini", "");
  OpenCategory("");
  EXPECT_EQ(CategoryPanelWidth(), 8 + 6 * 8);
  for (const CategoryEntry& entry : GetCategoryList()) EXPECT_EQ(entry.label.width, 8 + 6 * 8);
}

TEST_F(CategoryCatalogueTest, FoldersNamedLikeCategoryFilesAreNotCategories) {
  ASSERT_EQ(mkdir(DataPath("folder.ini").c_str(), 0755), 0);
  WriteData("real.ini", "");
  OpenCategory("");
  EXPECT_EQ(ListedNames(), (std::vector<GbkText>{"real"}));
}

TEST_F(CategoryCatalogueTest, LastOpenedCategoryPresentOnlyAsAFileIsAppendedSelectedAndOpened) {
  StoreOrder("a#@#@#");
  settings::Write(settings::kCategorySection, settings::kLastOpened, "new");
  WriteData("a.ini", "");
  WriteData("new.ini", Section("x", "C:\\x.exe", ""));
  ReopenLastCategory();
  EXPECT_EQ(ListedNames(), (std::vector<GbkText>{"a", "new"}));
  EXPECT_EQ(SelectedCategoryName(), "new");
  EXPECT_EQ(GetCurrentCategory().name, "new");
  EXPECT_EQ(StoredOrder(), "a#@#@#new#@#@#");
}

TEST_F(CategoryCatalogueTest, UnknownRequestedNameLeavesTheOpenCategoryAsItWas) {
  WriteData("a.ini", "");
  OpenCategory("a");
  ASSERT_EQ(GetCurrentCategory().name, "a");
  const int paints = ui_.paints;
  OpenCategory("gone");
  EXPECT_EQ(GetCurrentCategory().name, "a");
  EXPECT_EQ(SelectedCategoryName(), "");
  EXPECT_EQ(ui_.paints, paints);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(CategoryCatalogueTest, LabelColoursFollowTheSelectionAndTheBackground) {
  WriteData("a.ini", "");
  WriteData("b.ini", "");
  OpenCategory("a");
  SetLabelBackground(0xFFFFFF);  // white labels on white: only the mark tells them apart
  SelectCategoryLabel(1);
  const CategoryList& list = GetCategoryList();
  EXPECT_FALSE(list[0].selected);
  EXPECT_EQ(list[0].backColour, 0xFFFFFFu);
  EXPECT_EQ(list[0].textColour, kLabelText);
  EXPECT_TRUE(list[1].selected);
  EXPECT_EQ(list[1].textColour, kSelectedLabelText);
  EXPECT_EQ(SelectedCategoryName(), "b");
  OpenSelectedCategory();
  EXPECT_EQ(GetCurrentCategory().name, "b");

  SetLabelBackground(0x123456);
  EXPECT_EQ(list[0].backColour, 0x123456u);
  EXPECT_EQ(list[1].backColour, kSelectedLabelBack);
  OpenCategory("a");  // a rebuild keeps the running colour
  EXPECT_EQ(GetCategoryList()[1].backColour, 0x123456u);

  SelectCategoryLabel(7);  // past the list: nothing changes
  EXPECT_EQ(SelectedCategoryName(), "a");
}

TEST_F(CategoryCatalogueTest, VanishedFileShowsTheMessageAndChangesNothing) {
  WriteData("a.ini", "");
  WriteData("b.ini", "");
  OpenCategory("a");
  SelectCategoryLabel(1);
  ASSERT_TRUE(file_io::RemoveFile(DataPath("b.ini")));

  OpenSelectedCategory();
  EXPECT_FALSE(OpenCategoryFile("b"));  // as a click on the label does it
  const std::string before = store_text::kLoadFailedBefore, after = store_text::kLoadFailedAfter;
  EXPECT_EQ(messages_, (std::vector<std::string>{before + "b.ini" + after, before + "b" + after}));
  EXPECT_EQ(GetCurrentCategory().name, "a");
  EXPECT_EQ(settings::Read(settings::kCategorySection, settings::kLastOpened), "a");
}

TEST_F(CategoryCatalogueTest, CategoryFileHelpersDoNothingWithoutAnOpenCategory) {
  EXPECT_EQ(category_file::Read("a", "k"), "");
  EXPECT_FALSE(category_file::Write("a", "k", "v"));
  EXPECT_TRUE(category_file::SectionNames().empty());
  EXPECT_FALSE(file_io::FileExists(DataPath(".ini")));

  WriteData("a.ini", "");
  ASSERT_TRUE(OpenCategoryFile("a"));
  EXPECT_TRUE(category_file::Write("x", "k", "v"));
  EXPECT_EQ(category_file::Read("X", "K"), "v");
  EXPECT_EQ(category_file::SectionNames(), (std::vector<GbkText>{"x"}));
  CloseCurrentCategory();
  EXPECT_EQ(category_file::Read("x", "k"), "");
}

}  // namespace
