// src/platform/message_box.cpp
#include "platform/message_box.h"

#include <string>
#include <utility>

// The system box, in message_box_win.cpp (or its native stand-in).
BoxAnswer ShowSystemMessage(const std::string& text, BoxButtons buttons);

namespace {
MessageBoxHandler& Handler() {
  static MessageBoxHandler handler;
  return handler;
}
}  // namespace

BoxAnswer ShowMessage(std::string_view text, BoxButtons buttons) {
  if (Handler()) return Handler()(text, buttons);
  return ShowSystemMessage(std::string(text), buttons);
}

void SetMessageBoxHandler(MessageBoxHandler handler) { Handler() = std::move(handler); }
