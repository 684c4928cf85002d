// src/store/folder_listing.h
// The files of a folder that match a wildcard pattern, as find-first/find-next give them.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace folder_listing {

// File names (without their folder) matching `pattern`, a folder path followed by a name with
// "*" and "?" wildcards (e.g. C:\L\data\*.ini), letters matched without regard to case, in the
// order the file system returns them. Folders are left out; a missing folder gives no names.
std::vector<std::string> FilesMatching(const std::string& pattern);

// Wildcard match of one name: "*" any run of bytes, "?" any one byte, ASCII case ignored.
bool WildcardMatches(std::string_view pattern, std::string_view name);

}  // namespace folder_listing
