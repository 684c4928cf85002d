// src/app/menus_win.cpp
#include "app/menus_win.h"

#include <map>

namespace {

std::map<MenuId, HMENU>& Menus() {
  static std::map<MenuId, HMENU> menus;
  return menus;
}

// Inserts `entry` at the place the table gives it among the entries now present.
void InsertEntry(HMENU menu, const MenuDefinition& definition, const MenuEntry& entry) {
  UINT position = 0;
  for (const MenuEntry& other : definition.entries) {
    if (&other == &entry) break;
    bool present = other.command == Command::kNone || GetMenuState(menu, static_cast<UINT>(other.command), MF_BYCOMMAND) != 0xFFFFFFFF;
    if (present) ++position;
  }
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  if (entry.command == Command::kNone) {
    info.fMask = MIIM_FTYPE;
    info.fType = MFT_SEPARATOR;
  } else {
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE;
    info.wID = static_cast<UINT>(entry.command);
    info.dwTypeData = const_cast<char*>(entry.text);
    info.fState = ((entry.flags & kChecked) ? MFS_CHECKED : 0) | ((entry.flags & kDisabled) ? MFS_DISABLED : 0);
  }
  InsertMenuItemA(menu, position, TRUE, &info);
}

class Win32CheckMarks : public CheckMarks {
 public:
  bool isChecked(Command command) const override {
    HMENU menu = MenuOf(command);
    return menu && (GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND) & MF_CHECKED) != 0;
  }
  void setChecked(Command command, bool checked) override {
    if (HMENU menu = MenuOf(command))
      CheckMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }

 private:
  static HMENU MenuOf(Command command) {
    for (const MenuDefinition& definition : AllMenus())
      for (const MenuEntry& entry : definition.entries)
        if (entry.command == command) return MenuHandle(definition.id);
    return nullptr;
  }
};

}  // namespace

void CreateMenus() {
  for (const MenuDefinition& definition : AllMenus()) {
    HMENU menu = CreatePopupMenu();
    Menus()[definition.id] = menu;
    for (const MenuEntry& entry : definition.entries)
      if (!(entry.flags & kHidden)) InsertEntry(menu, definition, entry);
  }
}

HMENU MenuHandle(MenuId id) {
  auto it = Menus().find(id);
  return it == Menus().end() ? nullptr : it->second;
}

CheckMarks& MenuCheckMarks() {
  static Win32CheckMarks marks;
  return marks;
}

void SetMenuEntryVisible(MenuId id, Command command, bool visible) {
  HMENU menu = MenuHandle(id);
  if (!menu) return;
  bool present = GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND) != 0xFFFFFFFF;
  if (visible == present) return;
  if (!visible) {
    DeleteMenu(menu, static_cast<UINT>(command), MF_BYCOMMAND);
    return;
  }
  const MenuDefinition& definition = MenuById(id);
  for (const MenuEntry& entry : definition.entries)
    if (entry.command == command) InsertEntry(menu, definition, entry);
}

void PopUpMenuAtPointer(MenuId id, HWND owner) {
  POINT pointer{};
  GetCursorPos(&pointer);
  TrackPopupMenu(MenuHandle(id), TPM_LEFTALIGN | TPM_TOPALIGN, pointer.x, pointer.y, 0, owner, nullptr);
}
