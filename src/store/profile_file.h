// src/store/profile_file.h
// Profile-file reads and writes by path, the way the Windows profile functions do them, through
// IniDocument. A missing file reads as empty; a write creates it. Writes go through
// file_io::WriteWholeFile, so a failed write leaves the old file whole.
#pragma once
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/gbk_text.h"
#include "store/ini_document.h"

namespace profile {

GbkText Read(const std::string& path, std::string_view section, std::string_view key);
bool Write(const std::string& path, std::string_view section, std::string_view key, std::string_view value);

// Several keys of one section, set in order as that many Writes would set them, with one
// rewrite of the file. A key that Write would refuse is left out and the answer is false.
struct KeyValue {
  std::string_view key;
  std::string_view value;
};
bool WriteKeys(const std::string& path, std::string_view section, std::span<const KeyValue> keys);
std::vector<GbkText> SectionNames(const std::string& path);

// The file as it is now, parsed, for many reads in a row (a whole item list, say): one check of
// the file on disk instead of one per read. A missing or unreadable file gives an empty document.
// The snapshot does not follow later changes of the file.
std::shared_ptr<const IniDocument> Snapshot(const std::string& path);

}  // namespace profile
