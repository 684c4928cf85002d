// src/icons/byte_layout.h
// Little-endian fields of the file layouts the icon code reads and writes (ICO, BMP, PE). Every
// read is checked against the end of the bytes: a field that does not fit reads as nothing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace byte_layout {

// True when [offset, offset + length) lies inside a buffer of `size` bytes (no overflow).
inline bool Fits(uint64_t offset, uint64_t length, uint64_t size) {
  return offset <= size && length <= size - offset;
}

inline std::optional<uint8_t> U8(std::string_view bytes, uint64_t offset) {
  if (!Fits(offset, 1, bytes.size())) return std::nullopt;
  return static_cast<uint8_t>(bytes[offset]);
}
inline std::optional<uint16_t> U16(std::string_view bytes, uint64_t offset) {
  if (!Fits(offset, 2, bytes.size())) return std::nullopt;
  return static_cast<uint16_t>(uint8_t(bytes[offset]) | uint8_t(bytes[offset + 1]) << 8);
}
inline std::optional<uint32_t> U32(std::string_view bytes, uint64_t offset) {
  if (!Fits(offset, 4, bytes.size())) return std::nullopt;
  return uint32_t(uint8_t(bytes[offset])) | uint32_t(uint8_t(bytes[offset + 1])) << 8 |
         uint32_t(uint8_t(bytes[offset + 2])) << 16 | uint32_t(uint8_t(bytes[offset + 3])) << 24;
}
inline uint32_t BigU32(std::string_view bytes, size_t offset) {  // caller checked the bounds
  return uint32_t(uint8_t(bytes[offset])) << 24 | uint32_t(uint8_t(bytes[offset + 1])) << 16 |
         uint32_t(uint8_t(bytes[offset + 2])) << 8 | uint32_t(uint8_t(bytes[offset + 3]));
}

inline void PutU8(std::string& out, uint8_t value) { out += static_cast<char>(value); }
inline void PutU16(std::string& out, uint16_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}
inline void PutU32(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace byte_layout
