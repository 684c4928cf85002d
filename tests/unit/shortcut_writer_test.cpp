// tests/unit/shortcut_writer_test.cpp
// What WriteShortcut asks of the shell object, call by call, and when it gives up.
#include "commands/shortcut_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "commands/shell_link.h"
#include "platform/file_io.h"
#include "store/store_seams.h"

namespace {

// Records every call as text; can be told to refuse some of them.
class RecordingShell : public ShortcutShell {
 public:
  std::vector<std::string> calls;
  bool giveObject = true;
  std::string refuse;  // a property whose write fails
  bool saves = true;

  class Object : public ShortcutObject {
   public:
    explicit Object(RecordingShell& shell) : shell_(shell) {}
    bool PutText(std::string_view property, const GbkText& value) override {
      shell_.calls.push_back(std::string(property) + "=" + value);
      return property != shell_.refuse;
    }
    bool PutNumber(std::string_view property, int32_t value) override {
      shell_.calls.push_back(std::string(property) + "#" + std::to_string(value));
      return property != shell_.refuse;
    }
    bool Save() override {
      shell_.calls.push_back("Save");
      return shell_.saves;
    }

   private:
    RecordingShell& shell_;
  };

  std::unique_ptr<ShortcutObject> CreateShortcut(const GbkText& path) override {
    calls.push_back("CreateShortcut " + path);
    if (!giveObject) return nullptr;
    return std::make_unique<Object>(*this);
  }
};

TEST(ShortcutWriter, WritesEveryPropertyInOrder) {
  RecordingShell shell;
  GbkText path = "C:\\Links\\Editor";
  EXPECT_TRUE(WriteShortcutWith(&shell, path, "C:\\Tools\\ed.exe", "-n x", GbkText("C:\\i.dll,2")));
  EXPECT_EQ(path, "C:\\Links\\Editor.lnk");
  EXPECT_EQ(shell.calls, (std::vector<std::string>{
                             "CreateShortcut C:\\Links\\Editor.lnk", "TargetPath=C:\\Tools\\ed.exe",
                             "WorkingDirectory=C:\\Tools\\", "IconLocation=C:\\i.dll,2", "WindowStyle#0",
                             "Description=", "Arguments=-n x", "Hotkey=", "Save"}));
}

TEST(ShortcutWriter, PathEndingsAndIconDefaults) {
  struct Case { GbkText path; std::optional<GbkText> icon; GbkText target; GbkText finalPath, iconPut, workingPut; };
  const Case cases[] = {
      {"C:\\a\\X.LNK", std::nullopt, "C:\\t\\x.exe", "C:\\a\\X.LNK", "IconLocation=C:\\t\\x.exe,0", "WorkingDirectory=C:\\t\\"},
      {"C:\\a\\x.lnk.txt", GbkText(""), "C:\\x.exe", "C:\\a\\x.lnk.txt.lnk", "IconLocation=", "WorkingDirectory=C:\\"},
      {"lnk", GbkText(""), "D:\\Docs\\", "lnk.lnk", "IconLocation=", "WorkingDirectory=D:\\Docs\\"},
      {"C:\\a\\\xB9\xA4\xBE\xDF", GbkText(""), "C:\\\xCD\xBC\\\x95\\x.exe", "C:\\a\\\xB9\xA4\xBE\xDF.lnk", "IconLocation=",
       "WorkingDirectory=C:\\\xCD\xBC\\"},  // "\x95\\" is one character, not a separator
  };
  for (const Case& c : cases) {
    RecordingShell shell;
    GbkText path = c.path;
    EXPECT_TRUE(WriteShortcutWith(&shell, path, c.target, "", c.icon)) << c.path;
    EXPECT_EQ(path, c.finalPath);
    ASSERT_EQ(shell.calls.size(), 9u) << c.path;
    EXPECT_EQ(shell.calls[2], c.workingPut) << c.path;
    EXPECT_EQ(shell.calls[3], c.iconPut) << c.path;
  }
}

TEST(ShortcutWriter, GivesUpWithoutAFileAndReportsIt) {
  const std::string folder = (std::filesystem::temp_directory_path() / "tvk-shortcut-writer").string();
  std::filesystem::create_directories(folder);
  const std::string old = folder + "/old.lnk";

  struct Case { const char* what; GbkText target; bool shell, object; std::string refuse; bool saves; size_t calls; bool result; };
  const Case cases[] = {
      {"target without a backslash", "x.exe", true, true, "", true, 0, false},
      {"no shell object", "C:\\x.exe", false, true, "", true, 0, false},
      {"no shortcut object", "C:\\x.exe", true, false, "", true, 1, false},
      {"target refused", "C:\\x.exe", true, true, "TargetPath", true, 2, false},
      {"hotkey refused: ignored", "C:\\x.exe", true, true, "Hotkey", true, 9, true},
      {"working directory refused: ignored", "C:\\x.exe", true, true, "WorkingDirectory", true, 9, true},
      {"not saved", "C:\\x.exe", true, true, "", false, 9, false},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(file_io::WriteWholeFile(old, "old shortcut"));
    RecordingShell shell;
    shell.giveObject = c.object;
    shell.refuse = c.refuse;
    shell.saves = c.saves;
    GbkText path = old;
    EXPECT_EQ(WriteShortcutWith(c.shell ? &shell : nullptr, path, c.target), c.result) << c.what;
    EXPECT_EQ(shell.calls.size(), c.calls) << c.what;
    // The old file is gone in every case: the path is the caller's to overwrite.
    EXPECT_FALSE(file_io::FileExists(old)) << c.what;
  }
  std::filesystem::remove_all(folder);
}

TEST(ShortcutWriter, TheStoreRequestCarriesNoStyleDescriptionOrHotkey) {
  RecordingShell shell;
  SetShortcutShell(&shell);
  ShortcutRequest request{"C:\\tmp\\Item.lnk", "C:\\t\\x.exe", "", ""};
  EXPECT_TRUE(WriteShortcutRequest(request));
  SetShortcutShell(nullptr);
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"CreateShortcut C:\\tmp\\Item.lnk", "TargetPath=C:\\t\\x.exe",
                                                   "WorkingDirectory=C:\\t\\", "IconLocation=", "WindowStyle#0",
                                                   "Description=", "Arguments=", "Hotkey=", "Save"}));
  GbkText path = "C:\\tmp\\x.lnk";
  EXPECT_FALSE(WriteShortcut(path, "C:\\t\\x.exe"));  // the native build has no shell object
}

TEST(ShellLinkBytes, ShowCommandSitsAtOffset0x3C) {
  std::string header(0x4C, '\0');
  const unsigned char start[20] = {0x4C, 0, 0, 0, 0x01, 0x14, 0x02, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
  header.replace(0, 20, reinterpret_cast<const char*>(start), 20);
  header[0x3C] = 7;
  EXPECT_EQ(ShowCommandInLinkBytes(header), 7);
  header[0x3C] = 0;
  EXPECT_EQ(ShowCommandInLinkBytes(header), 0);
  EXPECT_EQ(ShowCommandInLinkBytes(header.substr(0, 0x4B)), std::nullopt);  // cut short
  header[4] = 2;
  EXPECT_EQ(ShowCommandInLinkBytes(header), std::nullopt);  // not a shell link
}

}  // namespace
