// src/desktop/start_with_system_win.h
// Start with the system: the value "Tovenk" under HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run.
#pragma once
#include <string>

#include "store/app_dirs.h"

inline constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValueName[] = "Tovenk";

// The text the value holds when start with the system is on: run directory + "\" + file name.
std::string StartWithSystemCommand(const AppDirs& dirs);

// True when the stored value equals that text byte for byte.
bool IsStartWithSystemSet(const AppDirs& dirs);
