// tests/wine/item_commands_boxes_test.cpp
// The one-line input box as a real dialog, answered from another thread the way a user (or a
// test driving the program from outside) would through its control identifiers, and the rename
// and command-line commands running through it on a real category file.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "app/creation_sequence_win.h"
#include "commands/input_box.h"
#include "commands/item_commands_win.h"
#include "item_commands_wine_support.h"
#include "platform/message_box.h"
#include "store/category_file.h"
#include "store/store_texts.h"

namespace {

struct SeenBox {
  std::string caption, prompt, text;
  int flag = -1;  // DialogOpenFlag while the box was open
};

HWND FindInputBox() {
  HWND found = nullptr;
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        char cls[32] = {};
        GetClassNameA(window, cls, sizeof cls);
        if (std::string(cls) == "#32770" && IsWindowVisible(window) && GetDlgItem(window, kInputBoxEditId)) {
          *reinterpret_cast<HWND*>(data) = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// Answers the next input box from another thread: reads it, types `answer` (unless nullptr)
// and presses OK, or Cancel when `answer` is nullptr.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(const char* answer) : answer_(answer ? answer : ""), cancel_(answer == nullptr) {
    thread_ = std::thread([this] { Run(); });
  }
  ~BoxAnswerer() { thread_.join(); }
  SeenBox seen;

 private:
  void Run() {
    HWND box = nullptr;
    for (int i = 0; i < 500 && !(box = FindInputBox()); ++i) Sleep(20);
    if (!box) return;
    seen.caption = TextOf(box);
    seen.prompt = TextOf(GetDlgItem(box, kInputBoxPromptId));
    seen.text = TextOf(GetDlgItem(box, kInputBoxEditId));
    seen.flag = DialogOpenFlag();
    if (cancel_) {
      PostMessageA(GetDlgItem(box, kInputBoxCancelId), BM_CLICK, 0, 0);
      return;
    }
    SendMessageA(GetDlgItem(box, kInputBoxEditId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer_.c_str()));
    PostMessageA(GetDlgItem(box, kInputBoxOkId), BM_CLICK, 0, 0);
  }
  std::string answer_;
  bool cancel_;
  std::thread thread_;
};

TEST(InputBox, ShowsPromptTitleAndInitialTextAndAnswersWhatWasTyped) {
  const std::string prompt = "\xD0\xC2\xCF\xEE\xC4\xBF\xC3\xFB\xB3\xC6\xA3\xBA";  // 新项目名称：
  std::optional<GbkText> answer;
  SeenBox seen;
  {
    BoxAnswerer answerer("\xB9\xA4\xBE\xDF -x");  // 工具 -x
    answer = AskForText(prompt, "Title", "old text");
    seen = answerer.seen;
  }
  EXPECT_EQ(answer, std::optional<GbkText>("\xB9\xA4\xBE\xDF -x"));
  EXPECT_EQ(seen.caption, "Title");
  EXPECT_EQ(seen.prompt, prompt);
  EXPECT_EQ(seen.text, "old text");
  {
    BoxAnswerer answerer(nullptr);
    answer = AskForText("p", "", "");
    seen = answerer.seen;
  }
  EXPECT_FALSE(answer) << "Cancel";
  EXPECT_EQ(seen.caption, kMessageCaption) << "no title of its own";
  {
    BoxAnswerer answerer("");
    answer = AskForText("p", "", "was here");
  }
  EXPECT_EQ(answer, std::optional<GbkText>("")) << "an emptied field is an answer, not a cancel";
}

class ItemBoxesTest : public items_test::RunFolderTest {
 protected:
  std::string Item(const std::string& name, const std::string& target, const std::string& arguments = "") {
    MakeFile("data\\" + name + ".ico", "icon");
    std::string text = "[" + name + "]\r\n" + store_text::kTargetKey + "=" + target + "\r\n";
    if (!arguments.empty()) text += std::string(store_text::kArgumentsKey) + "=" + arguments + "\r\n";
    return text + store_text::kIconHashKey + "=" + name + ".ico\r\n";
  }
};

TEST_F(ItemBoxesTest, RenameThroughTheBoxRewritesTheHeaderAndReloads) {
  Open(Item("a", "C:\\a.exe") + Item("b", "C:\\b.exe"));
  SeenBox seen;
  {
    BoxAnswerer answerer("\xB9\xA4\xBE\xDF");  // 工具
    RunRenameItemCommand(1);
    seen = answerer.seen;
  }
  EXPECT_EQ(seen.prompt, item_text::kNewNamePrompt);
  EXPECT_EQ(seen.text, "a");
  EXPECT_EQ(seen.flag, 1);
  EXPECT_EQ(DialogOpenFlag(), 0);
  EXPECT_EQ(ItemNames(), (std::vector<GbkText>{"\xB9\xA4\xBE\xDF", "b"}));
  EXPECT_EQ(category_file::Read("\xB9\xA4\xBE\xDF", store_text::kTargetKey), "C:\\a.exe");
  EXPECT_EQ(reloads_, 1);
}

TEST_F(ItemBoxesTest, CommandLineThroughTheBoxIsStoredAsTyped) {
  Open(Item("app", "C:\\app.exe", "null"));
  SeenBox seen;
  {
    BoxAnswerer answerer("--port 80");
    RunChangeItemArgumentsCommand(1);
    seen = answerer.seen;
  }
  EXPECT_EQ(seen.caption, item_text::kArgumentsTitle);
  EXPECT_EQ(seen.prompt, "app" + std::string(item_text::kArgumentsPrompt));
  EXPECT_EQ(seen.text, "");
  EXPECT_EQ(category_file::Read("app", store_text::kArgumentsKey), "--port 80");
  EXPECT_EQ(reloads_, 0);
}

TEST_F(ItemBoxesTest, DeleteTakesTheItemAndItsIconAway) {
  Open(Item("a", "C:\\a.exe") + Item("b", "C:\\b.exe"));
  RunDeleteItemCommand(1);
  EXPECT_EQ(ItemNames(), (std::vector<GbkText>{"b"}));
  EXPECT_FALSE(file_io::FileExists(CurrentAppDirs().dataDir + "a.ico"));
  RunDeleteItemCommand(5);  // past the grid: only a reload
  EXPECT_EQ(ItemNames(), (std::vector<GbkText>{"b"}));
  EXPECT_TRUE(messages_.empty());
}

}  // namespace
