// src/store/app_dirs.h
// Where the program keeps its files: the run directory (the executable's folder, no trailing
// backslash) and below it the data directory "data\" with the settings, reminder and lock files.
#pragma once
#include <string>

struct AppDirs {
  std::string runDir;        // e.g. C:\Tools\Tovenk
  std::string dataDir;       // runDir + "\data\"
  std::string settingsFile;  // runDir + "\data\data.s"
  std::string reminderFile;  // runDir + "\data\timedata.s"
  std::string lockFile;      // runDir + "\data\tvk.s"
  std::string exeName;       // the executable's file name, e.g. Tovenk.exe
};

// Fills every path from the run directory (a trailing backslash is dropped) and the file name.
AppDirs MakeAppDirs(const std::string& runDir, const std::string& exeName);

// The process-wide directories, set once at start-up.
const AppDirs& CurrentAppDirs();
void SetCurrentAppDirs(const AppDirs& dirs);
