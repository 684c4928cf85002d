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
  void ExtractIconGroup(const GbkText& source, int32_t position, const std::string& target) override {
    ::ExtractIconGroup(source, position, target);
  }
  void ExtractIconImage(const GbkText& source, int32_t index, const std::string& target) override {
    ::ExtractIconImage(source, index, target);
  }
  std::string ReduceIconFile(const std::string& file, const std::string& stem) override {
    return ::ReduceIconFile(file, stem);
  }
  bool IsMissingOrEmpty(const std::string& file) override {
    std::optional<file_io::FileStamp> stamp = file_io::StampOf(file);
    return !stamp || stamp->size == 0;
  }
  void WriteFile(const std::string& path, std::string_view bytes) override { file_io::WriteWholeFile(path, bytes); }
  void RemoveFile(const std::string& path) override { file_io::RemoveFile(path); }
  std::string CacheFolder() override { return CurrentAppDirs().dataDir; }
  std::string NewIconHash(const GbkText& baseName) override {
    return ::NewIconHash(CurrentAppDirs().dataDir, baseName);
  }
  void WriteKey(const GbkText& section, std::string_view key, const GbkText& value) override {
    category_file::Write(section, key, value);
  }
  void ShowMessage(const GbkText& text) override { ::ShowMessage(text); }
};

}  // namespace

IntakeSystem& ProgramIntakeSystem() {
  static ProgramSystem system;
  return system;
}
