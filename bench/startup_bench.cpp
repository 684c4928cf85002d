// bench/startup_bench.cpp
// Time from process start to the main window being visible, for Tovenk.exe beside this program,
// started from a fresh run folder each time (first start) and again from the same folder.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Starts the program in `runDir`, returns the milliseconds until its window is visible, then
// closes it.
double TimeToVisible(const std::string& exe) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string command = "\"" + exe + "\"";
  double start = Now();
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return -1;
  double visibleAt = -1;
  while (Now() - start < 20000) {
    HWND window = FindWindowA("TovenkMainWindow", nullptr);
    if (window && IsWindowVisible(window)) {
      visibleAt = Now() - start;
      PostMessageA(window, WM_CLOSE, 0, 0);
      break;
    }
    Sleep(1);
  }
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return visibleAt;
}

void Report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  printf("%-44s min %7.1f ms  median %7.1f ms  max %7.1f ms  (%zu runs)\n", what, times.front(),
         times[times.size() / 2], times.back(), times.size());
}

}  // namespace

int main() {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, sizeof self);
  std::string folder(self);
  folder.resize(folder.find_last_of('\\'));
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  std::string runDir = std::string(temp) + "tovenk-startup-bench";
  CreateDirectoryA(runDir.c_str(), nullptr);
  std::string exe = runDir + "\\Tovenk.exe";
  if (!CopyFileA((folder + "\\Tovenk.exe").c_str(), exe.c_str(), FALSE)) {
    printf("startup: Tovenk.exe not found beside this program\n");
    return 1;
  }
  std::vector<double> warm;
  TimeToVisible(exe);  // first start: makes the data folder
  for (int i = 0; i < 7; ++i) warm.push_back(TimeToVisible(exe));
  Report("process start -> main window visible", warm);
  return 0;
}
