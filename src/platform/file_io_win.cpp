// src/platform/file_io_win.cpp
// Win32 file services behind file_io.h (ANSI paths, code page 936).
#include "platform/file_io.h"

#include <atomic>
#include <string>

#include <windows.h>

namespace file_io {

std::optional<std::string> ReadWholeFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size) || static_cast<uint64_t>(size.QuadPart) > kMaxWholeFileBytes) {
    CloseHandle(file);
    return std::nullopt;
  }
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  DWORD done = 0;
  bool ok = bytes.empty() || (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) != 0);
  CloseHandle(file);
  if (!ok) return std::nullopt;
  bytes.resize(done);
  return bytes;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
  if (DirectoryExists(path)) return false;
  // A name of its own for every rewrite, so two rewrites in flight never share a temporary.
  static std::atomic<unsigned> counter{0};
  std::string temp = path + ".~" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++) + ".tmp";
  HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD done = 0;
  bool ok = bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) != 0 &&
                              done == bytes.size());
  ok = ok && FlushFileBuffers(file) != 0;
  CloseHandle(file);
  if (ok) ok = MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!ok) DeleteFileA(temp.c_str());
  return ok;
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeDirectory(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != 0 || DirectoryExists(path);
}

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

std::optional<FileStamp> StampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return FileStamp{(static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                   (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime};
}

}  // namespace file_io
