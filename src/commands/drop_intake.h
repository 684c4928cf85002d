// src/commands/drop_intake.h
// The launcher's answer to a drop: each dropped file becomes an item of the open category unless
// its name is taken, and the grid is reloaded once, after the last file of the drop.
#pragma once
#include <cstdint>
#include <vector>

#include "store/gbk_text.h"

namespace drop_text {
// File name + " 项目名称冲突！请重试。"
inline constexpr const char kNameConflict[] =
    " \xCF\xEE\xC4\xBF\xC3\xFB\xB3\xC6\xB3\xE5\xCD\xBB\xA3\xA1\xC7\xEB\xD6\xD8\xCA\xD4\xA1\xA3";
}  // namespace drop_text

// What taking a dropped file in reads and changes outside itself.
class DropIntakeSystem {
 public:
  virtual ~DropIntakeSystem() = default;
  // The ItemTable's names, in grid order.
  virtual std::vector<GbkText> ItemNames() = 0;
  // DialogOpenFlag: 1 while a box or the intake of a file is under way.
  virtual void SetDialogFlag(int value) = 0;
  // The program's message box ("信息：", one OK button).
  virtual void ShowMessage(const GbkText& text) = 0;
  virtual void AddItemFromPath(const GbkText& path) = 0;
  virtual void ReloadItems() = 0;
};

// The last component of a path split at "\" (double-byte characters stepped over).
GbkText DroppedFileName(const GbkText& path);
// The file name's text before its last "."; empty when it has none.
GbkText DroppedBaseName(const GbkText& fileName);

// The names a dropped file may give its item: the base name and the whole file name (an item
// made from a folder keeps its dots), each also with "[" and "]" turned into "【" and "】" as the
// item gets them. A file whose name has no "." can only take the whole name.
std::vector<GbkText> NamesClaimedBy(const GbkText& fileName);

// The launcher's callback with what it remembers across the files of one drop.
//
// A file is refused, with the message file name + " 项目名称冲突！请重试。" once per item it meets,
// when one of its claimed names is the name of an item of the grid or was claimed by an earlier
// file of the same drop. Names compare as section names do, without regard to ASCII letter case:
// a file taken in under a name that an item already has would write its keys into that item's
// section and ruin it. Every other file goes to AddItemFromPath. The last file of the drop
// (position == count) reloads the grid and answers 0; the others answer their position.
class DropIntake {
 public:
  int32_t TakeFile(DropIntakeSystem& system, int32_t count, int32_t position, const GbkText& path);

 private:
  std::vector<GbkText> claimedThisDrop_;
};
