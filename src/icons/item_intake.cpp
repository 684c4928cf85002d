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
    shell32_ = system_.SystemDirectory() + "shell32.dll";
  }

  void Run() {
    TakePath();
    WriteKeys();
  }

 private:
  void TakePath() {
    const std::optional<uint32_t> attributes = system_.Attributes(path_);
    if (IsFolder(attributes)) {
      section_ = names_.displayName;
      Key(store_text::kTargetKey, ToAppPlaceholder(path_));
      TakeGroup(shell32_, kFolderGroup);
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
      TakeGroup(path_, 1);
      if (IconMissingOrEmpty()) TakeGroup(shell32_, kApplicationGroup);
      Finish(FailureCheck::kReport);
    } else {
      section_ = names_.baseName;
      Key(store_text::kTargetKey, ToAppPlaceholder(path_));
      ExtractFileTypeIcon(names_.extension);
      Finish(FailureCheck::kReport);
    }
  }

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
      TakeGroup(shell32_, kFolderGroup);
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
      TakeGroup(link.target, 1);
      if (IconMissingOrEmpty()) FailureFallback();
      Finish(FailureCheck::kReport);
      return;
    }
    const IconLocationParts icon = SplitIconLocation(link.iconLocation).value_or(IconLocationParts{link.iconLocation, 0});
    TakeImage(icon.path, icon.index);
    Finish(FailureCheck::kReport, [&] { Key(store_text::kIconSourceKey, ToAppPlaceholder(link.iconLocation)); });
  }

  void ExtractFileTypeIcon(std::string_view extension) {
    const FileTypeIcon icon = FileTypeIconOf(
        extension, [&](const GbkText& key) { return system_.ClassesRootDefault(key); },
        [&](const GbkText& file) { return system_.FileExists(file); });
    if (icon.pick.kind == IconPick::Kind::kImage)
      TakeImage(icon.pick.source, icon.pick.number);
    else
      TakeGroup(icon.pick.source, icon.pick.number);
    if (icon.reportEmptyResult && cacheIcon_ && cacheIcon_->empty()) FailureFallback();
  }

  void CacheThumbnail(const std::string& bmp) {
    system_.WriteFile(stem_ + ".bmp", bmp);
    Key(store_text::kIconHashKey, hash_ + ".bmp");
  }

  // The cache icon (IconHash + ".ico") is kept in memory until the item is finished: an
  // extraction that finds nothing leaves it as it was, one that finds an empty icon empties it.
  void TakeGroup(const GbkText& source, int32_t position) {
    if (std::optional<std::string> group = system_.IconGroup(source, position)) cacheIcon_ = std::move(*group);
  }
  void TakeImage(const GbkText& source, int32_t index) { cacheIcon_ = system_.IconImage(source, index); }
  bool IconMissingOrEmpty() const { return !cacheIcon_ || cacheIcon_->empty(); }

  // The extracted icon becomes its cached form, written once; "图标hash" names it.
  void Finish(FailureCheck check, const std::function<void()>& beforeHash = {}) {
    if (!IconMissingOrEmpty()) {
      ReducedIcon reduced = system_.ReduceIcon(*cacheIcon_);
      if (reduced.kind == "png" && reduced.bytes) {
        if (system_.WriteFile(stem_ + ".png", *reduced.bytes)) {
          if (beforeHash) beforeHash();
          Key(store_text::kIconHashKey, hash_ + ".png");
          return;
        }
        // The PNG could not be written: the icon is cached unreduced.
      } else if (reduced.bytes) {
        cacheIcon_ = std::move(*reduced.bytes);
      }
    }
    // A fallback here is not reduced: the cache icon keeps every image of that group.
    if (check == FailureCheck::kReport && IconMissingOrEmpty()) FailureFallback();
    if (cacheIcon_) system_.WriteFile(stem_ + ".ico", *cacheIcon_);
    if (beforeHash) beforeHash();
    Key(store_text::kIconHashKey, hash_ + ".ico");
  }

  void FailureFallback() {
    system_.ShowMessage(kIconFailedMessage + path_);
    TakeGroup(shell32_, kBlankDocumentGroup);
  }

  // The keys are set in order as the item is made and written together at its end: one rewrite
  // of the category file per item instead of one per key, and no half-made section if the icon
  // work is cut short.
  void Key(std::string_view key, const GbkText& value) { keys_.push_back({section_, {std::string(key), value}}); }
  void WriteKeys() {
    for (size_t begin = 0, end = 0; begin < keys_.size(); begin = end) {
      IntakeSystem::KeyValues run;
      for (end = begin; end < keys_.size() && keys_[end].first == keys_[begin].first; ++end)
        run.push_back(keys_[end].second);
      system_.WriteKeys(keys_[begin].first, run);
    }
  }

  IntakeSystem& system_;
  const GbkText path_;
  const IntakeNaming naming_;
  const PathNames names_;
  std::string hash_;
  std::string stem_;
  std::optional<std::string> cacheIcon_;  // the cache icon's bytes; nothing while there is none
  GbkText shell32_;
  GbkText section_;
  std::vector<std::pair<GbkText, std::pair<std::string, GbkText>>> keys_;  // section, key, value
};

}  // namespace

void AddItemFromPathWith(IntakeSystem& system, const GbkText& path, IntakeNaming naming) {
  Intake(system, path, naming).Run();
}

void AddItemFromPath(const GbkText& path) { AddItemFromPathWith(ProgramIntakeSystem(), path); }

void RebuildItemFromShortcut(const GbkText& shortcutPath) {
  AddItemFromPathWith(ProgramIntakeSystem(), shortcutPath, IntakeNaming::kKeepShortcutName);
}
