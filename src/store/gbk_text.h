// src/store/gbk_text.h
// Text in code page 936 (GBK): byte strings whose double-byte characters (lead byte 0x81..0xFE,
// then one trail byte) are stepped over as units by every search, split and replace.
// Lengths and positions count bytes; find positions are 1-based (0 = not found).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using GbkText = std::string;

namespace gbk {

inline bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Bytes taken by the character starting at byte `pos` (1 or 2; 1 for a lone lead byte at the end).
size_t CharLength(std::string_view text, size_t pos);

// True when byte offset `pos` (0-based) starts a character, counting from the start of `text`.
bool IsCharBoundary(std::string_view text, size_t pos);

// 1-based byte position of `needle` in `text`, searching from 1-based `start`, only at
// character boundaries; 0 when absent or when `needle` is empty.
size_t Find(std::string_view text, std::string_view needle, size_t start = 1);

// Pieces of `text` between occurrences of `separator` (found at character boundaries).
// An empty text gives one empty piece, as a text with no separator gives itself.
std::vector<GbkText> Split(std::string_view text, std::string_view separator);

// Every occurrence of `from` (at character boundaries, left to right, not overlapping) replaced.
GbkText ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// The longest prefix of at most `maxBytes` bytes that does not cut a double-byte character.
std::string_view LeftWhole(std::string_view text, size_t maxBytes);

// ASCII letters folded to lower case; every other byte (and both bytes of a double-byte
// character) unchanged. Names compare this way.
GbkText AsciiLower(std::string_view text);
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);

// The leading decimal number: blanks skipped, optional sign, digits up to the first other
// byte; 0 when there are none. Saturates at the 32-bit range.
int32_t LeadingInteger(std::string_view text);

// Decimal text of a number.
GbkText FromInteger(long long value);

// `text` without the blanks and control bytes (<= 0x20) at its two ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace gbk
