// src/commands/input_box_posix.cpp
// The native build shows nothing: a box without a handler is cancelled.
#include <string>

#include "commands/input_box.h"

std::optional<GbkText> ShowSystemInputBox(const std::string&, const std::string&, const std::string&) {
  return std::nullopt;
}
