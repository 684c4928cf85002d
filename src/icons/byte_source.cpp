// src/icons/byte_source.cpp
#include "icons/byte_source.h"

#include "icons/byte_layout.h"

bool MemoryByteSource::Read(uint64_t offset, uint64_t length, std::string& out) {
  if (!byte_layout::Fits(offset, length, bytes_.size())) return false;
  out.assign(bytes_.substr(static_cast<size_t>(offset), static_cast<size_t>(length)));
  return true;
}

FileByteSource::FileByteSource(const std::string& path) : stream_(path, std::ios::binary) {
  if (!stream_.is_open()) return;
  stream_.seekg(0, std::ios::end);
  std::streamoff end = stream_.tellg();
  if (end > 0) size_ = static_cast<uint64_t>(end);
  stream_.clear();
}

bool FileByteSource::Read(uint64_t offset, uint64_t length, std::string& out) {
  if (!IsOpen() || !byte_layout::Fits(offset, length, size_)) return false;
  out.resize(static_cast<size_t>(length));
  stream_.clear();
  stream_.seekg(static_cast<std::streamoff>(offset));
  if (length == 0) return true;
  stream_.read(out.data(), static_cast<std::streamsize>(length));
  return stream_.gcount() == static_cast<std::streamsize>(length);
}
