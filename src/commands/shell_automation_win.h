// src/commands/shell_automation_win.h
// The Windows Script Host shell object ("WScript.Shell" of wshom.ocx) through OLE automation,
// made once at start-up; the shortcut commands write .lnk files through it.
#pragma once
#include <windows.h>
#include <oaidl.h>

struct ShellAutomation {
  bool created = false;
  IDispatch* object = nullptr;
};

// Creates the object once (COM is initialised on this thread first); a failure is only recorded.
ShellAutomation& ProcessShellAutomation();
// Releases it (process-exit clean-up).
void ReleaseShellAutomation();
