// src/store/folder_listing_posix.cpp
// Native stand-in for find-first/find-next. Like file_io_posix.cpp it takes "\" for an ordinary
// byte of a name, so a Windows-style path such as /tmp/t/run\data\*.ini names the files of
// /tmp/t whose names begin with "run\data\"; the part after that prefix is the file name.
// Names come back sorted, so that tests see one order.
#include "store/folder_listing.h"

#include <algorithm>

#include <dirent.h>
#include <sys/stat.h>

namespace folder_listing {

std::vector<std::string> FilesMatching(const std::string& pattern) {
  std::vector<std::string> names;
  const size_t slash = pattern.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : pattern.substr(0, slash + 1);
  const std::string rest = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  const size_t backslash = rest.rfind('\\');
  const std::string prefix = backslash == std::string::npos ? "" : rest.substr(0, backslash + 1);
  const std::string wildcard = rest.substr(prefix.size());

  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (dirent* entry = readdir(dir)) {
    std::string entryName = entry->d_name;
    if (entryName.compare(0, prefix.size(), prefix) != 0) continue;
    std::string name = entryName.substr(prefix.size());
    if (name.find('\\') != std::string::npos || !WildcardMatches(wildcard, name)) continue;
    struct stat st {};
    if (stat((folder + entryName).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace folder_listing
