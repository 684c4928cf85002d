// src/store/app_placeholder.cpp
#include "store/app_placeholder.h"

#include "store/app_dirs.h"

namespace {
GbkText RunDirWithBackslash() { return CurrentAppDirs().runDir + "\\"; }
}  // namespace

GbkText ResolveAppPlaceholder(std::string_view storedPath) {
  return gbk::ReplaceAll(storedPath, kAppPlaceholder, RunDirWithBackslash());
}

GbkText ToAppPlaceholder(std::string_view path) {
  // An unset run directory would turn every lone "\" into the placeholder.
  if (CurrentAppDirs().runDir.empty()) return GbkText(path);
  return gbk::ReplaceAll(path, RunDirWithBackslash(), kAppPlaceholder);
}
