// tests/wine/shortcut_commands_test.cpp
// "生成快捷方式" and "批量生成快捷方式" writing real shortcut files, with the folder chooser answered
// by the test, and the system's folder browser itself driven from a second thread.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/creation_sequence_win.h"
#include "commands/folder_chooser.h"
#include "commands/shortcut_commands.h"
#include "items_wine_support.h"
#include "platform/message_box.h"
#include "store/app_dirs.h"
#include "store/category_catalogue.h"
#include "store/item_store.h"
#include "store/store_seams.h"
#include "store/store_texts.h"

using namespace items_wine;

namespace {

class ShortcutCommandsWine : public ::testing::Test {
 protected:
  void SetUp() override {
    run_ = ScratchFolder("run");
    SetCurrentAppDirs(MakeAppDirs(run_, "Tovenk.exe"));
    const std::string data = CurrentAppDirs().dataDir;
    ASSERT_TRUE(CreateDirectoryA(data.c_str(), nullptr));
    ResetCategoryCatalogue();
    SetStoreSeams(StoreSeams{});
    ASSERT_TRUE(file_io::WriteWholeFile(data + "a.ico", "icon"));
    ASSERT_TRUE(file_io::WriteWholeFile(data + "b.ico", "icon"));
    const std::string target = store_text::kTargetKey, args = store_text::kArgumentsKey,
                      icon = store_text::kIconSourceKey, hash = store_text::kIconHashKey;
    ASSERT_TRUE(file_io::WriteWholeFile(
        data + "Work.ini", "[Ed]\r\n" + target + "=##APP##tools\\ed.exe\r\n" + args + "=null\r\n" + icon +
                               "=null\r\n" + hash + "=a.ico\r\n[Web]\r\n" + target + "=D:\\net\\web.exe\r\n" +
                               args + "=-x url\r\n" + icon + "=##APP##i.dll,3\r\n" + hash + "=b.ico\r\n"));
    OpenCategory("Work");
    ASSERT_EQ(GetItemTable().size(), 2u);
    SetMessageBoxHandler([this](std::string_view text, BoxButtons) {
      messages_.emplace_back(text);
      return BoxAnswer::kOk;
    });
    out_ = ScratchFolder("out");
  }
  void TearDown() override {
    SetMessageBoxHandler(nullptr);
    SetFolderChooserHandler(nullptr);
  }
  void Choose(const std::string& folder) {
    SetFolderChooserHandler([this, folder](std::string_view prompt) {
      EXPECT_EQ(prompt, shortcut_text::kChooseFolderPrompt);
      EXPECT_EQ(DialogOpenFlag(), 1);
      ++choices_;
      return folder;
    });
  }
  void ExpectEd(const std::string& path) {
    ShellReading ed = ReadWithShell(path);
    ASSERT_TRUE(ed.loaded) << path;
    EXPECT_EQ(ed.target, run_ + "\\tools\\ed.exe");
    EXPECT_EQ(ed.workingDirectory, run_ + "\\tools\\");
    EXPECT_EQ(ed.arguments, "");
    EXPECT_EQ(ed.iconPath, "");
    EXPECT_EQ(ed.showCommandInFile, 0);
  }

