// src/app/command_dispatch_win.h
#pragma once
#include "app/menu_table.h"

// Runs the command of a menu entry.
void RunMenuCommand(Command command);
