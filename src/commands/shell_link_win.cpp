// src/commands/shell_link_win.cpp
// Shortcut files read through the shell's own link object (IShellLinkA + IPersistFile::Load).
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>
#include <vector>

#include "commands/shell_link.h"
#include "platform/file_io.h"

namespace {

std::wstring Wide(const GbkText& text) {
  int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

// Arguments may be far longer than a path.
constexpr int kArgumentsBuffer = 32768;

ShellLinkInfo FieldsOf(IShellLinkA* link, const GbkText& path) {
  ShellLinkInfo info;
  std::vector<char> buffer(kArgumentsBuffer, '\0');
  if (SUCCEEDED(link->GetPath(buffer.data(), MAX_PATH, nullptr, 0))) info.target = buffer.data();
  buffer[0] = '\0';
  if (SUCCEEDED(link->GetArguments(buffer.data(), kArgumentsBuffer))) info.arguments = buffer.data();
  buffer[0] = '\0';
  if (SUCCEEDED(link->GetWorkingDirectory(buffer.data(), MAX_PATH))) info.workingDirectory = buffer.data();
  buffer[0] = '\0';
  int index = 0;
  if (FAILED(link->GetIconLocation(buffer.data(), MAX_PATH, &index))) buffer[0] = '\0', index = 0;
  info.iconLocation = GbkText(buffer.data()) + "," + std::to_string(index);
  auto bytes = file_io::ReadWholeFile(path);
  std::optional<int32_t> style = bytes ? ShowCommandInLinkBytes(*bytes) : std::nullopt;
  if (style) {
    info.windowStyle = *style;
  } else {
    int showCommand = 0;
    if (SUCCEEDED(link->GetShowCmd(&showCommand))) info.windowStyle = showCommand;
  }
  return info;
}

}  // namespace

std::optional<ShellLinkInfo> ReadShellLink(const GbkText& path) {
  HRESULT initialised = CoInitialize(nullptr);
  std::optional<ShellLinkInfo> info;
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      std::wstring widePath = Wide(path);
      if (SUCCEEDED(file->Load(widePath.c_str(), STGM_READ))) info = FieldsOf(link, path);
      file->Release();
    }
    link->Release();
  }
  if (SUCCEEDED(initialised)) CoUninitialize();
  return info;
}
