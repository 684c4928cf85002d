// src/platform/file_io.h
// Whole-file reads and safe whole-file rewrites. Paths are byte strings in the system's ANSI
// code page (936 on the target). Implemented per platform in file_io_win.cpp / file_io_posix.cpp.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace file_io {

// Files larger than this are never read into memory nor rewritten: a read treats them as
// unreadable and a rewrite refuses, so such a file keeps its bytes.
constexpr uint64_t kMaxWholeFileBytes = 64ull * 1024 * 1024;

// The whole content, or nothing when the path is missing, is a folder, cannot be read or is
// larger than kMaxWholeFileBytes.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file's content with `bytes`: writes a temporary file in the same folder, flushes
// it to disk and moves it over the old file, so a failure at any point leaves the old file whole.
// False (and the old file untouched) on any failure, including when `path` is a folder.
bool WriteWholeFile(const std::string& path, std::string_view bytes);

bool FileExists(const std::string& path);       // a file, not a folder
bool DirectoryExists(const std::string& path);
bool MakeDirectory(const std::string& path);  // true when it exists afterwards
bool RemoveFile(const std::string& path);

// Size in bytes and last-write stamp, for noticing that a file changed under us.
struct FileStamp {
  uint64_t size = 0;
  uint64_t writeTime = 0;
  bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> StampOf(const std::string& path);

}  // namespace file_io
