// src/app/command_wiring_win.cpp
// Which function each menu entry runs. One line per entry; the handlers live with the part of
// the program that owns them.
#include "app/command_dispatch_win.h"
#include "app/main_window_win.h"
#include "commands/drop_target_win.h"
#include "commands/item_commands_win.h"
#include "commands/shortcut_commands.h"
#include "view/launcher_view_win.h"

void WireMenuCommands() {
  SetCommandHandler(Command::kExitProgram, [] { ExitProgram(); });
  SetCommandHandler(Command::kRepairDrop, [] { InstallCanvasDrop(); });
  SetCommandHandler(Command::kPreviewFolder, [] { RunPreviewFolderCommand(); });
  SetCommandHandler(Command::kOpenItem, [] { RunOpenItemCommand(SelectedItemIndex()); });
  SetCommandHandler(Command::kSimulatedRun, [] { RunSimulatedRunCommand(SelectedItemIndex()); });
  SetCommandHandler(Command::kOpenItemLocation, [] { RunShowItemInFolderCommand(SelectedItemIndex()); });
  SetCommandHandler(Command::kItemStartWithSystem, [] { RunItemStartWithSystemCommand(); });
  SetCommandHandler(Command::kRenameItem, [] { RunRenameItemCommand(SelectedItemIndex()); });
  SetCommandHandler(Command::kChangeItemArguments, [] { RunChangeItemArgumentsCommand(SelectedItemIndex()); });
  SetCommandHandler(Command::kDeleteItem, [] { RunDeleteItemCommand(SelectedItemIndex()); });
  SetCommandHandler(Command::kItemShortcut, [] { RunItemShortcutCommand(SelectedItemIndex()); });
  SetCommandHandler(Command::kBatchShortcuts, [] { RunBatchShortcutsCommand(); });
}
