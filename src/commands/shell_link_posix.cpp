// src/commands/shell_link_posix.cpp
// The native build has no shell to read shortcuts with.
#include "commands/shell_link.h"

std::optional<ShellLinkInfo> ReadShellLink(const GbkText&) { return std::nullopt; }
