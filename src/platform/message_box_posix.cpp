// src/platform/message_box_posix.cpp
// The native build shows nothing: a box without a handler answers OK (or No for a question).
#include <string>

#include "platform/message_box.h"

BoxAnswer ShowSystemMessage(const std::string&, BoxButtons buttons) {
  return buttons == BoxButtons::kOk ? BoxAnswer::kOk : BoxAnswer::kNo;
}
