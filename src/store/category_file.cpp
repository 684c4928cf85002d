// src/store/category_file.cpp
#include "store/category_file.h"

#include "store/category_catalogue.h"
#include "store/profile_file.h"

namespace category_file {

GbkText Read(std::string_view section, std::string_view key) {
  const std::string& path = GetCurrentCategory().path;
  if (path.empty()) return {};
  return profile::Read(path, section, key);
}

bool Write(std::string_view section, std::string_view key, std::string_view value) {
  const std::string& path = GetCurrentCategory().path;
  if (path.empty()) return false;
  return profile::Write(path, section, key, value);
}

bool WriteKeys(std::string_view section, std::span<const profile::KeyValue> keys) {
  const std::string& path = GetCurrentCategory().path;
  if (path.empty()) return false;
  return profile::WriteKeys(path, section, keys);
}

std::vector<GbkText> SectionNames() {
  const std::string& path = GetCurrentCategory().path;
  if (path.empty()) return {};
  return profile::SectionNames(path);
}

}  // namespace category_file
