// src/icons/md5.h
// The MD5 message digest (RFC 1321), used to name the cached icon files.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace md5 {

using Digest = std::array<uint8_t, 16>;

// Digest of `bytes`, taken as they are (no text conversion).
Digest Of(std::string_view bytes);

// The digest as 32 lowercase hexadecimal digits.
std::string Hex(std::string_view bytes);

}  // namespace md5
