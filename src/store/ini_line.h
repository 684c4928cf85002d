// src/store/ini_line.h
// The grammar of one line of a profile (INI) file, shared by the document index and by the
// checks on lines about to be written. Lines end at CR, LF or CR LF. Blanks are the bytes up to
// 0x20 (control bytes and NUL included).
#pragma once
#include <cstddef>
#include <string_view>

#include "store/gbk_text.h"

namespace ini {

enum class LineKind {
  kBlank,    // nothing but blanks
  kComment,  // first non-blank byte is ';'
  kSection,  // first non-blank byte is '[' and a ']' follows; the name lies between '[' and the last ']'
  kKey,      // anything else: the name before the first '=', the value after it; a line without
             // '=' is a key without a value (the profile functions find it, and reads give "")
};

// Byte range [begin, end) inside the line.
struct Span {
  size_t begin = 0;
  size_t end = 0;
  size_t size() const { return end - begin; }
};

struct LineParts {
  LineKind kind = LineKind::kBlank;
  Span name;   // section or key name, blanks around it removed
  Span value;  // key value, blanks around it removed; for an empty value, where one would go
  bool hasEquals = false;
};

// `line` is one line's content without its terminator.
LineParts ParseLine(std::string_view line);

inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// End of the content of the line starting at `pos` (the first CR or LF, or the end of the text).
size_t LineContentEnd(std::string_view text, size_t pos);
// Start of the next line: just past the CR, LF or CR LF at `contentEnd` (the end of the text when
// the line has no terminator).
size_t NextLineStart(std::string_view text, size_t contentEnd);

// A section or key name passed in by a caller, as the profile functions see it: up to its first
// NUL (they take C strings), without the blanks at its two ends.
std::string_view NameArgument(std::string_view name);
// Text up to its first NUL.
std::string_view UpToNul(std::string_view text);

// Names compare with ASCII letters folded (double-byte characters compared as bytes).
inline GbkText FoldName(std::string_view name) { return gbk::AsciiLower(name); }

}  // namespace ini
