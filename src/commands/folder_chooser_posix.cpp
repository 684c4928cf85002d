// src/commands/folder_chooser_posix.cpp
// No folder browser in the native build: only a test's handler chooses.
#include "commands/folder_chooser.h"

GbkText ChooseFolder(std::string_view prompt) {
  const FolderChooserHandler& handler = CurrentFolderChooserHandler();
  return handler ? handler(prompt) : GbkText();
}
