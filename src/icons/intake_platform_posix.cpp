// src/icons/intake_platform_posix.cpp
// Native stand-ins: attributes from the file system, no registry, no system directory.
#include <filesystem>
#include <system_error>

#include "icons/intake_platform.h"

std::optional<uint32_t> PathAttributes(const GbkText& path) {
  if (path.empty()) return std::nullopt;
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (error || !std::filesystem::exists(status)) return std::nullopt;
  constexpr uint32_t kArchive = 32;
  return std::filesystem::is_directory(status) ? kDirectoryAttribute : kArchive;
}

GbkText ClassesRootDefaultValue(const GbkText&) { return {}; }

GbkText SystemDirectoryWithBackslash() { return {}; }
