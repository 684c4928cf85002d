// src/app/running_settings.cpp
#include "app/running_settings.h"

#include <utility>

#include "store/settings_file.h"

RunningSettings& Running() {
  static RunningSettings running;
  return running;
}

namespace {

constexpr std::pair<int32_t, Command> kSizePresets[] = {
    {64, Command::kIconSize64}, {48, Command::kIconSize48}, {32, Command::kIconSize32},
    {28, Command::kIconSize28}, {22, Command::kIconSize22}};
constexpr Command kColumnEntries[] = {Command::kOneColumn, Command::kTwoColumns, Command::kThreeColumns,
                                      Command::kFourColumns, Command::kCustomColumns};

// "T" checks, "F" unchecks, anything else leaves the mark as it is.
void ApplySwitch(const GbkText& stored, Command entry, CheckMarks& marks) {
  if (stored == settings::kOn) marks.setChecked(entry, true);
  else if (stored == settings::kOff) marks.setChecked(entry, false);
}

}  // namespace

void ApplyStoredPreferences(const std::function<GbkText(std::string_view key)>& read, RunningSettings& running,
                            CheckMarks& marks) {
  GbkText iconSize = read(settings::kIconSize);
  if (!iconSize.empty()) {
    running.iconSize = gbk::LeadingInteger(iconSize);
    for (auto [size, entry] : kSizePresets) marks.setChecked(entry, size == running.iconSize);
  }

  running.columns = gbk::LeadingInteger(read(settings::kColumns));
  if (running.columns >= 1) {
    Command checked = running.columns > 4 ? Command::kCustomColumns : kColumnEntries[running.columns - 1];
    for (Command entry : kColumnEntries) marks.setChecked(entry, entry == checked);
  }

  running.nameLength = gbk::LeadingInteger(read(settings::kNameLength));
  if (running.nameLength == 0) running.nameLength = kDefaultNameLength;

  ApplySwitch(read(settings::kSound), Command::kSoundsOff, marks);
  ApplySwitch(read(settings::kHideOnClose), Command::kHideOnClose, marks);
  ApplySwitch(read(settings::kAutoHide), Command::kAutoHide, marks);

  GbkText title = read(settings::kTitle);
  if (!title.empty()) running.caption = title;

  GbkText ringTone = read(settings::kRingTone);
  if (!ringTone.empty()) running.ringTone = gbk::LeadingInteger(ringTone);

  GbkText background = read(settings::kBackground);
  running.background = background.empty() ? kDefaultBackground : static_cast<uint32_t>(gbk::LeadingInteger(background));
}
