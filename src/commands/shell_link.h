// src/commands/shell_link.h
// Reading a shortcut file (".lnk") back: where it points, with what arguments and which icon.
// Paths are byte strings in code page 936.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "store/gbk_text.h"

struct ShellLinkInfo {
  GbkText target;
  GbkText arguments;
  GbkText workingDirectory;
  // The icon's file, a comma and its index: ",0" when the shortcut has no icon of its own.
  GbkText iconLocation;
  int32_t windowStyle = 0;  // the show command stored in the file
};

// The shortcut's fields (IShellLinkA loaded through IPersistFile), or nothing when the file
// cannot be loaded as a shortcut. The native build reads none.
std::optional<ShellLinkInfo> ReadShellLink(const GbkText& path);

// The show command of a shortcut file's header (32 bits at offset 0x3C), or nothing when the
// bytes are not a shortcut header. Read from the bytes because some shells answer a fixed value.
std::optional<int32_t> ShowCommandInLinkBytes(std::string_view bytes);
