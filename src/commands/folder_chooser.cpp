// src/commands/folder_chooser.cpp
#include "commands/folder_chooser.h"

#include <utility>

namespace {
FolderChooserHandler& Handler() {
  static FolderChooserHandler handler;
  return handler;
}
}  // namespace

void SetFolderChooserHandler(FolderChooserHandler handler) { Handler() = std::move(handler); }
const FolderChooserHandler& CurrentFolderChooserHandler() { return Handler(); }
