// src/icons/byte_source.h
// Random access to the bytes of a file or a buffer, for reading programs and libraries whose
// size may be far beyond what we would read whole (a PE file's icons are a few small pieces).
#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t Size() const = 0;
  // Fills `out` with `length` bytes from `offset`; false (and `out` unspecified) when they do
  // not all lie inside the source or cannot be read.
  virtual bool Read(uint64_t offset, uint64_t length, std::string& out) = 0;
};

class MemoryByteSource : public ByteSource {
 public:
  explicit MemoryByteSource(std::string_view bytes) : bytes_(bytes) {}
  uint64_t Size() const override { return bytes_.size(); }
  bool Read(uint64_t offset, uint64_t length, std::string& out) override;

 private:
  std::string_view bytes_;
};

// A file opened for reading by its path in the system's ANSI code page; Size() is 0 when it
// could not be opened.
class FileByteSource : public ByteSource {
 public:
  explicit FileByteSource(const std::string& path);
  bool IsOpen() const { return stream_.is_open(); }
  uint64_t Size() const override { return size_; }
  bool Read(uint64_t offset, uint64_t length, std::string& out) override;

 private:
  std::ifstream stream_;
  uint64_t size_ = 0;
};
