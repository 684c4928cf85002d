// tests/tools/arg_recorder.cpp
// A window-less program for the tests that start items: it writes what it was started with into
// "<its own path>.args" and ends. Line 1: the command line after the program's own name, as
// the system handed it over (empty when there were no arguments); line 2: the current folder.
// The file is written under a temporary name and then moved into place, so a test that sees it
// sees it whole.
#include <windows.h>

#include <string>

namespace {

// The command line without the program's name (quoted or not) and the blanks after it.
const char* ArgumentsOf(const char* line) {
  if (*line == '"') {
    ++line;
    while (*line && *line != '"') ++line;
    if (*line == '"') ++line;
  } else {
    while (*line && *line != ' ' && *line != '\t') ++line;
  }
  while (*line == ' ' || *line == '\t') ++line;
  return line;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char self[MAX_PATH * 2] = {};
  GetModuleFileNameA(nullptr, self, sizeof self - 1);
  char folder[MAX_PATH * 2] = {};
  GetCurrentDirectoryA(sizeof folder - 1, folder);
  const std::string record = std::string(ArgumentsOf(GetCommandLineA())) + "\r\n" + folder + "\r\n";

  const std::string target = std::string(self) + ".args";
  const std::string temporary = target + ".tmp";
  HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  return MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
