// src/app/check_marks.h
// The check marks of the menu entries. On Windows the menus themselves hold them
// (check_marks_win.cpp); the portable logic and its tests see only this interface.
#pragma once
#include <set>

#include "app/menu_table.h"

class CheckMarks {
 public:
  virtual ~CheckMarks() = default;
  virtual bool isChecked(Command command) const = 0;
  virtual void setChecked(Command command, bool checked) = 0;
};

// Marks kept in memory, starting as the menu table has them.
class MemoryCheckMarks : public CheckMarks {
 public:
  MemoryCheckMarks();
  bool isChecked(Command command) const override { return checked_.count(command) != 0; }
  void setChecked(Command command, bool checked) override {
    if (checked) checked_.insert(command); else checked_.erase(command);
  }

 private:
  std::set<Command> checked_;
};
