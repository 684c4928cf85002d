// src/app/menus_win.h
// The popup menus of the main window, made once from the menu table.
#pragma once
#include <windows.h>

#include "app/check_marks.h"
#include "app/menu_table.h"

void CreateMenus();
HMENU MenuHandle(MenuId id);

// The marks as the menus hold them.
CheckMarks& MenuCheckMarks();

// Shows or hides an entry that the table marks hidden (it is left out of the menu while hidden).
void SetMenuEntryVisible(MenuId menu, Command command, bool visible);

// Pops `id` up at the pointer, owned by `owner`; WM_COMMAND goes to `owner`.
void PopUpMenuAtPointer(MenuId id, HWND owner);
