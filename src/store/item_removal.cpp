// src/store/item_removal.cpp
// Remove item: the cached icon and the item's block of the open category file.
#include "platform/file_io.h"
#include "store/app_dirs.h"
#include "store/item_store.h"
#include "store/store_texts.h"

namespace {

// "图标hash" names a file inside the data folder; anything with a folder part in it is not
// followed, so a damaged value cannot delete a file elsewhere.
bool IsPlainFileName(const GbkText& name) {
  return !name.empty() && name != "." && name != ".." && gbk::Find(name, "\\") == 0 && gbk::Find(name, "/") == 0 &&
         gbk::Find(name, ":") == 0;
}

}  // namespace

bool RemoveItem(const GbkText& name) {
  const std::string path = GetCurrentCategory().path;
  if (path.empty()) return false;
  const GbkText hash = category_file::Read(name, store_text::kIconHashKey);
  if (IsPlainFileName(hash)) file_io::RemoveFile(CurrentAppDirs().dataDir + hash);
  // The whole file, zero bytes and all: only the item's own block may go.
  const std::optional<std::string> text = file_io::ReadWholeFile(path);
  if (!text) return false;
  return file_io::WriteWholeFile(path, WithoutSectionBlock(*text, name));
}
