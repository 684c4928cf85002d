// tests/wine/shortcut_writer_test.cpp
// Shortcut files written through the Script Host shell object and read back by the shell's own
// link object (and by ReadShellLink). With TOVENK_SHORTCUT_OUT set to a folder, the shortcuts of
// the first test are also left there for a reader outside Wine (tests/wine_shortcuts/shortcut_lnkinfo_check.sh).
#include <gtest/gtest.h>

#include <cstdlib>

#include "commands/shell_automation_win.h"
#include "commands/shell_link.h"
#include "commands/shortcut_writer.h"
#include "items_wine_support.h"

using namespace items_wine;

namespace {

const std::string kGongJu = "\xB9\xA4\xBE\xDF";  // 工具
const std::string kTuPian = "\xCD\xBC\xC6\xAC";  // 图片

struct Written {
  std::string name;  // the shortcut's file name as asked for
  std::string target, arguments;
  std::optional<std::string> icon;
  // Read back:
  std::string lnkName, workingDirectory, iconPath;
  int iconIndex;
};

TEST(ShortcutWriterWine, TheShellReadsBackWhatWasWritten) {
  ASSERT_TRUE(ProcessShellAutomation().created);
  const char* exportFolder = std::getenv("TOVENK_SHORTCUT_OUT");
  const std::string folder = exportFolder ? std::string(exportFolder) : ScratchFolder("lnk");
  const std::string tools = ScratchFolder("tools");
  const std::string zhFolder = tools + "\\" + kGongJu;
  ASSERT_TRUE(CreateDirectoryA(zhFolder.c_str(), nullptr));
  ASSERT_TRUE(file_io::WriteWholeFile(tools + "\\ed.exe", "MZ"));
  ASSERT_TRUE(file_io::WriteWholeFile(zhFolder + "\\" + kTuPian + ".exe", "MZ"));
  const std::string shell32 = SystemDir() + "\\shell32.dll";

  const Written cases[] = {
      {"editor", tools + "\\ed.exe", "-n \"a b\"", shell32 + ",3", "editor.lnk", tools + "\\", shell32, 3},
      {kTuPian, zhFolder + "\\" + kTuPian + ".exe", "", std::nullopt, kTuPian + ".lnk", zhFolder + "\\",
       zhFolder + "\\" + kTuPian + ".exe", 0},
      {"no-icon.LNK", tools + "\\ed.exe", "", std::string(), "no-icon.LNK", tools + "\\", "", 0},
      {"folder", tools, "", std::string(), "folder.lnk", tools.substr(0, tools.rfind('\\') + 1), "", 0},
  };
  std::string manifest;  // for the reader outside Wine: one line per shortcut, fields split by "|"
  for (const Written& c : cases) {
    SCOPED_TRACE(c.name);
    GbkText path = folder + "\\" + c.name;
    ASSERT_TRUE(WriteShortcut(path, c.target, c.arguments, c.icon));
    EXPECT_EQ(path, folder + "\\" + c.lnkName);
    ShellReading shell = ReadWithShell(path);
    ASSERT_TRUE(shell.loaded);
    EXPECT_EQ(shell.target, c.target);
    EXPECT_EQ(shell.arguments, c.arguments);
    EXPECT_EQ(shell.workingDirectory, c.workingDirectory);
    EXPECT_EQ(shell.iconPath, c.iconPath);
    EXPECT_EQ(shell.iconIndex, c.iconIndex);
    EXPECT_EQ(shell.description, "");
    EXPECT_EQ(shell.hotkey, 0);
    EXPECT_EQ(shell.showCommandInFile, 0);

    std::optional<ShellLinkInfo> ours = ReadShellLink(path);
    ASSERT_TRUE(ours.has_value());
    EXPECT_EQ(ours->target, c.target);
    EXPECT_EQ(ours->arguments, c.arguments);
    EXPECT_EQ(ours->workingDirectory, c.workingDirectory);
    EXPECT_EQ(ours->iconLocation, c.iconPath + "," + std::to_string(c.iconIndex));
    EXPECT_EQ(ours->windowStyle, 0);
    manifest += c.lnkName + "|" + c.target + "|" + c.workingDirectory + "|" + c.arguments + "|" + c.iconPath +
                "|" + std::to_string(c.iconIndex) + "\n";
  }
  if (exportFolder) ASSERT_TRUE(file_io::WriteWholeFile(folder + "\\manifest.txt", manifest));
}

TEST(ShortcutWriterWine, ReplacesAnOldFileAndRefusesATargetWithoutAFolder) {
  const std::string folder = ScratchFolder("lnk");
  GbkText path = folder + "\\x.lnk";
  ASSERT_TRUE(file_io::WriteWholeFile(path, "not a shortcut"));
  ASSERT_TRUE(WriteShortcut(path, "C:\\nowhere\\x.exe", "", std::string()));
  EXPECT_EQ(ReadWithShell(path).target, "C:\\nowhere\\x.exe");

  EXPECT_FALSE(WriteShortcut(path, "x.exe"));
  EXPECT_FALSE(file_io::FileExists(path));

  GbkText unsaved = folder + "\\missing\\y";  // its folder does not exist
  EXPECT_FALSE(WriteShortcut(unsaved, "C:\\t\\y.exe"));
  EXPECT_FALSE(file_io::FileExists(unsaved));
}

TEST(ShortcutWriterWine, ReadingSomethingElseGivesNothing) {
  const std::string folder = ScratchFolder("lnk");
  ASSERT_TRUE(file_io::WriteWholeFile(folder + "\\fake.lnk", std::string(200, 'x')));
  EXPECT_FALSE(ReadShellLink(folder + "\\fake.lnk").has_value());
  EXPECT_FALSE(ReadShellLink(folder + "\\absent.lnk").has_value());
}

}  // namespace
