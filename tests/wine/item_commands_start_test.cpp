// tests/wine/item_commands_start_test.cpp
// Starting items for real: the shell opens a recording test program with the item's run
// arguments, on the window's thread and on the double click's worker thread; the simulated run
// goes through a real temporary shortcut; a missing target gives the titled "项目错误" box.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "app/creation_sequence_win.h"
#include "commands/item_commands_win.h"
#include "item_commands_wine_support.h"
#include "store/store_texts.h"

namespace {

const std::string kTarget = store_text::kTargetKey;
const std::string kArgs = store_text::kArgumentsKey;
const std::string kHash = store_text::kIconHashKey;

class ItemStartTest : public items_test::RunFolderTest {
 protected:
  // One item's section; its icon is cached so that it is in the grid.
  std::string Item(const std::string& name, const std::string& target, const std::string& arguments = "") {
    MakeFile("data\\" + name + ".ico", "icon");
    std::string text = "[" + name + "]\r\n" + kTarget + "=" + target + "\r\n";
    if (!arguments.empty()) text += kArgs + "=" + arguments + "\r\n";
    return text + kHash + "=" + name + ".ico\r\n";
  }
  ItemRef Ref(const std::string& name) const { return {name, CategoryFile()}; }
};

TEST_F(ItemStartTest, OpenPassesTheRunArgumentsAndNullGivesNone) {
  const std::string withArgs = MakeRecorder("tools\\rec.exe");
  const std::string plain = MakeRecorder("plain\\rec.exe");
  Open(Item("rec", "##APP##tools\\rec.exe", "-n \"a b\" \xB9\xA4") + Item("plain", plain, "null"));
  ProgramItemCommands system;
  OpenItem(system, Ref("rec"));
  OpenItem(system, Ref("plain"));
  EXPECT_EQ(Recorded(withArgs).at(0), "-n \"a b\" \xB9\xA4");
  EXPECT_EQ(Recorded(plain).at(0), "");
}

TEST_F(ItemStartTest, DoubleClickStartsTheItemFromAWorkerThread) {
  Open(Item("first", "C:\\nowhere\\x.exe") + Item("rec", "##APP##rec.exe", "--from-worker"));
  const std::string recorder = MakeRecorder("rec.exe");
  ASSERT_EQ(ItemNames().size(), 2u);
  OpenItemOnWorker(2);
  EXPECT_EQ(Recorded(recorder).at(0), "--from-worker");
  OpenItemOnWorker(-1);
  OpenItemOnWorker(3);  // past the grid: nothing
}

TEST_F(ItemStartTest, AMissingTargetOnTheWorkerShowsTheItemErrorBoxWithTheFlagSet) {
  Open(Item("gone", "##APP##gone\\g.exe", "null"));
  OpenItemOnWorker(1);
  HWND box = nullptr;
  ASSERT_TRUE(items_test::WaitFor([&] { return (box = FindWindowA("#32770", item_text::kItemErrorTitle)) != nullptr; }));
  char text[512] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  EXPECT_EQ(std::string(text), "gone" + std::string(item_text::kTargetMissing) + runDir_ + "\\gone\\g.exe");
  EXPECT_EQ(DialogOpenFlag(), 1);
  PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(items_test::WaitFor([] { return DialogOpenFlag() == 0; }));
  EXPECT_TRUE(items_test::WaitFor([] { return FindWindowA("#32770", item_text::kItemErrorTitle) == nullptr; }));
}

TEST_F(ItemStartTest, SimulatedRunStartsTheProgramInItsOwnFolderThroughAShortcutItRemoves) {
  const std::string recorder = MakeRecorder("tools\\rec.exe");
  Open(Item("rec", "##APP##tools\\rec.exe", "-sim"));
  ProgramItemCommands system;
  SimulatedRun(system, Ref("rec"));
  const std::vector<std::string> lines = Recorded(recorder);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "-sim");
  EXPECT_EQ(lines[1], runDir_ + "\\tools");
  EXPECT_FALSE(file_io::FileExists(SpecialFolderPath(kTempFolder) + item_text::kSimulatedRunShortcut));
}

TEST_F(ItemStartTest, TheItemMenusStartWithSystemEntrySaysItIsNotThereYet) {
  RunItemStartWithSystemCommand();
  EXPECT_EQ(messages_, (std::vector<std::string>{item_text::kNoCodeYet}));
  EXPECT_EQ(DialogOpenFlag(), 0);
}

}  // namespace
