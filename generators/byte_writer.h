// generators/byte_writer.h
// Little-endian byte assembly for the media file layouts (RIFF, ICO, BMP) and big-endian for
// Standard MIDI Files, plus patching a length field once the bytes after it are known.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace mediagen {

using Bytes = std::vector<std::uint8_t>;

class ByteWriter {
 public:
  void U8(std::uint32_t v) { bytes_.push_back(static_cast<std::uint8_t>(v)); }
  void U16(std::uint32_t v) { U8(v); U8(v >> 8); }
  void U32(std::uint32_t v) { U16(v); U16(v >> 16); }
  void I16(std::int32_t v) { U16(static_cast<std::uint32_t>(v) & 0xFFFF); }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void U16BE(std::uint32_t v) { U8(v >> 8); U8(v); }
  void U32BE(std::uint32_t v) { U16BE(v >> 16); U16BE(v); }
  void Tag(std::string_view fourcc) { for (char c : fourcc) U8(static_cast<unsigned char>(c)); }
  void Append(const Bytes& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
  void Append(std::string_view text) { for (char c : text) U8(static_cast<unsigned char>(c)); }

  // Overwrites four bytes already written at `offset`.
  void PatchU32(std::size_t offset, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }
  void PatchU32BE(std::size_t offset, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
  }

  std::size_t Size() const { return bytes_.size(); }
  const Bytes& View() const { return bytes_; }
  Bytes Take() { return std::move(bytes_); }

 private:
  Bytes bytes_;
};

}  // namespace mediagen
