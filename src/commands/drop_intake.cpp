// src/commands/drop_intake.cpp
#include "commands/drop_intake.h"

#include <algorithm>

#include "icons/item_naming.h"

namespace {

void AddUnique(std::vector<GbkText>& names, const GbkText& name) {
  if (name.empty()) return;
  if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

bool MeetsAny(const GbkText& name, const std::vector<GbkText>& claimed) {
  return std::any_of(claimed.begin(), claimed.end(),
                     [&name](const GbkText& c) { return gbk::EqualsIgnoreAsciiCase(name, c); });
}

}  // namespace

GbkText DroppedFileName(const GbkText& path) { return gbk::Split(path, "\\").back(); }

GbkText DroppedBaseName(const GbkText& fileName) {
  const size_t dot = fileName.rfind('.');
  return dot == GbkText::npos ? GbkText() : fileName.substr(0, dot);
}

std::vector<GbkText> NamesClaimedBy(const GbkText& fileName) {
  std::vector<GbkText> names;
  const GbkText baseName = DroppedBaseName(fileName);
  AddUnique(names, baseName);
  AddUnique(names, fileName);
  AddUnique(names, WithoutBrackets(baseName));
  AddUnique(names, WithoutBrackets(fileName));
  return names;
}

int32_t DropIntake::TakeFile(DropIntakeSystem& system, int32_t count, int32_t position, const GbkText& path) {
  if (position <= 1) claimedThisDrop_.clear();
  const GbkText fileName = DroppedFileName(path);
  const std::vector<GbkText> claimed = NamesClaimedBy(fileName);

  bool conflict = false;
  auto refuse = [&] {
    system.SetDialogFlag(1);
    system.ShowMessage(fileName + drop_text::kNameConflict);
    system.SetDialogFlag(0);
    conflict = true;
  };
  for (const GbkText& name : system.ItemNames())
    if (MeetsAny(name, claimed)) refuse();
  if (!conflict && std::any_of(claimed.begin(), claimed.end(),
                               [this](const GbkText& n) { return MeetsAny(n, claimedThisDrop_); }))
    refuse();

  if (!conflict) {
    claimedThisDrop_.insert(claimedThisDrop_.end(), claimed.begin(), claimed.end());
    system.SetDialogFlag(1);
    system.AddItemFromPath(path);
    system.SetDialogFlag(0);
  }

  if (position == count) {
    claimedThisDrop_.clear();
    system.ReloadItems();
    return 0;
  }
  return position;
}