  std::string run_, out_;
  int choices_ = 0;
  std::vector<std::string> messages_;
};

TEST_F(ShortcutCommandsWine, OneItemIntoTheChosenFolder) {
  Choose(out_);
  RunItemShortcutCommand(1);
  RunItemShortcutCommand(2);
  RunItemShortcutCommand(-1);
  EXPECT_EQ(choices_, 2);
  EXPECT_EQ(DialogOpenFlag(), 0);
  ExpectEd(out_ + "\\Ed.lnk");
  ShellReading web = ReadWithShell(out_ + "\\Web.lnk");
  EXPECT_EQ(web.target, "D:\\net\\web.exe");
  EXPECT_EQ(web.workingDirectory, "D:\\net\\");
  EXPECT_EQ(web.arguments, "-x url");
  EXPECT_EQ(web.iconPath, run_ + "\\i.dll");
  EXPECT_EQ(web.iconIndex, 3);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ShortcutCommandsWine, BatchIntoANewFolderOnlyOnce) {
  Choose(out_);
  RunBatchShortcutsCommand();
  ExpectEd(out_ + "\\Work\\Ed.lnk");
  EXPECT_EQ(ReadWithShell(out_ + "\\Work\\Web.lnk").arguments, "-x url");
  EXPECT_TRUE(messages_.empty());

  ASSERT_TRUE(DeleteFileA((out_ + "\\Work\\Ed.lnk").c_str()));
  RunBatchShortcutsCommand();
  EXPECT_EQ(messages_, std::vector<std::string>{GetCurrentCategory().path + shortcut_text::kFolderNotCreated});
  EXPECT_FALSE(file_io::FileExists(out_ + "\\Work\\Ed.lnk"));  // nothing written into the old folder
}

// The browser of the process, once it shows.
HWND FindBrowser() {
  struct Search { HWND found = nullptr; } search;
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        char name[32] = {};
        GetClassNameA(window, name, sizeof name);
        if (process == GetCurrentProcessId() && std::string(name) == "#32770" && IsWindowVisible(window)) {
          reinterpret_cast<Search*>(context)->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool HasTextChild(HWND dialog, const std::string& text) {
  struct Search { std::string text; bool found = false; } search{text};
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM context) -> BOOL {
        auto* s = reinterpret_cast<Search*>(context);
        char buffer[256] = {};
        GetWindowTextA(child, buffer, sizeof buffer);
        if (s->text == buffer) s->found = true;
        return !s->found;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The text of the browser tree's selected entry.
std::string SelectedEntry(HWND browser) {
  HWND tree = FindWindowExA(browser, nullptr, "SysTreeView32", nullptr);
  HTREEITEM item = tree ? TreeView_GetSelection(tree) : nullptr;
  if (!item) return "";
  char text[MAX_PATH] = {};
  TVITEMA entry{};
  entry.mask = TVIF_TEXT;
  entry.hItem = item;
  entry.pszText = text;
  entry.cchTextMax = sizeof text;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry));
  return text;
}

// The browser fills its tree after it shows, and a selection made before that is lost: select
// until the tree shows it.
void SelectInBrowser(HWND browser, const std::string& folder) {
  const std::string name = folder.substr(folder.rfind('\\') + 1);
  for (int i = 0; i < 50 && SelectedEntry(browser) != name; ++i) {
    SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
    Sleep(200);
  }
}

TEST_F(ShortcutCommandsWine, TheSystemFolderBrowserChoosesTheFolder) {
  // Two windows of the program: the active one owns the browser, the other is disabled meanwhile.
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 10, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
  SetActiveWindow(owner);

  struct Seen { std::atomic<bool> shown{false}, prompt{false}, otherDisabled{false}, flag{false}; };
  for (bool accept : {false, true}) {
    SCOPED_TRACE(accept ? "chosen" : "cancelled");
    Seen seen;
    std::thread user([&] {
      HWND browser = nullptr;
      for (int i = 0; i < 200 && !browser; ++i) {
        Sleep(50);
        browser = FindBrowser();
      }
      if (!browser) return;
      seen.shown = true;
      seen.prompt = HasTextChild(browser, shortcut_text::kChooseFolderPrompt);
      seen.otherDisabled = !IsWindowEnabled(other);
      seen.flag = DialogOpenFlag() == 1;
      if (accept) SelectInBrowser(browser, out_);
      PostMessageA(GetDlgItem(browser, accept ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
    });
    RunItemShortcutCommand(1);
    user.join();
    EXPECT_TRUE(seen.shown);
    EXPECT_TRUE(seen.prompt);
    EXPECT_TRUE(seen.otherDisabled);
    EXPECT_TRUE(seen.flag);
    EXPECT_EQ(DialogOpenFlag(), 0);
    EXPECT_TRUE(IsWindowEnabled(other));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(file_io::FileExists(out_ + "\\Ed.lnk"), accept);
  }
  ExpectEd(out_ + "\\Ed.lnk");
  DestroyWindow(owner);
  DestroyWindow(other);
}

}  // namespace
