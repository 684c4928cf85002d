// src/commands/input_box.cpp
#include "commands/input_box.h"

#include <string>
#include <utility>

// The system's box, in input_box_win.cpp (or its native stand-in).
std::optional<GbkText> ShowSystemInputBox(const std::string& prompt, const std::string& title,
                                          const std::string& initial);

namespace {
InputBoxHandler& Handler() {
  static InputBoxHandler handler;
  return handler;
}
}  // namespace

std::optional<GbkText> AskForText(std::string_view prompt, std::string_view title, std::string_view initial) {
  if (Handler()) return Handler()(prompt, title, initial);
  return ShowSystemInputBox(std::string(prompt), std::string(title), std::string(initial));
}

void SetInputBoxHandler(InputBoxHandler handler) { Handler() = std::move(handler); }
