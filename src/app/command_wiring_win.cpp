// src/app/command_wiring_win.cpp
// Which function each menu entry runs. One line per entry; the handlers live with the part of
// the program that owns them.
#include "app/command_dispatch_win.h"
#include "app/main_window_win.h"

void WireMenuCommands() {
  SetCommandHandler(Command::kExitProgram, [] { ExitProgram(); });
}
