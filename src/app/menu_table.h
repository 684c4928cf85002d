// src/app/menu_table.h
// The main window's four menus and the tray menu, every entry in order, from one table.
#pragma once
#include <cstdint>
#include <span>

enum class MenuId : uint8_t { kSettings, kDisplay, kCategory, kItem, kTray };

// Command identifiers, as WM_COMMAND carries them.
enum class Command : uint16_t {
  kNone = 0,
  kDonate = 1000,
  kStartWithSystem = 1001,
  kSoundsOff = 1002,
  kHideOnClose = 1003,
  kAutoHide = 1004,
  kDefaultHotkeyInfo = 1005,
  kCustomHotkey = 1006,
  kCustomTitle = 1007,
  kCustomColour = 1008,
  kRandomColour = 1009,
  kReminders = 1010,
  kRepairDrop = 1011,
  kRepairTray = 1012,
  kCustomNameLength = 1013,
  kIconSize64 = 1014,
  kIconSize48 = 1015,
  kIconSize32 = 1016,
  kIconSize28 = 1017,
  kIconSize22 = 1018,
  kCustomIconSize = 1019,
  kOneColumn = 1020,
  kTwoColumns = 1021,
  kThreeColumns = 1022,
  kFourColumns = 1023,
  kCustomColumns = 1024,
  kNewCategory = 1025,
  kRenameCategory = 1026,
  kOrderCategories = 1027,
  kDeleteCategory = 1028,
  kRefreshCategories = 1029,
  kRefreshItems = 1030,
  kBatchShortcuts = 1031,
  kPreviewFolder = 1032,
  kOpenItem = 1033,
  kSimulatedRun = 1034,
  kOpenItemLocation = 1035,
  kItemStartWithSystem = 1036,
  kRenameItem = 1037,
  kChangeItemArguments = 1038,
  kChangeItemIcon = 1039,
  kDeleteItem = 1040,
  kItemShortcut = 1041,
  kMoveItemUp = 1042,
  kMoveItemDown = 1043,
  kMoveItemFirst = 1044,
  kMoveItemLast = 1045,
  kTrayShow = 1046,
  kTrayShowCentred = 1047,
  kTurnMonitorsOff = 1048,
  kExitProgram = 1049,
};

struct MenuEntry {
  Command command;    // kNone for a separator
  const char* text;   // code page 936; nullptr for a separator
  uint8_t flags;
};

inline constexpr uint8_t kChecked = 1;   // checked when the menu is made
inline constexpr uint8_t kDisabled = 2;  // shown greyed, information only
inline constexpr uint8_t kHidden = 4;    // left out until shown on purpose

struct MenuDefinition {
  MenuId id;
  const char* title;
  std::span<const MenuEntry> entries;
};

std::span<const MenuDefinition> AllMenus();
const MenuDefinition& MenuById(MenuId id);
// The entry of a command, or nullptr.
const MenuEntry* FindMenuEntry(Command command);
