// src/commands/shell_link.cpp
#include "commands/shell_link.h"

#include <cstring>

namespace {
// A shortcut file begins with its header size, 0x4C, then the class id of the shell link
// {00021401-0000-0000-C000-000000000046}.
constexpr unsigned char kLinkHeaderStart[20] = {0x4C, 0x00, 0x00, 0x00, 0x01, 0x14, 0x02, 0x00, 0x00, 0x00,
                                                0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr size_t kHeaderSize = 0x4C;
constexpr size_t kShowCommandOffset = 0x3C;
}  // namespace

std::optional<int32_t> ShowCommandInLinkBytes(std::string_view bytes) {
  if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), kLinkHeaderStart, sizeof kLinkHeaderStart) != 0)
    return std::nullopt;
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[kShowCommandOffset + i]);
  return static_cast<int32_t>(value);
}
