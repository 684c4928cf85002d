#include "app/running_settings.h"

#include <gtest/gtest.h>

#include <map>

#include "store/settings_file.h"

namespace {

struct Loaded {
  RunningSettings running;
  MemoryCheckMarks marks;
};

Loaded Load(const std::map<std::string, std::string>& stored) {
  Loaded loaded;
  ApplyStoredPreferences(
      [&](std::string_view key) {
        auto it = stored.find(std::string(key));
        return it == stored.end() ? GbkText() : it->second;
      },
      loaded.running, loaded.marks);
  return loaded;
}

const Command kSizes[] = {Command::kIconSize64, Command::kIconSize48, Command::kIconSize32, Command::kIconSize28,
                          Command::kIconSize22};
const Command kColumns[] = {Command::kOneColumn, Command::kTwoColumns, Command::kThreeColumns,
                            Command::kFourColumns, Command::kCustomColumns};

std::vector<Command> Checked(const Loaded& l, std::span<const Command> group) {
  std::vector<Command> on;
  for (Command c : group)
    if (l.marks.isChecked(c)) on.push_back(c);
  return on;
}

}  // namespace

TEST(StoredPreferences, NoSettingsGiveTheDefaults) {
  Loaded l = Load({});
  EXPECT_EQ(l.running.iconSize, 64);
  EXPECT_EQ(l.running.columns, 0);
  EXPECT_EQ(l.running.nameLength, 16);
  EXPECT_EQ(l.running.caption, "TovenkV3.16");
  EXPECT_EQ(l.running.ringTone, 0);
  EXPECT_EQ(l.running.background, 13796652u);
  EXPECT_EQ(Checked(l, kSizes), std::vector<Command>{Command::kIconSize64});
  EXPECT_EQ(Checked(l, kColumns), std::vector<Command>{Command::kTwoColumns});
  EXPECT_FALSE(l.marks.isChecked(Command::kSoundsOff));
  EXPECT_FALSE(l.marks.isChecked(Command::kHideOnClose));
  EXPECT_FALSE(l.marks.isChecked(Command::kAutoHide));
  EXPECT_FALSE(l.marks.isChecked(Command::kStartWithSystem));
}

TEST(StoredPreferences, IconSizeAndColumnMarksFollowTheStoredNumbers) {
  struct Case {
    std::string size, columns;
    int32_t iconSize, columnCount;
    std::vector<Command> sizeMarks, columnMarks;
  };
  const Case cases[] = {
      {"48", "1", 48, 1, {Command::kIconSize48}, {Command::kOneColumn}},
      {"40", "4", 40, 4, {}, {Command::kFourColumns}},           // no preset for 40
      {"abc", "7", 0, 7, {}, {Command::kCustomColumns}},         // not a number: size 0
      {"22", "-3", 22, -3, {Command::kIconSize22}, {Command::kTwoColumns}},  // negative leaves the marks
      {"", "0", 64, 0, {Command::kIconSize64}, {Command::kTwoColumns}},
  };
  for (const Case& c : cases) {
    Loaded l = Load({{settings::kIconSize, c.size}, {settings::kColumns, c.columns}});
    EXPECT_EQ(l.running.iconSize, c.iconSize) << c.size;
    EXPECT_EQ(l.running.columns, c.columnCount) << c.columns;
    EXPECT_EQ(Checked(l, kSizes), c.sizeMarks) << c.size;
    EXPECT_EQ(Checked(l, kColumns), c.columnMarks) << c.columns;
  }
}

TEST(StoredPreferences, SwitchesTitleToneAndColour) {
  Loaded l = Load({{settings::kSound, "T"},
                   {settings::kHideOnClose, "t"},  // only "T" and "F" count
                   {settings::kAutoHide, "T"},
                   {settings::kTitle, "My launcher"},
                   {settings::kRingTone, "5"},
                   {settings::kBackground, "0"},
                   {settings::kNameLength, "0"}});
  EXPECT_TRUE(l.marks.isChecked(Command::kSoundsOff));
  EXPECT_FALSE(l.marks.isChecked(Command::kHideOnClose));
  EXPECT_TRUE(l.marks.isChecked(Command::kAutoHide));
  EXPECT_EQ(l.running.caption, "My launcher");
  EXPECT_EQ(l.running.ringTone, 5);
  EXPECT_EQ(l.running.background, 0u);  // black is a colour; only the empty text means default
  EXPECT_EQ(l.running.nameLength, 16);  // a stored 0 means 16

  Loaded off = Load({{settings::kSound, "F"}, {settings::kTitle, ""}, {settings::kNameLength, "20"}});
  EXPECT_FALSE(off.marks.isChecked(Command::kSoundsOff));
  EXPECT_EQ(off.running.caption, "TovenkV3.16");
  EXPECT_EQ(off.running.nameLength, 20);
}
