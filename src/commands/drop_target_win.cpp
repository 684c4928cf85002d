// src/commands/drop_target_win.cpp
#include "commands/drop_target_win.h"

// The drop intake arrives with the item work; start-up already calls it at its place.
void InstallCanvasDrop() {}
