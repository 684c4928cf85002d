// src/platform/message_box_win.cpp
#include <windows.h>

#include <string>

#include "platform/message_box.h"

BoxAnswer ShowSystemMessage(const std::string& text, BoxButtons buttons) {
  UINT style = MB_TASKMODAL | (buttons == BoxButtons::kYesNo ? MB_YESNO : MB_OK);
  int answer = MessageBoxA(nullptr, text.c_str(), kMessageCaption, style);
  if (buttons == BoxButtons::kOk) return BoxAnswer::kOk;
  return answer == IDYES ? BoxAnswer::kYes : BoxAnswer::kNo;
}
