// src/commands/folder_chooser.h
// The folder chooser of the shortcut commands: the system's folder browser with the prompt as its
// title, owned by the active window, the program's other top-level windows disabled while it is
// open, and DialogOpenFlag at 1 meanwhile. Tests answer it through SetFolderChooserHandler.
#pragma once
#include <functional>
#include <string_view>

#include "store/gbk_text.h"

// The chosen folder, or the empty text when the user cancelled (always empty in the native build
// unless a handler answers).
GbkText ChooseFolder(std::string_view prompt);

// Replaces the system's browser (nullptr restores it). The handler gets the prompt.
using FolderChooserHandler = std::function<GbkText(std::string_view prompt)>;
void SetFolderChooserHandler(FolderChooserHandler handler);
const FolderChooserHandler& CurrentFolderChooserHandler();
