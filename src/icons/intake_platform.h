// src/icons/intake_platform.h
// What taking a path in as an item asks of the system besides the icon cache: file attributes,
// the file types of HKEY_CLASSES_ROOT and the system directory. Windows: intake_platform_win.cpp.
#pragma once
#include <cstdint>
#include <optional>

#include "store/gbk_text.h"

inline constexpr uint32_t kDirectoryAttribute = 16;

// GetFileAttributesA; nothing when they cannot be read (a missing path, an empty one).
std::optional<uint32_t> PathAttributes(const GbkText& path);

// The default value of a key under HKEY_CLASSES_ROOT as text; an expandable string has its
// environment variables expanded; the empty text when the key or the value is missing or is not
// a string. The native build has no registry and answers the empty text.
GbkText ClassesRootDefaultValue(const GbkText& key);

// GetSystemDirectoryA followed by "\" (the empty text in the native build).
GbkText SystemDirectoryWithBackslash();
