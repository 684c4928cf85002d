// tests/unit/item_pictures_test.cpp
// The item loader keeps the pictures of unchanged cached icons from one reload of a category to
// the next, and makes new ones for everything else; every picture is released exactly once.
#include <gtest/gtest.h>

#include "store/item_store.h"
#include "store_test_support.h"

namespace {

using store_test::Section;

class ItemPicturesTest : public store_test::StoreTest {
 protected:
  GbkText Cached(const GbkText& name, const std::string& bytes = "icon") {
    WriteData(name + ".ico", bytes);
    return Section(name, "C:\\" + name + ".exe", name + ".ico");
  }
  std::vector<ItemPictureHandle> Pictures() const {
    std::vector<ItemPictureHandle> pictures;
    for (const ItemRecord& item : GetItemTable()) pictures.push_back(item.picture);
    return pictures;
  }
  // Every picture of the table is alive, and no other.
  void ExpectOnlyTablePicturesAlive() const {
    std::set<ItemPictureHandle> inTable;
    for (ItemPictureHandle picture : Pictures()) inTable.insert(picture);
    EXPECT_EQ(inTable.size(), GetItemTable().size()) << "one picture for every item";
    EXPECT_EQ(ui_.livePictures, inTable);
  }
};

TEST_F(ItemPicturesTest, AReloadKeepsThePicturesOfUnchangedCacheFilesOnly) {
  WriteData("cat.ini", Cached("A") + Cached("B") + Cached("C"));
  ASSERT_TRUE(OpenCategoryFile("cat"));
  const std::vector<ItemPictureHandle> first = Pictures();
  ASSERT_EQ(ui_.pictureLoads.size(), 3u);

  ReloadItems();
  EXPECT_EQ(Pictures(), first);
  EXPECT_EQ(ui_.pictureLoads.size(), 3u);
  ExpectOnlyTablePicturesAlive();

  // A cache file that changed is read again.
  WriteData("B.ico", "another icon");
  ReloadItems();
  ASSERT_EQ(ui_.pictureLoads.size(), 4u);
  EXPECT_EQ(ui_.pictureLoads.back(), std::make_pair(DataPath("B.ico"), 64));
  EXPECT_EQ(Pictures()[0], first[0]);
  EXPECT_NE(Pictures()[1], first[1]);
  ExpectOnlyTablePicturesAlive();

  // An item that left the file takes its picture with it.
  WriteData("cat.ini", Section("C", "C:\\C.exe", "C.ico") + Section("A", "C:\\A.exe", "A.ico"));
  ReloadItems();
  EXPECT_EQ(Pictures(), (std::vector<ItemPictureHandle>{first[2], first[0]}));
  EXPECT_EQ(ui_.pictureLoads.size(), 4u);
  ExpectOnlyTablePicturesAlive();

  // Another icon size makes every picture anew.
  ui_.grid.iconSize = 48;
  ReloadItems();
  EXPECT_EQ(ui_.pictureLoads.size(), 6u);
  EXPECT_EQ(ui_.pictureLoads.back().second, 48);
  ExpectOnlyTablePicturesAlive();
}

TEST_F(ItemPicturesTest, AnotherCategoryOrAMissingFileGetsNothingOfTheOldTable) {
  WriteData("two.ini", Cached("T"));
  WriteData("cat.ini", Cached("A") + Cached("B"));
  ASSERT_TRUE(OpenCategoryFile("cat"));
  ASSERT_TRUE(OpenCategoryFile("two"));
  EXPECT_EQ(ui_.pictureLoads.size(), 3u);
  ExpectOnlyTablePicturesAlive();
  ASSERT_TRUE(OpenCategoryFile("cat"));  // the same files as before, but after another category
  EXPECT_EQ(ui_.pictureLoads.size(), 5u);
  ExpectOnlyTablePicturesAlive();

  // A deleted cache file is not shown from memory: the item's icon is rebuilt instead.
  ASSERT_TRUE(file_io::RemoveFile(DataPath("A.ico")));
  ReloadItems();
  EXPECT_EQ(ItemNames(), (std::vector<GbkText>{"B"}));
  ExpectOnlyTablePicturesAlive();
}

TEST_F(ItemPicturesTest, ItemsSharingACacheFileEachKeepTheirOwnPicture) {
  WriteData("shared.ico", "icon");
  WriteData("cat.ini", Section("A", "C:\\a.exe", "shared.ico") + Section("B", "C:\\b.exe", "shared.ico"));
  ASSERT_TRUE(OpenCategoryFile("cat"));
  const std::vector<ItemPictureHandle> first = Pictures();
  ReloadItems();
  EXPECT_EQ(Pictures(), first);
  EXPECT_EQ(ui_.pictureLoads.size(), 2u);
  ExpectOnlyTablePicturesAlive();
}

TEST_F(ItemPicturesTest, AReloadStartedInsideAnotherOfTheSameCategoryLeavesNoPictureBehind) {
  const std::string text = Cached("A") + Section("B", root_ + "/gone.exe", "") + Cached("C");
  WriteData("cat.ini", text);
  ASSERT_TRUE(OpenCategoryFile("cat"));
  ASSERT_EQ(ui_.pictureLoads.size(), 2u);
  bool nested = false;
  ui_.onPump = [&] {
    if (nested) return;
    nested = true;
    ReloadItems();  // e.g. "刷新项目" while the older reload asks about B
  };
  ReloadItems();
  EXPECT_TRUE(nested);
  EXPECT_EQ(ItemNames(), (std::vector<GbkText>{"A", "C"}));
  ExpectOnlyTablePicturesAlive();
}

}  // namespace
