// src/store/item_loader.cpp
// ReloadItems: the ItemTable rebuilt from the open category file.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_io.h"
#include "store/app_dirs.h"
#include "store/app_placeholder.h"
#include "store/ini_document.h"
#include "store/item_store.h"
#include "store/store_texts.h"

namespace {

ItemTable g_table;

// What each picture of the table was made from, in table order. Decoding a cached icon is most
// of a reload's time, and cache files are never rewritten under the same name (a rebuilt icon
// gets a new IconHash), so the next reload of the same category reuses a picture whose file, icon
// size, file size and write time are unchanged.
struct PictureSource {
  std::string file;
  int32_t size = 0;
  file_io::FileStamp stamp;
};
std::vector<PictureSource> g_sources;
std::string g_tablePath;  // the category file the table was loaded from
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
  g_sources.clear();
}

// The pictures of the table that a pass replaces, while the pass may still take them again;
// those it does not take are released when it is done with them, however the pass ends. A pass
// over another category or at another icon size releases them all at once, as nothing of them
// can be reused, so no more pictures are alive than the two tables' items.
class ReusablePictures {
 public:
  ReusablePictures(const std::string& categoryPath, int32_t size) {
    if (categoryPath != g_tablePath || categoryPath.empty()) {
      ClearTable();
    } else {
      for (size_t i = 0; i < g_table.size(); ++i) {
        if (g_sources[i].size == size && g_table[i].picture != 0)
          byFile_.emplace(g_sources[i].file, Kept{g_sources[i].stamp, g_table[i].picture});
        else
          seam::ReleaseItemPicture(g_table[i].picture);
      }
      g_table.clear();
      g_sources.clear();
    }
    g_tablePath = categoryPath;
  }
  ~ReusablePictures() { ReleaseRest(); }
  ReusablePictures(const ReusablePictures&) = delete;
  ReusablePictures& operator=(const ReusablePictures&) = delete;

  // The kept picture of this file made at this stamp, handed over; 0 when there is none.
  ItemPictureHandle Take(const std::string& file, const file_io::FileStamp& stamp) {
    auto [first, last] = byFile_.equal_range(file);
    for (auto it = first; it != last; ++it) {
      if (it->second.stamp == stamp) {
        ItemPictureHandle picture = it->second.picture;
        byFile_.erase(it);
        return picture;
      }
    }
    return 0;
  }
  void ReleaseRest() {
    for (const auto& [file, kept] : byFile_) seam::ReleaseItemPicture(kept.picture);
    byFile_.clear();
  }

 private:
  struct Kept {
    file_io::FileStamp stamp;
    ItemPictureHandle picture;
  };
  std::multimap<std::string, Kept> byFile_;  // two items may share one cache file
};

GbkText ExtractingCaption(int64_t j, int64_t count) {
  return store_text::kExtractingCaption + gbk::FromInteger(j * 100 / count) + "%";
}

void ReloadPass(ReloadChain& chain, int repeats) {
  const uint64_t pass = ++g_passes;
  auto superseded = [&] { return g_passes != pass; };

  const std::string categoryPath = GetCurrentCategory().path;
  CategorySnapshot snapshot(categoryPath);
  const std::vector<GbkText> sections = snapshot.Document().SectionNames();
  bool repeat = false;
  GridValues grid = seam::CurrentGridValues();
  ReusablePictures previous(categoryPath, grid.iconSize);
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

    const std::optional<file_io::FileStamp> cached =
        hash.empty() ? std::nullopt : file_io::StampOf(dataDir + hash);  // a file, not a folder
    if (cached) {
      const std::string file = dataDir + hash;
      ItemPictureHandle picture = previous.Take(file, *cached);
      if (picture == 0) picture = seam::LoadItemPicture(file, size);
      g_table.push_back({name, CellForSection(j, size, nameLength, columns), picture});
      g_sources.push_back({file, size, *cached});
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
  previous.ReleaseRest();

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
