// tests/wine/store_catalogue_test.cpp
// The category catalogue and the item store on a real Windows file system: find-first/find-next
// over the data folder, case-insensitive file names, Chinese names in code page 936, the special
// folders, and an item removal through the Windows file layer.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "platform/message_box.h"
#include "store/app_dirs.h"
#include "store/folder_listing.h"
#include "store/item_store.h"
#include "store/settings_file.h"
#include "store/store_texts.h"

namespace {

const std::string kGongJu = "\xB9\xA4\xBE\xDF";  // 工具

class StoreOnWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    runDir_ = std::string(temp) + "tvk-store-" + std::to_string(GetCurrentProcessId()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_TRUE(file_io::MakeDirectory(runDir_));
    SetCurrentAppDirs(MakeAppDirs(runDir_, "Tovenk.exe"));
    ASSERT_TRUE(file_io::MakeDirectory(runDir_ + "\\data"));
    ResetCategoryCatalogue();
    StoreSeams seams;
    seams.gridValues = [] { return GridValues{48, 10, 3}; };
    seams.loadItemPicture = [this](const std::string& file, int32_t) {
      pictures_.push_back(file);
      return ItemPictureHandle{1};
    };
    SetStoreSeams(seams);
    SetMessageBoxHandler([this](std::string_view text, BoxButtons) {
      messages_.emplace_back(text);
      return BoxAnswer::kOk;
    });
  }
  void TearDown() override {
    CloseCurrentCategory();
    ReloadItems();
    SetStoreSeams({});
    SetMessageBoxHandler(nullptr);
    RemoveTree(runDir_);
  }
  static void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(folder + "\\" + name);
        else DeleteFileA((folder + "\\" + name).c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
  }
  void WriteData(const std::string& name, std::string_view bytes) {
    ASSERT_TRUE(file_io::WriteWholeFile(CurrentAppDirs().dataDir + name, bytes)) << name;
  }

  std::string runDir_;
  std::vector<std::string> pictures_;
  std::vector<std::string> messages_;
};

TEST_F(StoreOnWindowsTest, ListingFindsCategoryFilesOnlyWhateverTheirCase) {
  WriteData(kGongJu + ".ini", "");
  WriteData("Notes.INI", "");
  WriteData("readme.txt", "");
  ASSERT_TRUE(file_io::MakeDirectory(CurrentAppDirs().dataDir + "folder.ini"));
  std::vector<std::string> names = folder_listing::FilesMatching(CurrentAppDirs().dataDir + "*.ini");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Notes.INI", kGongJu + ".ini"}));
  EXPECT_TRUE(folder_listing::FilesMatching(runDir_ + "\\missing\\*.ini").empty());
}

TEST_F(StoreOnWindowsTest, CategoryOpensAndItsItemsLoadFromWindowsPaths) {
  const std::string target = std::string(store_text::kTargetKey) + "=";
  const std::string hash = std::string(store_text::kIconHashKey) + "=";
  WriteData("a.ico", "icon");
  WriteData("b.ico", "icon");
  WriteData("Notes.INI", "[a]\r\n" + target + "##APP##a.exe\r\n" + hash + "a.ico\r\n" +
                             "[" + kGongJu + "]\r\n" + target + "C:\\b.exe\r\n" + hash + "b.ico\r\n");
  settings::Write(settings::kCategorySection, settings::kLastOpened, "Notes");
  ReopenLastCategory();

  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(SelectedCategoryName(), "Notes");
  EXPECT_EQ(GetCurrentCategory().path, CurrentAppDirs().dataDir + "Notes.ini");  // the file system ignores case
  ASSERT_EQ(GetItemTable().size(), 2u);
  EXPECT_EQ(GetItemTable()[1].name, kGongJu);
  EXPECT_EQ(GetItemTable()[1].cell, (ItemCell{48 + 70 + 6, 0, 48 + 70 + 6, 56}));
  EXPECT_EQ(pictures_, (std::vector<std::string>{CurrentAppDirs().dataDir + "a.ico", CurrentAppDirs().dataDir + "b.ico"}));

  std::string before = file_io::ReadWholeFile(GetCurrentCategory().path).value_or("");
  ASSERT_TRUE(RemoveItem("a"));
  EXPECT_FALSE(file_io::FileExists(CurrentAppDirs().dataDir + "a.ico"));
  EXPECT_EQ(file_io::ReadWholeFile(GetCurrentCategory().path).value_or(""), before.substr(before.find("[" + kGongJu)));
}

TEST_F(StoreOnWindowsTest, SpecialFoldersEndInABackslash) {
  const GbkText temp = SpecialFolderPath(kTempFolder);
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), '\\');
  EXPECT_TRUE(file_io::DirectoryExists(temp));
  const GbkText appData = SpecialFolderPath(CSIDL_APPDATA);
  ASSERT_FALSE(appData.empty());
  EXPECT_EQ(appData.back(), '\\');
  EXPECT_EQ(SpecialFolderPath(0x7F7F), "");
}

}  // namespace
