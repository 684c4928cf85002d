// tests/wine/drop_launcher_test.cpp
// The launcher's callback behind a real drop: files, folders and a name conflict dropped on a
// hooked window become items of the open category through the real item intake, with one
// reload per drop.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/creation_sequence_win.h"
#include "commands/drop_intake.h"
#include "commands/drop_target_win.h"
#include "icons/item_intake.h"
#include "item_commands_wine_support.h"
#include "store/category_file.h"
#include "store/profile_file.h"
#include "store/store_texts.h"

namespace {

const std::string kGongJu = "\xB9\xA4\xBE\xDF";  // 工具

HGLOBAL MakeDrop(const std::vector<std::string>& paths) {
  size_t bytes = sizeof(DROPFILES) + 1;
  for (const std::string& p : paths) bytes += p.size() + 1;
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  char* out = reinterpret_cast<char*>(header + 1);
  for (const std::string& p : paths) {
    memcpy(out, p.c_str(), p.size() + 1);
    out += p.size() + 1;
  }
  GlobalUnlock(memory);
  return memory;
}

class DropLauncherTest : public items_test::RunFolderTest {
 protected:
  void SetUp() override {
    RunFolderTest::SetUp();
    window_ = CreateWindowExA(0, "STATIC", "canvas", WS_POPUP, 0, 0, 60, 60, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(window_);
    DropTarget().installDropHook(window_, LauncherDropCallback);
  }
  void TearDown() override {
    DropTarget().removeDropHook(window_);
    DestroyWindow(window_);
    RunFolderTest::TearDown();
  }
  void Drop(const std::vector<std::string>& paths) {
    ASSERT_TRUE(PostMessageA(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0));
    items_test::RunPendingMessages();
  }
  std::string Folder(const std::string& relative) {
    const std::string path = runDir_ + "\\" + relative;
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
  }
  HWND window_ = nullptr;
};

TEST_F(DropLauncherTest, ThreeDroppedPathsBecomeThreeItemsAfterOneReload) {
  const std::string work = Folder("Work.2024");
  const std::string tools = Folder(kGongJu);
  const std::string report = MakeFile("docs\\report.txt", "text");
  Drop({work, tools, report});
  EXPECT_EQ(reloads_, 1);
  EXPECT_EQ(ItemNames(), (std::vector<GbkText>{"Work.2024", kGongJu, "report"}));
  EXPECT_EQ(category_file::Read("Work.2024", store_text::kTargetKey), "##APP##Work.2024");
  EXPECT_EQ(category_file::Read("report", store_text::kTargetKey), "##APP##docs\\report.txt");
  for (const GbkText& name : ItemNames()) {
    const GbkText hash = category_file::Read(name, store_text::kIconHashKey);
    EXPECT_TRUE(file_io::FileExists(CurrentAppDirs().dataDir + hash)) << name << " has its icon cached";
  }
  EXPECT_EQ(DialogOpenFlag(), 0);
}

TEST_F(DropLauncherTest, ANameConflictIsReportedAndOnlyThatFileIsSkipped) {
  Drop({Folder("report")});
  ASSERT_EQ(ItemNames(), (std::vector<GbkText>{"report"}));
  messages_.clear();
  reloads_ = 0;
  const std::string before = file_io::ReadWholeFile(CategoryFile()).value_or("");

  Drop({MakeFile("other\\report.txt"), Folder("second")});
  EXPECT_EQ(messages_, (std::vector<std::string>{"report.txt" + std::string(drop_text::kNameConflict)}));
  EXPECT_EQ(ItemNames(), (std::vector<GbkText>{"report", "second"}));
  EXPECT_EQ(category_file::Read("report", store_text::kTargetKey), "##APP##report") << "the first item keeps its keys";
  EXPECT_EQ(reloads_, 1);
}

TEST_F(DropLauncherTest, AVanishedFileDoesNotStopTheRestOfTheDrop) {
  const std::string gone = MakeFile("gone.txt");
  DeleteFileA(gone.c_str());
  Drop({Folder("a"), gone, Folder("b")});
  const std::vector<GbkText> names = ItemNames();
  EXPECT_NE(std::find(names.begin(), names.end(), "a"), names.end());
  EXPECT_NE(std::find(names.begin(), names.end(), "b"), names.end());
  EXPECT_EQ(reloads_, 1);
}

}  // namespace
