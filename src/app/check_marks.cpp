// src/app/check_marks.cpp
#include "app/check_marks.h"

MemoryCheckMarks::MemoryCheckMarks() {
  for (const MenuDefinition& menu : AllMenus())
    for (const MenuEntry& entry : menu.entries)
      if (entry.flags & kChecked) checked_.insert(entry.command);
}
