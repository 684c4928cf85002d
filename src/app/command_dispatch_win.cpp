// src/app/command_dispatch_win.cpp
#include "app/command_dispatch_win.h"

#include <map>

namespace {
std::map<Command, CommandHandler>& Handlers() {
  static std::map<Command, CommandHandler> handlers;
  return handlers;
}
}  // namespace

void SetCommandHandler(Command command, CommandHandler handler) { Handlers()[command] = handler; }

void RunMenuCommand(Command command) {
  auto it = Handlers().find(command);
  if (it != Handlers().end() && it->second) it->second();
}
