// src/icons/pe_resources.h
// The icon groups of a Windows program or library (PE32 or PE32+), read from the file's bytes:
// headers, section table, and the resource tree (type, name, language). Groups are
// RT_GROUP_ICON (14) resources, counted in the order the system enumerates them: the entries of
// the name level as they stand in the file, named ones first. Each group's images are the
// RT_ICON (3) resources it lists by number. Broken tables never cause a read outside the file:
// a group that cannot be read whole is absent.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "icons/byte_source.h"

constexpr uint16_t kResourceTypeIcon = 3;
constexpr uint16_t kResourceTypeGroupIcon = 14;

// A resource name: a number, or a UTF-16 string.
struct ResourceName {
  bool isString = false;
  uint16_t id = 0;
  std::u16string text;
  bool operator==(const ResourceName&) const = default;
};

// The icon groups of the file in enumeration order; empty when it is not a PE file or has none.
std::vector<ResourceName> ListIconGroups(ByteSource& file);

// The icon group at a 1-based `position` of that order, assembled as an ICO file (its images in
// the group's order, each entry's size being the size of its image resource). Nothing when there
// is no such group or it is broken (short group data, a missing image, tables outside the file).
std::optional<std::string> IconGroupAsIco(ByteSource& file, int position);
