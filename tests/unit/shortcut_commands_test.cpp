// tests/unit/shortcut_commands_test.cpp
// The menu commands "生成快捷方式" and "批量生成快捷方式": what they read from the open category,
// where they write, and when they stop. The shell object is a recorder; the folder chooser is
// answered by the test.
#include "commands/shortcut_commands.h"

#include <gtest/gtest.h>

#include "commands/folder_chooser.h"
#include "commands/shortcut_writer.h"
#include "store_test_support.h"

namespace {

using store_test::Section;

// Each shortcut as "path | target | working directory | icon | arguments".
class ShortcutRecorder : public ShortcutShell {
 public:
  std::vector<std::string> shortcuts;

  class Object : public ShortcutObject {
   public:
    Object(ShortcutRecorder& shell, std::string path) : shell_(shell), line_(std::move(path)) {}
    bool PutText(std::string_view property, const GbkText& value) override {
      if (property == "TargetPath" || property == "WorkingDirectory" || property == "IconLocation" ||
          property == "Arguments")
        line_ += " | " + value;
      return true;
    }
    bool PutNumber(std::string_view, int32_t) override { return true; }
    bool Save() override {
      shell_.shortcuts.push_back(line_);
      return true;
    }

   private:
    ShortcutRecorder& shell_;
    std::string line_;
  };
  std::unique_ptr<ShortcutObject> CreateShortcut(const GbkText& path) override {
    return std::make_unique<Object>(*this, path);
  }
};

class ShortcutCommandsTest : public store_test::StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    SetShortcutShell(&shell_);
    SetFolderChooserHandler([this](std::string_view prompt) {
      prompts_.emplace_back(prompt);
      return chosen_;
    });
  }
  void TearDown() override {
    SetFolderChooserHandler(nullptr);
    SetShortcutShell(nullptr);
    StoreTest::TearDown();
  }
  // The category "cat" with two items whose icons are cached, opened and selected.
  void OpenTwoItems() {
    WriteData("a.ico", "icon");
    WriteData("b.ico", "icon");
    WriteData("cat.ini", Section("Ed", "##APP##tools\\ed.exe", "a.ico", "null") +
                             "[Web]\r\n" + store_text::kTargetKey + "=D:\\net\\web.exe\r\n" +
                             store_text::kArgumentsKey + "=-x url\r\n" + store_text::kIconSourceKey +
                             "=##APP##i.dll,-3\r\n" + store_text::kIconHashKey + "=b.ico\r\n");
    OpenCategory("cat");
    ASSERT_EQ(ItemNames(), (std::vector<GbkText>{"Ed", "Web"}));
  }
  std::string RunDir() const { return CurrentAppDirs().runDir + "\\"; }

  ShortcutRecorder shell_;
  GbkText chosen_;
  std::vector<std::string> prompts_;
};

TEST_F(ShortcutCommandsTest, OneItemGoesIntoTheChosenFolder) {
  OpenTwoItems();
  chosen_ = root_ + "/links";
  RunItemShortcutCommand(1);
  RunItemShortcutCommand(2);
  chosen_ = root_ + "/root\\";  // a drive root comes with its backslash
  RunItemShortcutCommand(1);
  EXPECT_EQ(prompts_, std::vector<std::string>(3, shortcut_text::kChooseFolderPrompt));
  EXPECT_EQ(shell_.shortcuts, (std::vector<std::string>{
      root_ + "/links\\Ed.lnk | " + RunDir() + "tools\\ed.exe | " + RunDir() + "tools\\ | " + " | ",
      root_ + "/links\\Web.lnk | D:\\net\\web.exe | D:\\net\\ | " + RunDir() + "i.dll,-3 | -x url",
      root_ + "/root\\Ed.lnk | " + RunDir() + "tools\\ed.exe | " + RunDir() + "tools\\ | " + " | ",
  }));
}

TEST_F(ShortcutCommandsTest, NothingHappensWithoutAnItemOrAFolder) {
  OpenTwoItems();
  chosen_ = root_ + "/links";
  for (int index : {-1, 0, 3}) RunItemShortcutCommand(index);
  EXPECT_TRUE(prompts_.empty());
  chosen_ = "";
  RunItemShortcutCommand(1);
  RunBatchShortcutsCommand();
  EXPECT_EQ(prompts_.size(), 2u);
  EXPECT_TRUE(shell_.shortcuts.empty());
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ShortcutCommandsTest, BatchWritesEveryItemIntoANewFolderOnce) {
  OpenTwoItems();
  chosen_ = root_;
  RunBatchShortcutsCommand();
  const std::string folder = root_ + "\\cat";
  EXPECT_TRUE(file_io::DirectoryExists(folder));
  EXPECT_EQ(shell_.shortcuts, (std::vector<std::string>{
      folder + "\\Ed.lnk | " + RunDir() + "tools\\ed.exe | " + RunDir() + "tools\\ | " + " | ",
      folder + "\\Web.lnk | D:\\net\\web.exe | D:\\net\\ | " + RunDir() + "i.dll,-3 | -x url",
  }));
  EXPECT_TRUE(messages_.empty());

  // A second run into the same folder stops with the message, and so does a file of that name.
  shell_.shortcuts.clear();
  RunBatchShortcutsCommand();
  ASSERT_TRUE(file_io::WriteWholeFile(root_ + "/elsewhere\\cat", "a file"));
  chosen_ = root_ + "/elsewhere";
  RunBatchShortcutsCommand();
  const std::string message = GetCurrentCategory().path + shortcut_text::kFolderNotCreated;
  EXPECT_EQ(messages_, (std::vector<std::string>{message, message}));
  EXPECT_TRUE(shell_.shortcuts.empty());
}

}  // namespace
