// src/view/pointer_press_win.cpp
// Presses on the canvas: the window drag, the painted title-bar buttons and their menus, the
// category labels, the item selection, the category and item menus of a right press, and the
// double click that opens the selected item.
#include "app/creation_sequence_win.h"
#include "app/main_window_win.h"
#include "app/menus_win.h"
#include "commands/item_commands_win.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "store/app_placeholder.h"
#include "store/category_catalogue.h"
#include "store/category_file.h"
#include "store/item_store.h"
#include "store/store_texts.h"
#include "view/click_sound_win.h"
#include "view/launcher_view_win.h"
#include "view/pointer_state_win.h"
#include "view/view_state_win.h"

namespace {

constexpr int kCtrlAlone = 1;
constexpr char kExitQuestion[] = "\xCA\xC7\xB7\xF1\xD2\xAA\xCD\xCB\xB3\xF6\xB3\xCC\xD0\xF2\xA3\xBF";  // 是否要退出程序？

// Ctrl + press: exchanges the selected item with the partner the hint named, then reloads.
// The exchange of two sections in the category file arrives with the item order edits; until
// then the press reloads the grid only.
void ExchangeWithSwapPartner(const GbkText& /*partner*/) { ReloadItems(); }

void CloseButtonPressed() {
  HWND window = MainWindowHandle();
  if (MenuCheckMarks().isChecked(Command::kHideOnClose)) ShowWindow(window, SW_HIDE);
  DialogOpenFlag() = 1;
  const BoxAnswer answer = ShowMessage(kExitQuestion, BoxButtons::kYesNo);
  DialogOpenFlag() = 0;
  if (answer == BoxAnswer::kYes) ExitProgram();
}

void HideButtonPressed() {
  HWND window = MainWindowHandle();
  if (IsIconic(window) || IsZoomed(window)) ShowWindow(window, SW_RESTORE);
  ShowWindow(window, SW_HIDE);
}

void TitleButtonPressed(int button) {
  switch (button) {
    case view::kCloseButton:
      CloseButtonPressed();
      break;
    case view::kHideButton:
      HideButtonPressed();
      break;
    case view::kSettingsTab:
      PopUpMenuAtPointer(MenuId::kSettings, MainWindowHandle());
      break;
    case view::kDisplayTab:
      PopUpMenuAtPointer(MenuId::kDisplay, MainWindowHandle());
      break;
    case view::kCategoryTab:
      PopUpMenuAtPointer(MenuId::kCategory, MainWindowHandle());
      break;
    default:
      break;
  }
}

void CategoryLabelPressed(size_t index) {
  const CategoryList& list = GetCategoryList();
  if (index >= list.size()) return;
  // A copy: opening the category runs messages, and a rebuilt list must not pull it away.
  const GbkText name = list[index].name;
  SelectCategoryLabel(index);
  OpenCategoryFile(name, MissingFileNaming::kBareName);
}

// A folder item offers "预览内容(目录)" in its menu.
void OfferFolderOfItem(int item) {
  const ItemTable& table = GetItemTable();
  if (item < 1 || static_cast<size_t>(item) > table.size()) return;
  const GbkText target =
      ResolveAppPlaceholder(category_file::Read(table[static_cast<size_t>(item - 1)].name, store_text::kTargetKey));
  if (target.empty() || !file_io::DirectoryExists(target)) return;
  OfferFolderPreview(target + "\\");
}

}  // namespace

void CanvasLeftPress(HWND canvas, int x, int y, int keys, bool dragWindow) {
  view::PointerState& pointer = LauncherPointer();
  if (keys == kCtrlAlone) {
    const GbkText partner = pointer.swapPartnerName;
    if (view::IsItemPosition(pointer.selectedItemIndex, GetItemTable().size()) && !partner.empty()) {
      ExchangeWithSwapPartner(partner);
    } else {
      ReloadItems();
    }
    HideSwapHint();
  }

  pointer.lastPointer = WindowPoint(canvas, MAKELPARAM(static_cast<short>(x), static_cast<short>(y)));
  if (dragWindow) StartWindowDrag();

  // Hit-tested after the drag: the window may have been resized meanwhile.
  const view::PressHit hit = view::LeftPressTarget(CurrentViewState(canvas), x, y);
  switch (hit.target) {
    case view::PressTarget::TitleButton:
      TitleButtonPressed(hit.index);
      break;
    case view::PressTarget::CategoryLabel:
      CategoryLabelPressed(static_cast<size_t>(hit.index));
      break;
    case view::PressTarget::Item:
      pointer.selectedItemIndex = hit.index;
      PaintLauncher(hit.index);
      PlayClickSound();
      break;
    case view::PressTarget::Nothing:
      // The selection stays: the item commands still act on the item picked last.
      PaintLauncher(-1);
      break;
  }
}

void CanvasRightPress(HWND canvas, int x, int y, int keys) {
  switch (view::PlanRightPress(CurrentViewState(canvas), x, y)) {
    case view::RightPressPlan::CategoryMenu:
      CanvasLeftPress(canvas, x, y, keys, false);
      PopUpMenuAtPointer(MenuId::kCategory, MainWindowHandle());
      break;
    case view::RightPressPlan::ItemGrid: {
      CanvasLeftPress(canvas, x, y, keys, false);
      // The left press may have rebuilt the table: look again.
      const view::ViewState view = CurrentViewState(canvas);
      const int item = view::ItemAt(view.items, view.categoryPanelWidth, x, y);
      if (item == -1) break;
      OfferFolderOfItem(item);
      PlayClickSound();
      PopUpMenuAtPointer(MenuId::kItem, MainWindowHandle());
      break;
    }
    case view::RightPressPlan::Nothing:
      break;
  }
}

void CanvasDoubleClick(HWND canvas, int x, int y) {
  // The press before it picked the item. A double click beside the items (the title bar, the
  // labels, empty grid) must not start the item picked some time earlier.
  const view::ViewState view = CurrentViewState(canvas);
  const int item = view::ItemAt(view.items, view.categoryPanelWidth, x, y);
  const int selected = LauncherPointer().selectedItemIndex;
  if (item == -1 || item != selected) return;
  OpenItemOnWorker(selected);
}
