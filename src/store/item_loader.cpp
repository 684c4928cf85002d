// src/store/item_loader.cpp
// ReloadItems: the ItemTable rebuilt from the open category file.
#include <cstdint>
#include <set>
#include <string>
#include <utility>

#include "platform/file_io.h"
#include "store/app_dirs.h"
#include "store/app_placeholder.h"
#include "store/ini_document.h"
#include "store/item_store.h"
#include "store/store_texts.h"

namespace {

ItemTable g_table;
// Counts reload passes. Message pumping inside a pass can start another reload (a click on a
// category label, a menu command); the older pass then stops instead of mixing the two grids.
uint64_t g_passes = 0;

// One reload and the extra passes it makes: the names whose missing icon it has already dealt
// with (extracted, or asked about), so that none is extracted or asked about twice.
struct ReloadChain {
  std::set<GbkText> handled;  // names folded to lower case, as sections match
};

// The open category file, parsed once per pass; read again only after this pass edited it.
class CategorySnapshot {
 public:
  explicit CategorySnapshot(std::string path) : path_(std::move(path)) { Load(); }
  const IniDocument& Document() {
    if (stale_) Load();
    return document_;
  }
  void MarkEdited() { stale_ = true; }

 private:
  void Load() {
    document_ = IniDocument(path_.empty() ? std::string() : file_io::ReadWholeFile(path_).value_or(std::string()));
    stale_ = false;
  }
  std::string path_;
  IniDocument document_;
  bool stale_ = false;
};

// "null" stands for nothing given.
GbkText WithoutNull(GbkText value) { return value == store_text::kNull ? GbkText() : value; }

bool TargetExists(const std::string& path) {
  return !path.empty() && (file_io::FileExists(path) || file_io::DirectoryExists(path));
}

// Has the item's icon cached again: a temporary shortcut to its target is given to the item
// maker, which extracts the icon and writes the item's keys anew. The shortcut carries the
// item's own run arguments, so that rewriting "运行参数" keeps the user's command line.
// True when the item maker ran.
bool RebuildIcon(const GbkText& name, const GbkText& target, const IniDocument& document) {
  ShortcutRequest request;
  request.shortcutPath = SpecialFolderPath(kTempFolder) + name + ".lnk";
  request.target = target;
  request.arguments = WithoutNull(document.Read(name, store_text::kArgumentsKey));
  request.iconLocation = WithoutNull(ResolveAppPlaceholder(document.Read(name, store_text::kIconSourceKey)));
  // Without the shortcut the item maker would take the missing file for a folder and make a
  // stray item of it.
  if (!seam::WriteShortcut(request)) return false;
  seam::AddItemFromPath(request.shortcutPath);
  file_io::RemoveFile(request.shortcutPath);
  return true;
}

void ClearTable() {
  for (const ItemRecord& item : g_table) seam::ReleaseItemPicture(item.picture);
  g_table.clear();
}

GbkText ExtractingCaption(int64_t j, int64_t count) {
  return store_text::kExtractingCaption + gbk::FromInteger(j * 100 / count) + "%";
}

void ReloadPass(ReloadChain& chain, int repeats) {
  const uint64_t pass = ++g_passes;
  auto superseded = [&] { return g_passes != pass; };

  CategorySnapshot snapshot(GetCurrentCategory().path);
  const std::vector<GbkText> sections = snapshot.Document().SectionNames();
  ClearTable();
  bool repeat = false;
  GridValues grid = seam::CurrentGridValues();
  if (grid.columns == 0) {
    grid.columns = 2;
    seam::SetColumnCount(2);
  }
  seam::ShowBackBuffer();

  const int32_t size = grid.iconSize;
  const int32_t nameLength = grid.nameLength;
  const int32_t columns = grid.columns;
  const std::string& dataDir = CurrentAppDirs().dataDir;
  const int64_t count = static_cast<int64_t>(sections.size());

  for (int64_t j = 1; j <= count; ++j) {
    const GbkText& name = sections[static_cast<size_t>(j - 1)];
    const IniDocument& document = snapshot.Document();
    const GbkText target = ResolveAppPlaceholder(document.Read(name, store_text::kTargetKey));
    const GbkText hash = document.Read(name, store_text::kIconHashKey);
    if (name.empty()) continue;

    if (!hash.empty() && file_io::FileExists(dataDir + hash)) {
      g_table.push_back({name, CellForSection(j, size, nameLength, columns), seam::LoadItemPicture(dataDir + hash, size)});
      continue;
    }

    // No cached icon: dealt with once per reload.
    if (!chain.handled.insert(gbk::AsciiLower(name)).second) continue;
    seam::SetCaption(ExtractingCaption(j, count));
    seam::LetMessagesRun();
    if (superseded()) return;
    if (TargetExists(target)) {
      if (RebuildIcon(name, target, document)) {
        snapshot.MarkEdited();
        repeat = true;
      }
    } else if (seam::AskYesNo(name + store_text::kTargetMissingQuestion, store_text::kReadErrorTitle)) {
      RemoveItem(name);
      snapshot.MarkEdited();
    }
    if (superseded()) return;
  }

  seam::PaintLauncher();
  seam::LetMessagesRun();
  if (superseded()) return;
  if (repeat && repeats < kMaxReloadRepeats) ReloadPass(chain, repeats + 1);
  if (!seam::SoundsOff()) seam::PlayLoadSound();
  seam::FocusCanvas();
}

}  // namespace

const ItemTable& GetItemTable() { return g_table; }

void ReloadItems() {
  ReloadChain chain;
  ReloadPass(chain, 0);
}
