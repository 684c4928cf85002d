// src/commands/shell_automation_win.cpp
#include "commands/shell_automation_win.h"

#include <objbase.h>

ShellAutomation& ProcessShellAutomation() {
  static ShellAutomation shell = [] {
    ShellAutomation made;
    CoInitialize(nullptr);
    CLSID clsid;
    if (SUCCEEDED(CLSIDFromProgID(L"WScript.Shell", &clsid)) &&
        SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                   reinterpret_cast<void**>(&made.object))))
      made.created = made.object != nullptr;
    return made;
  }();
  return shell;
}

void ReleaseShellAutomation() {
  ShellAutomation& shell = ProcessShellAutomation();
  if (shell.object) shell.object->Release();
  shell.object = nullptr;
  shell.created = false;
}
