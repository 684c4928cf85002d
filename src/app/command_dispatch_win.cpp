// src/app/command_dispatch_win.cpp
#include "app/command_dispatch_win.h"

#include "app/main_window_win.h"

void RunMenuCommand(Command command) {
  switch (command) {
    case Command::kExitProgram:
      ExitProgram();
    default:
      break;  // the other entries arrive with their commands
  }
}
