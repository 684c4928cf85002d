// src/store/app_dirs.cpp
#include "store/app_dirs.h"

namespace {
AppDirs g_dirs;
}

AppDirs MakeAppDirs(const std::string& runDir, const std::string& exeName) {
  AppDirs dirs;
  dirs.runDir = runDir;
  while (!dirs.runDir.empty() && (dirs.runDir.back() == '\\' || dirs.runDir.back() == '/')) dirs.runDir.pop_back();
  dirs.dataDir = dirs.runDir + "\\data\\";
  dirs.settingsFile = dirs.dataDir + "data.s";
  dirs.reminderFile = dirs.dataDir + "timedata.s";
  dirs.lockFile = dirs.dataDir + "tvk.s";
  dirs.exeName = exeName;
  return dirs;
}

const AppDirs& CurrentAppDirs() { return g_dirs; }
void SetCurrentAppDirs(const AppDirs& dirs) { g_dirs = dirs; }
