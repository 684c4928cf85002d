// src/icons/item_intake.h
// Turning a path into an item of the open category (AddItemFromPath): a dropped file, folder or
// shortcut, or a temporary shortcut written to rebuild an item's icon. It names the item, writes
// its keys ("文件位置", "运行参数", "图标位置", "图标hash", the last one last) into the open
// category file, picks the icon's source and caches the icon under a fresh IconHash:
//   folder          -> the folder icon of shell32.dll (group 4)
//   image           -> a 256 x 256 thumbnail, cached as a BMP
//   shortcut        -> by its target: folder, image, document, or program (its own icon location
//                      or the target's first icon group)
//   program (.exe)  -> its first icon group, else the application icon of shell32.dll (group 3)
//   anything else   -> the icon registered for its file type
// An icon that cannot be had is reported ("获取图标失败：" + path) and replaced by group 1 of
// shell32.dll; the item is written all the same.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "commands/shell_link.h"
#include "icons/icon_cache.h"
#include "store/gbk_text.h"

// "获取图标失败：", followed by the path.
inline constexpr const char kIconFailedMessage[] = "\xBB\xF1\xC8\xA1\xCD\xBC\xB1\xEA\xCA\xA7\xB0\xDC\xA3\xBA";

// Everything the intake reads and changes outside itself.
class IntakeSystem {
 public:
  virtual ~IntakeSystem() = default;
  // File attributes; nothing when they cannot be read.
  virtual std::optional<uint32_t> Attributes(const GbkText& path) = 0;
  virtual std::optional<ShellLinkInfo> ReadShortcut(const GbkText& path) = 0;
  // Default value of a key under HKEY_CLASSES_ROOT; empty when missing.
  virtual GbkText ClassesRootDefault(const GbkText& key) = 0;
  virtual bool FileExists(const GbkText& path) = 0;
  // The system directory followed by "\".
  virtual GbkText SystemDirectory() = 0;
  // BMP file bytes of a 256 x 256 thumbnail, or nothing when the file is not an image.
  virtual std::optional<std::string> ThumbnailBmp(const GbkText& path) = 0;
  // The icon operations of icons/icon_cache.h on bytes in memory: the item's icon is extracted,
  // reduced and then written once, instead of going through a file between the steps.
  // IconGroupBytes: nothing when there is no such group.
  virtual std::optional<std::string> IconGroup(const GbkText& source, int32_t position) = 0;
  // IconImageBytes: empty when there is no icon.
  virtual std::string IconImage(const GbkText& source, int32_t index) = 0;
  // ReduceIconBytes of a non-empty ICO file.
  virtual ReducedIcon ReduceIcon(const std::string& ico) = 0;
  virtual bool WriteFile(const std::string& path, std::string_view bytes) = 0;
  // The cache folder (the data directory, ending in "\") and a fresh IconHash in it.
  virtual std::string CacheFolder() = 0;
  virtual std::string NewIconHash(const GbkText& baseName) = 0;
  // A key of an item's section in the open category file.
  virtual void WriteKey(const GbkText& section, std::string_view key, const GbkText& value) = 0;
  // Keys of one section in order; the program's system writes them with one rewrite of the file.
  using KeyValues = std::vector<std::pair<std::string, GbkText>>;
  virtual void WriteKeys(const GbkText& section, const KeyValues& keys) {
    for (const auto& [key, value] : keys) WriteKey(section, key, value);
  }
  virtual void ShowMessage(const GbkText& text) = 0;
};

// The program's own: the Windows calls, the icon cache, the open category file, the message box.
IntakeSystem& ProgramIntakeSystem();

enum class IntakeNaming {
  // A dropped shortcut to a document or an image is named after its target (Notes.lnk -> q3.txt
  // gives the item q3); everything else after the dropped path.
  kAsDropped,
  // The path is a temporary shortcut named after an existing item: the item keeps that name
  // whatever its target, so a renamed item gets its icon back instead of a twin named after
  // its target.
  kKeepShortcutName,
};

void AddItemFromPath(const GbkText& path);
// The item loader's and the icon change's rebuild from a temporary shortcut "<item name>.lnk".
void RebuildItemFromShortcut(const GbkText& shortcutPath);

void AddItemFromPathWith(IntakeSystem& system, const GbkText& path, IntakeNaming naming = IntakeNaming::kAsDropped);
