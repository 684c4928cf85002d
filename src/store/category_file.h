// src/store/category_file.h
// Reads and writes of the open category file (the CurrentCategory's path), with the same
// profile-file semantics as the settings helpers. With no category open a read gives the empty
// text, a write does nothing and the section listing is empty.
#pragma once
#include <span>
#include <string_view>
#include <vector>

#include "store/gbk_text.h"
#include "store/profile_file.h"

namespace category_file {

GbkText Read(std::string_view section, std::string_view key);
// False when nothing was written (no category open, or the write failed).
bool Write(std::string_view section, std::string_view key, std::string_view value);
// Several keys of one section in order, with one rewrite of the file (profile::WriteKeys).
bool WriteKeys(std::string_view section, std::span<const profile::KeyValue> keys);
// The section names of the open category file, in file order; empty when the file is missing.
std::vector<GbkText> SectionNames();

}  // namespace category_file
