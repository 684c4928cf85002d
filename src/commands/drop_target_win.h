// src/commands/drop_target_win.h
// Files dropped on a window reach a callback, one call per file: the drop target hooks the
// window (WS_EX_ACCEPTFILES and a window procedure of its own in front of the window's), reads
// each WM_DROPFILES and hands the files over. The canvas "画板2" is hooked this way with the
// launcher's callback, which turns every dropped file into an item.
#pragma once
#include <windows.h>

#include "commands/drop_registry.h"

// Works on the process-wide DropTargetRegistry; it has no state of its own.
class DropTarget {
 public:
  virtual ~DropTarget() = default;
  virtual void release() {}
  virtual DropTarget copy() const { return *this; }
  // Makes the window accept dropped files and hands each one to `callback`. A window that is
  // already hooked is left as it is.
  virtual void installDropHook(HWND window, DropCallback callback);
  // Puts back the window procedure and the extended style the window had before its hook and
  // forgets the window. A window that is not hooked is left as it is.
  virtual void removeDropHook(HWND window);
};

// The procedure that installDropHook puts in front of a hooked window's own.
LRESULT CALLBACK DropHookWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The launcher's callback (DropIntake with the program's item store, intake and message box).
int32_t LauncherDropCallback(int32_t count, int32_t position, const GbkText& path, const GbkText& extension);

// Removes and installs the drop hook on the canvas "画板2" (start-up and "修复拖拽异常").
void InstallCanvasDrop();
