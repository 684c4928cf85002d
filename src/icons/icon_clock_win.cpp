// src/icons/icon_clock_win.cpp
#include <windows.h>

#include "icons/icon_hash.h"

LocalDateTime CurrentLocalDateTime() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}
