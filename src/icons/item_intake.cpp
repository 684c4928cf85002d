// src/icons/item_intake.cpp
#include "icons/item_intake.h"

#include <functional>

#include "icons/file_type_icon.h"
#include "icons/intake_platform.h"
#include "icons/item_naming.h"
#include "store/app_placeholder.h"
#include "store/store_texts.h"

namespace {

// Icon groups of shell32.dll, counted from 1 in resource order.
constexpr int32_t kBlankDocumentGroup = 1;
constexpr int32_t kApplicationGroup = 3;
constexpr int32_t kFolderGroup = 4;
constexpr int32_t kThumbnailSize = 256;
static_assert(kThumbnailSize == 256, "the thumbnail reader is asked for 256 x 256");

enum class FailureCheck { kNone, kReport };

// One call of AddItemFromPath: the values worked out at its start and the steps shared by its
// kinds of path.
class Intake {
 public:
  Intake(IntakeSystem& system, const GbkText& path, IntakeNaming naming)
      : system_(system), path_(path), naming_(naming), names_(NamesOfPath(path)) {
    hash_ = system_.NewIconHash(names_.baseName);
    stem_ = system_.CacheFolder() + hash_;
    cacheIcon_ = stem_ + ".ico";
    shell32_ = system_.SystemDirectory() + "shell32.dll";
  }

  void Run() {
    const std::optional<uint32_t> attributes = system_.Attributes(path_);
    if (IsFolder(attributes)) {
      section_ = names_.displayName;
      Key(store_text::kTargetKey, ToAppPlaceholder(path_));
      system_.ExtractIconGroup(shell32_, kFolderGroup, cacheIcon_);
      Finish(FailureCheck::kNone);
    } else if (std::optional<std::string> thumbnail = system_.ThumbnailBmp(path_)) {
      section_ = names_.baseName;
      Key(store_text::kTargetKey, ToAppPlaceholder(path_));
      CacheThumbnail(*thumbnail);
    } else if (names_.extension == "lnk") {
      TakeShortcut();
    } else if (names_.extension == "exe") {
      section_ = names_.baseName;
      Key(store_text::kTargetKey, ToAppPlaceholder(path_));
      Key(store_text::kArgumentsKey, store_text::kNull);
      system_.ExtractIconGroup(path_, 1, cacheIcon_);
      if (system_.IsMissingOrEmpty(cacheIcon_)) system_.ExtractIconGroup(shell32_, kApplicationGroup, cacheIcon_);
      Finish(FailureCheck::kReport);
    } else {
      section_ = names_.baseName;
      Key(store_text::kTargetKey, ToAppPlaceholder(path_));
      ExtractFileTypeIcon(names_.extension);
      Finish(FailureCheck::kReport);
    }
  }

 private:
  static bool IsFolder(const std::optional<uint32_t>& attributes) {
    return !attributes || (*attributes & kDirectoryAttribute) != 0;
  }

  void TakeShortcut() {
    // A shortcut that cannot be read points nowhere, which counts as a folder below.
    const ShellLinkInfo link = system_.ReadShortcut(path_).value_or(ShellLinkInfo{});
    const PathNames target = NamesOfPath(link.target, /*replaceBrackets=*/false);
    const GbkText storedTarget = ToAppPlaceholder(link.target);

    if (IsFolder(system_.Attributes(link.target))) {
      section_ = names_.baseName;
      Key(store_text::kTargetKey, storedTarget);
      system_.ExtractIconGroup(shell32_, kFolderGroup, cacheIcon_);
      Finish(FailureCheck::kNone);
      return;
    }
    if (target.extension != "exe") {
      // Named after the document itself; its brackets are replaced like those of any item name,
      // since a section name holding "]" could not be read back.
      section_ = naming_ == IntakeNaming::kKeepShortcutName ? names_.baseName : WithoutBrackets(target.baseName);
      Key(store_text::kTargetKey, storedTarget);
      if (std::optional<std::string> thumbnail = system_.ThumbnailBmp(link.target)) {
        CacheThumbnail(*thumbnail);
        return;
      }
      ExtractFileTypeIcon(target.extension);
      Finish(FailureCheck::kReport);
      return;
    }
    section_ = names_.baseName;
    Key(store_text::kTargetKey, storedTarget);
    Key(store_text::kArgumentsKey, link.arguments.empty() ? GbkText(store_text::kNull) : link.arguments);
    if (link.iconLocation.empty() || link.iconLocation == ",0") {
      system_.ExtractIconGroup(link.target, 1, cacheIcon_);
      if (system_.IsMissingOrEmpty(cacheIcon_)) FailureFallback();
      Finish(FailureCheck::kReport);
      return;
    }
    const IconLocationParts icon = SplitIconLocation(link.iconLocation).value_or(IconLocationParts{link.iconLocation, 0});
    system_.ExtractIconImage(icon.path, icon.index, cacheIcon_);
    Finish(FailureCheck::kReport, [&] { Key(store_text::kIconSourceKey, ToAppPlaceholder(link.iconLocation)); });
  }

  void ExtractFileTypeIcon(std::string_view extension) {
    const FileTypeIcon icon = FileTypeIconOf(
        extension, [&](const GbkText& key) { return system_.ClassesRootDefault(key); },
        [&](const GbkText& file) { return system_.FileExists(file); });
    if (icon.pick.kind == IconPick::Kind::kImage)
      system_.ExtractIconImage(icon.pick.source, icon.pick.number, cacheIcon_);
    else
      system_.ExtractIconGroup(icon.pick.source, icon.pick.number, cacheIcon_);
    if (icon.reportEmptyResult && system_.FileExists(cacheIcon_) && system_.IsMissingOrEmpty(cacheIcon_))
      FailureFallback();
  }

  void CacheThumbnail(const std::string& bmp) {
    system_.WriteFile(stem_ + ".bmp", bmp);
    Key(store_text::kIconHashKey, hash_ + ".bmp");
  }

  // The extracted icon becomes its cached form; "图标hash" names it.
  void Finish(FailureCheck check, const std::function<void()>& beforeHash = {}) {
    if (system_.ReduceIconFile(cacheIcon_, stem_) == "png") {
      system_.RemoveFile(cacheIcon_);
      if (beforeHash) beforeHash();
      Key(store_text::kIconHashKey, hash_ + ".png");
      return;
    }
    // A fallback here is not reduced: the cache icon keeps every image of that group.
    if (check == FailureCheck::kReport && system_.IsMissingOrEmpty(cacheIcon_)) FailureFallback();
    if (beforeHash) beforeHash();
    Key(store_text::kIconHashKey, hash_ + ".ico");
  }

  void FailureFallback() {
    system_.ShowMessage(kIconFailedMessage + path_);
    system_.ExtractIconGroup(shell32_, kBlankDocumentGroup, cacheIcon_);
  }

  void Key(std::string_view key, const GbkText& value) { system_.WriteKey(section_, key, value); }

  IntakeSystem& system_;
  const GbkText path_;
  const IntakeNaming naming_;
  const PathNames names_;
  std::string hash_;
  std::string stem_;
  std::string cacheIcon_;
  GbkText shell32_;
  GbkText section_;
};

}  // namespace

void AddItemFromPathWith(IntakeSystem& system, const GbkText& path, IntakeNaming naming) {
  Intake(system, path, naming).Run();
}

void AddItemFromPath(const GbkText& path) { AddItemFromPathWith(ProgramIntakeSystem(), path); }

void RebuildItemFromShortcut(const GbkText& shortcutPath) {
  AddItemFromPathWith(ProgramIntakeSystem(), shortcutPath, IntakeNaming::kKeepShortcutName);
}
