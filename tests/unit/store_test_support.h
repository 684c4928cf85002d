// tests/unit/store_test_support.h
// A data folder of its own for every test, and a launcher stand-in that records what the
// category catalogue and the item store ask of it.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_io.h"
#include "platform/message_box.h"
#include "store/app_dirs.h"
#include "store/category_catalogue.h"
#include "store/item_store.h"
#include "store/store_texts.h"

namespace store_test {

// Code page 936 texts used by the tests.
inline const std::string kGongJu = "\xB9\xA4\xBE\xDF";  // 工具
inline const std::string kTuPian = "\xCD\xBC\xC6\xAC";  // 图片

// Records every call of the store's seams and answers as the test says.
struct FakeLauncher {
  GridValues grid;
  bool soundsOff = false;
  std::deque<bool> answers;  // Yes/No answers in order; No when used up
  std::vector<std::pair<GbkText, GbkText>> questions;
  std::vector<GbkText> captions;
  int pumps = 0, backBufferCopies = 0, paints = 0, sounds = 0, focuses = 0;
  std::vector<std::pair<std::string, int32_t>> pictureLoads;
  std::set<ItemPictureHandle> livePictures;
  ItemPictureHandle nextPicture = 100;
  bool shortcutResult = true;
  std::vector<ShortcutRequest> shortcuts;
  std::vector<GbkText> addedPaths;
  std::function<void(const GbkText& path)> onAddItem;
  std::function<void()> onPump;

  StoreSeams Seams() {
    StoreSeams s;
    s.gridValues = [this] { return grid; };
    s.setColumnCount = [this](int32_t c) { grid.columns = c; };
    s.askYesNo = [this](const GbkText& text, const GbkText& title) {
      questions.emplace_back(text, title);
      bool yes = !answers.empty() && answers.front();
      if (!answers.empty()) answers.pop_front();
      return yes;
    };
    s.setCaption = [this](const GbkText& caption) { captions.push_back(caption); };
    s.letMessagesRun = [this] {
      ++pumps;
      if (onPump) onPump();
    };
    s.showBackBuffer = [this] { ++backBufferCopies; };
    s.paintLauncher = [this] { ++paints; };
    s.soundsOff = [this] { return soundsOff; };
    s.playLoadSound = [this] { ++sounds; };
    s.focusCanvas = [this] { ++focuses; };
    s.loadItemPicture = [this](const std::string& file, int32_t size) {
      pictureLoads.emplace_back(file, size);
      livePictures.insert(nextPicture);
      return nextPicture++;
    };
    s.releaseItemPicture = [this](ItemPictureHandle p) { EXPECT_EQ(livePictures.erase(p), 1u) << "released twice"; };
    s.writeShortcut = [this](const ShortcutRequest& request) {
      shortcuts.push_back(request);
      if (shortcutResult) file_io::WriteWholeFile(request.shortcutPath, "lnk");
      return shortcutResult;
    };
    s.addItemFromPath = [this](const GbkText& path) {
      addedPaths.push_back(path);
      if (onAddItem) onAddItem(path);
    };
    return s;
  }
};

// One item's section as the program writes it; an empty hash writes no "图标hash" line.
inline GbkText Section(const GbkText& name, const GbkText& target, const GbkText& hash,
                       const GbkText& arguments = "") {
  GbkText text = "[" + name + "]\r\n";
  text += GbkText(store_text::kTargetKey) + "=" + target + "\r\n";
  if (!arguments.empty()) text += GbkText(store_text::kArgumentsKey) + "=" + arguments + "\r\n";
  if (!hash.empty()) text += GbkText(store_text::kIconHashKey) + "=" + hash + "\r\n";
  return text;
}

class StoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "tvk-store-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    // Paths are Windows-style below the run folder; the native file layer takes "\" as a
    // plain byte, so every data file is a file of root_ named "run\data\<name>".
    SetCurrentAppDirs(MakeAppDirs(root_ + "/run", "Tovenk.exe"));
    ResetCategoryCatalogue();
    SetStoreSeams(StoreSeams{});
    ReloadItems();  // empties the item table left by an earlier test
    SetStoreSeams(ui_.Seams());
    SetMessageBoxHandler([this](std::string_view text, BoxButtons) {
      messages_.emplace_back(text);
      return BoxAnswer::kOk;
    });
  }
  void TearDown() override {
    SetMessageBoxHandler(nullptr);
    SetStoreSeams(StoreSeams{});
    std::filesystem::remove_all(root_);
  }

  static std::string DataPath(const std::string& name) { return CurrentAppDirs().dataDir + name; }
  static void WriteData(const std::string& name, std::string_view bytes) {
    ASSERT_TRUE(file_io::WriteWholeFile(DataPath(name), bytes)) << name;
  }
  static std::string ReadData(const std::string& name) { return file_io::ReadWholeFile(DataPath(name)).value_or("<missing>"); }
  // A real file outside the data folder, for item targets.
  std::string MakeTarget(const std::string& name) {
    std::string path = root_ + "/" + name;
    EXPECT_TRUE(file_io::WriteWholeFile(path, "target"));
    return path;
  }
  std::vector<GbkText> ItemNames() const {
    std::vector<GbkText> names;
    for (const ItemRecord& item : GetItemTable()) names.push_back(item.name);
    return names;
  }

  std::string root_;
  FakeLauncher ui_;
  std::vector<std::string> messages_;
};

}  // namespace store_test
