// src/desktop/hotkey_win.h
#pragma once
#include <windows.h>

// Registers the stored global hotkey for `mainWindow` (start-up only). On failure, or when the
// stored text is malformed, says "注册热键失败！" with the window hidden and goes on without one.
// Returns the registration id, 0 when none.
int InstallHotkey(HWND mainWindow);

// The id of the registered hotkey, 0 when none.
int HotkeyId();
