// src/store/special_folder_posix.cpp
// Native stand-in: the temporary folder is $TMPDIR (or /tmp), ending in "/"; there are no
// special folders.
#include <cstdlib>

#include "store/item_store.h"

GbkText SpecialFolderPath(int folder) {
  if (folder != kTempFolder) return {};
  const char* tmp = std::getenv("TMPDIR");
  GbkText path = (tmp != nullptr && *tmp != '\0') ? tmp : "/tmp";
  if (path.back() != '/') path += '/';
  return path;
}
