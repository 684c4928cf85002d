// tests/wine/item_commands_wine_support.h
// Shared pieces of the drop and item command tests under Wine: a run folder of its own with a
// category "cat" open, the store's seams counting reloads, the program's message box answered,
// GDI+ for the item intake, and the recording test program as an item target.
#pragma once
#include <windows.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_io.h"
#include "platform/message_box.h"
#include "store/app_dirs.h"
#include "store/category_catalogue.h"
#include "store/item_store.h"

namespace items_test {

inline void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(folder + "\\" + name);
      else DeleteFileA((folder + "\\" + name).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

inline std::string FolderOfThisProgram() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string full = path;
  return full.substr(0, full.find_last_of('\\'));
}

inline void RunPendingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Waits up to `ms` for `done`, letting this thread's windows work meanwhile.
template <typename Predicate>
bool WaitFor(Predicate done, DWORD ms = 10000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > ms) return false;
    RunPendingMessages();
    Sleep(20);
  }
  return true;
}

class RunFolderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Gdiplus::GdiplusStartupInput input{};
    Gdiplus::GdiplusStartup(&gdiplus_, &input, nullptr);
  }
  static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(gdiplus_); }

  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    runDir_ = std::string(temp) + "tvk-items-" + std::to_string(GetCurrentProcessId()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    RemoveTree(runDir_);
    ASSERT_TRUE(file_io::MakeDirectory(runDir_));
    ASSERT_TRUE(file_io::MakeDirectory(runDir_ + "\\data"));
    SetCurrentAppDirs(MakeAppDirs(runDir_, "Tovenk.exe"));
    ResetCategoryCatalogue();
    StoreSeams seams;
    seams.showBackBuffer = [this] { ++reloads_; };
    SetStoreSeams(seams);
    SetMessageBoxHandler([this](std::string_view text, BoxButtons) {
      messages_.emplace_back(text);
      return BoxAnswer::kOk;
    });
    Open("");
  }
  void TearDown() override {
    CloseCurrentCategory();
    ReloadItems();
    SetStoreSeams({});
    SetMessageBoxHandler(nullptr);
    RemoveTree(runDir_);
  }

  // Writes the category file "cat" and opens it (which loads its items).
  void Open(std::string_view text) {
    ASSERT_TRUE(file_io::WriteWholeFile(CategoryFile(), text));
    ASSERT_TRUE(OpenCategoryFile("cat"));
    reloads_ = 0;
  }
  std::vector<GbkText> ItemNames() const {
    std::vector<GbkText> names;
    for (const ItemRecord& item : GetItemTable()) names.push_back(item.name);
    return names;
  }
  std::string CategoryFile() const { return runDir_ + "\\data\\cat.ini"; }
  // A file of the given content below the run folder; the folders on its way are made.
  std::string MakeFile(const std::string& relative, std::string_view bytes = "x") {
    const std::string path = runDir_ + "\\" + relative;
    for (size_t at = path.find('\\', runDir_.size() + 1); at != std::string::npos; at = path.find('\\', at + 1))
      CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    EXPECT_TRUE(file_io::WriteWholeFile(path, bytes)) << path;
    return path;
  }
  // A copy of the recording program below the run folder; it writes <path>.args when started.
  std::string MakeRecorder(const std::string& relative) {
    const std::string path = MakeFile(relative);
    const std::string source = FolderOfThisProgram() + "\\arg_recorder.exe";
    EXPECT_TRUE(CopyFileA(source.c_str(), path.c_str(), FALSE)) << "arg_recorder.exe is built beside the tests";
    return path;
  }
  // The recorder's lines (arguments, current folder), once it has run.
  static std::vector<std::string> Recorded(const std::string& recorder, DWORD ms = 15000) {
    std::string text;
    WaitFor([&] { return file_io::FileExists(recorder + ".args"); }, ms);
    text = file_io::ReadWholeFile(recorder + ".args").value_or("<not started>");
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
      size_t end = text.find("\r\n", start);
      if (end == std::string::npos) end = text.size();
      lines.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }

  std::string runDir_;
  int reloads_ = 0;
  std::vector<std::string> messages_;
  static inline ULONG_PTR gdiplus_ = 0;
};

}  // namespace items_test
