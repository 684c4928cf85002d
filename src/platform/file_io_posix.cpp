// src/platform/file_io_posix.cpp
// POSIX stand-in for the Win32 file services, used by the native build and its tests.
#include "platform/file_io.h"

#include <atomic>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace file_io {

std::optional<std::string> ReadWholeFile(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  if (static_cast<uint64_t>(st.st_size) > kMaxWholeFileBytes) return std::nullopt;
  int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (;;) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) { close(fd); return std::nullopt; }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
    if (bytes.size() > kMaxWholeFileBytes) { close(fd); return std::nullopt; }
  }
  close(fd);
  return bytes;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
  if (DirectoryExists(path)) return false;
  // A name of its own for every rewrite, so two rewrites in flight never share a temporary.
  static std::atomic<unsigned> counter{0};
  std::string temp = path + ".~" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
  int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) { close(fd); unlink(temp.c_str()); return false; }
    done += static_cast<size_t>(n);
  }
  if (fsync(fd) != 0 || close(fd) != 0) { unlink(temp.c_str()); return false; }
  if (rename(temp.c_str(), path.c_str()) != 0) { unlink(temp.c_str()); return false; }
  return true;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeDirectory(const std::string& path) {
  if (mkdir(path.c_str(), 0755) == 0) return true;
  return DirectoryExists(path);
}

bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }

std::optional<FileStamp> StampOf(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return FileStamp{static_cast<uint64_t>(st.st_size),
                   static_cast<uint64_t>(st.st_mtim.tv_sec) * 1000000000ull + static_cast<uint64_t>(st.st_mtim.tv_nsec)};
}

}  // namespace file_io
