// src/app/command_dispatch_win.h
// Menu commands reach their handlers through one table that each part of the program fills in
// (app/command_wiring_win.cpp), so the window procedure knows no command by itself.
#pragma once
#include "app/menu_table.h"

using CommandHandler = void (*)();

void SetCommandHandler(Command command, CommandHandler handler);

// Runs the handler of a menu entry; entries without one do nothing.
void RunMenuCommand(Command command);

// Fills the table (called once at start-up, before the menus can be used).
void WireMenuCommands();
