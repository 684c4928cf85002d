// src/icons/icon_cache.h
// The icon file operations that fill the icon cache (the data directory's IconHash + ".ico",
// ".png" or ".bmp" files). Paths are byte strings in code page 936. Every file is written whole
// through file_io::WriteWholeFile. Cache names: icons/icon_hash.h. Pictures for painting:
// icons/icon_picture_win.h.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "icons/icon_hash.h"

// Writes icon group `position` (counted from 1; below 1 means 1) of `source` as an ICO file at
// `target`. The kind of the source is its last three characters in lower case: "ico" is itself
// one group; "exe", "dll" and "icl" hold their RT_GROUP_ICON resources in enumeration order; any
// other kind has none. Writes nothing, and answers false, when there is no such group, the source
// cannot be read, or the group is broken (then the caller's failure fallback applies).
bool ExtractIconGroup(const std::string& source, int position, const std::string& target);
inline bool ExtractIconGroup(const std::string& source, const std::string& target) {
  return ExtractIconGroup(source, 1, target);
}

// Writes one icon of `source` (ExtractIconA: a zero or positive index counts icons from 0, a
// negative one is a resource identifier), scaled to 128 x 128 and drawn over white, as a 24-bit
// single-image ICO whose white pixels are transparent. Writes an empty file when there is no icon.
// (Windows only; the native stand-in always writes the empty file.)
void ExtractIconImage(const std::string& source, int index, const std::string& target);

// The ICO file ExtractIconGroup writes, in memory: nothing when it would write nothing.
std::optional<std::string> IconGroupBytes(const std::string& source, int position);

// The ICO file ExtractIconImage writes, in memory: empty when there is no icon.
std::string IconImageBytes(const std::string& source, int index);

// What ReduceIconFile makes of an ICO file's bytes: the kind of cache file ("png" or "ico") and
// the bytes of stem + "." + kind; no bytes when it would write nothing (an empty file).
struct ReducedIcon {
  std::string kind;
  std::optional<std::string> bytes;
};
ReducedIcon ReduceIconBytes(std::string_view ico);

// Reduces an extracted ICO file to the one image worth keeping and answers which cache file holds
// it: "png" when the file has a PNG image (the first one, written unchanged as stem + ".png"),
// otherwise "ico" (the last of the largest images by byte size, written as the one-image ICO
// stem + ".ico", its entry saying bit count 32). `stem` is the cache folder followed by IconHash.
// An empty or unreadable file answers "ico" and writes nothing; a file with no usable image
// (not an icon, or every entry outside the file) leaves an empty stem + ".ico", which the
// caller takes for a failed extraction.
std::string ReduceIconFile(const std::string& file, const std::string& stem);

// The bytes of a 24-bit BMP file of a width x height thumbnail of an image file (GDI+ reads it,
// stretched to exactly that size, transparent areas black), or nothing when the file is not an
// image GDI+ reads. This is LoadThumbnail followed by BitmapToBmpBytes, for callers that need
// no bitmap handle. (Windows only; the native stand-in reads no image.)
std::optional<std::string> LoadThumbnailBmp(const std::string& file, int width, int height);
