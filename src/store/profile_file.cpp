// src/store/profile_file.cpp
// Reads go through a small cache of parsed files, each checked against the file's size and
// write time before use, so the many reads of one category file parse it once. Writes always
// start from the bytes on disk and then refresh the cache.
#include "store/profile_file.h"

#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include "platform/file_io.h"
#include "store/ini_document.h"
#include "store/ini_line.h"

namespace profile {

namespace {

constexpr size_t kCachedFiles = 8;

struct CachedFile {
  std::string path;
  file_io::FileStamp stamp;
  std::shared_ptr<const IniDocument> document;  // shared with snapshots handed out
};

// Most recently used first. Worker threads read files too, hence the lock.
std::mutex gCacheMutex;
std::list<CachedFile> gCache;

// The file name as the profile functions take it: up to a NUL, leading blanks skipped.
std::string FileName(const std::string& path) {
  std::string_view name = ini::UpToNul(path);
  while (!name.empty() && ini::IsBlank(name.front())) name.remove_prefix(1);
  return std::string(name);
}

std::list<CachedFile>::iterator Find(const std::string& path) {
  for (auto it = gCache.begin(); it != gCache.end(); ++it) {
    if (it->path == path) return it;
  }
  return gCache.end();
}

void Forget(const std::string& path) {
  auto it = Find(path);
  if (it != gCache.end()) gCache.erase(it);
}

std::shared_ptr<const IniDocument> Remember(const std::string& path, const file_io::FileStamp& stamp,
                                            IniDocument document) {
  Forget(path);
  gCache.push_front(CachedFile{path, stamp, std::make_shared<const IniDocument>(std::move(document))});
  if (gCache.size() > kCachedFiles) gCache.pop_back();
  return gCache.front().document;
}

// The parsed file as it is on disk now; null when it is missing or cannot be read.
std::shared_ptr<const IniDocument> CurrentDocument(const std::string& path) {
  std::optional<file_io::FileStamp> stamp = file_io::StampOf(path);
  auto cached = Find(path);
  if (stamp && cached != gCache.end() && cached->stamp == *stamp) {
    gCache.splice(gCache.begin(), gCache, cached);
    return cached->document;
  }
  // Stamped before reading: a change during the read shows up as a new stamp next time.
  std::optional<std::string> bytes = stamp ? file_io::ReadWholeFile(path) : std::nullopt;
  if (!bytes) {
    Forget(path);
    return nullptr;
  }
  return Remember(path, *stamp, IniDocument(std::move(*bytes)));
}

}  // namespace

GbkText Read(const std::string& path, std::string_view section, std::string_view key) {
  std::string file = FileName(path);
  if (file.empty() || ini::NameArgument(section).empty() || ini::NameArgument(key).empty()) return {};
  std::lock_guard<std::mutex> lock(gCacheMutex);
  std::shared_ptr<const IniDocument> document = CurrentDocument(file);
  return document ? document->Read(section, key) : GbkText();
}

bool Write(const std::string& path, std::string_view section, std::string_view key, std::string_view value) {
  const KeyValue one[] = {{key, value}};
  return WriteKeys(path, section, one);
}

bool WriteKeys(const std::string& path, std::string_view section, std::span<const KeyValue> keys) {
  std::string file = FileName(path);
  if (file.empty()) return false;
  std::lock_guard<std::mutex> lock(gCacheMutex);
  // From the bytes on disk, not the cache: a change by another program within the stamp's
  // resolution must not be written over.
  std::optional<file_io::FileStamp> stamp = file_io::StampOf(file);
  std::optional<std::string> bytes = file_io::ReadWholeFile(file);
  if (!bytes) {
    // A file that is there but cannot be read (locked, too large, a folder) is never replaced.
    if (file_io::FileExists(file) || file_io::DirectoryExists(file)) return false;
    bytes.emplace();
  }
  IniDocument document(std::move(*bytes));
  bool refused = false;
  bool changed = false;
  for (const KeyValue& key : keys) {
    switch (document.Write(section, key.key, key.value)) {
      case IniDocument::WriteResult::kRefused:
        refused = true;
        break;
      case IniDocument::WriteResult::kUnchanged:
        break;
      case IniDocument::WriteResult::kChanged:
        changed = true;
        break;
    }
  }
  // Unchanged, the file already says so: it and its write time are left alone.
  if (changed) {
    if (!file_io::WriteWholeFile(file, document.Bytes())) {
      Forget(file);
      return false;
    }
    stamp = file_io::StampOf(file);
  }
  if (stamp) {
    Remember(file, *stamp, std::move(document));
  } else {
    Forget(file);
  }
  return !refused;
}

std::vector<GbkText> SectionNames(const std::string& path) {
  std::string file = FileName(path);
  if (file.empty()) return {};
  std::lock_guard<std::mutex> lock(gCacheMutex);
  std::shared_ptr<const IniDocument> document = CurrentDocument(file);
  return document ? document->SectionNames() : std::vector<GbkText>();
}

std::shared_ptr<const IniDocument> Snapshot(const std::string& path) {
  std::string file = FileName(path);
  std::shared_ptr<const IniDocument> document;
  if (!file.empty()) {
    std::lock_guard<std::mutex> lock(gCacheMutex);
    document = CurrentDocument(file);
  }
  return document ? document : std::make_shared<const IniDocument>();
}

}  // namespace profile
