// src/icons/item_intake_system.cpp
// The intake's view of the running program: the system calls, the icon cache operations, the
// open category file and the program's message box.
#include "icons/icon_cache.h"
#include "icons/icon_hash.h"
#include "icons/intake_platform.h"
#include "icons/item_intake.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "store/app_dirs.h"
#include "store/category_file.h"

namespace {

class ProgramSystem : public IntakeSystem {
 public:
  std::optional<uint32_t> Attributes(const GbkText& path) override { return PathAttributes(path); }
  std::optional<ShellLinkInfo> ReadShortcut(const GbkText& path) override { return ReadShellLink(path); }
  GbkText ClassesRootDefault(const GbkText& key) override { return ClassesRootDefaultValue(key); }
  bool FileExists(const GbkText& path) override { return file_io::FileExists(path); }
  GbkText SystemDirectory() override { return SystemDirectoryWithBackslash(); }
  std::optional<std::string> ThumbnailBmp(const GbkText& path) override { return LoadThumbnailBmp(path, 256, 256); }
  std::optional<std::string> IconGroup(const GbkText& source, int32_t position) override {
    return IconGroupBytes(source, position);
  }
  std::string IconImage(const GbkText& source, int32_t index) override { return IconImageBytes(source, index); }
  ReducedIcon ReduceIcon(const std::string& ico) override { return ReduceIconBytes(ico); }
  bool WriteFile(const std::string& path, std::string_view bytes) override {
    return file_io::WriteWholeFile(path, bytes);
  }
  std::string CacheFolder() override { return CurrentAppDirs().dataDir; }
  std::string NewIconHash(const GbkText& baseName) override {
    return ::NewIconHash(CurrentAppDirs().dataDir, baseName);
  }
  void WriteKey(const GbkText& section, std::string_view key, const GbkText& value) override {
    category_file::Write(section, key, value);
  }
  void WriteKeys(const GbkText& section, const KeyValues& keys) override {
    std::vector<profile::KeyValue> pairs;
    for (const auto& [key, value] : keys) pairs.push_back({key, value});
    category_file::WriteKeys(section, pairs);
  }
  void ShowMessage(const GbkText& text) override { ::ShowMessage(text); }
};

}  // namespace

IntakeSystem& ProgramIntakeSystem() {
  static ProgramSystem system;
  return system;
}
