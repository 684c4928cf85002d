// src/store/settings_file.cpp
#include "store/settings_file.h"

#include "store/app_dirs.h"
#include "store/profile_file.h"

namespace settings {

GbkText Read(std::string_view section, std::string_view key) {
  return profile::Read(CurrentAppDirs().settingsFile, section, key);
}

void Write(std::string_view section, std::string_view key, std::string_view value) {
  profile::Write(CurrentAppDirs().settingsFile, section, key, value);
}

}  // namespace settings
