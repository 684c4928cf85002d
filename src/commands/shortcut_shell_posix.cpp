// src/commands/shortcut_shell_posix.cpp
// The native build has no Script Host: there is no shell object, so no shortcut is written.
#include "commands/shortcut_writer.h"

ShortcutShell* ProcessShortcutShell() { return nullptr; }
