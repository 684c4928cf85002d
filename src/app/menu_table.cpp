// src/app/menu_table.cpp
#include "app/menu_table.h"

namespace {

// 设置
constexpr MenuEntry kSettingsMenuEntries[] = {
    {Command::kDonate, "\xB8\xF8\xD7\xF7\xD5\xDF\xBE\xE8\xD6\xFA", 0},  // 给作者捐助
    {Command::kStartWithSystem, "\xC9\xE8\xD6\xC3\xBF\xAA\xBB\xFA\xC6\xF4\xB6\xAF", 0},  // 设置开机启动
    {Command::kSoundsOff, "\xB9\xD8\xB1\xD5\xC9\xF9\xD2\xF4", 0},  // 关闭声音
    {Command::kHideOnClose, "\xB9\xD8\xB1\xD5\xB4\xB0\xBF\xDA\xCA\xB1\xD2\xFE\xB2\xD8", 0},  // 关闭窗口时隐藏
    {Command::kAutoHide, "\xD7\xD4\xB6\xAF\xBA\xF3\xCC\xA8\xD2\xFE\xB2\xD8\xA3\xA8" "30\xC3\xEB\xA3\xA9", 0},  // 自动后台隐藏（30秒）
    {Command::kNone, nullptr, 0},
    {Command::kDefaultHotkeyInfo, "\xC4\xAC\xC8\xCF\xC8\xC8\xBC\xFCWin+~ \xCF\xD4\xCA\xBE\xB4\xB0\xBF\xDA", kDisabled},  // 默认热键Win+~ 显示窗口
    {Command::kCustomHotkey, "\xD7\xD4\xB6\xA8\xD2\xE5\xC8\xC8\xBC\xFC", 0},  // 自定义热键
    {Command::kCustomTitle, "\xD7\xD4\xB6\xA8\xD2\xE5\xB9\xA4\xBE\xDF\xB1\xEA\xCC\xE2", 0},  // 自定义工具标题
    {Command::kCustomColour, "\xD7\xD4\xB6\xA8\xD2\xE5\xD1\xD5\xC9\xAB", 0},  // 自定义颜色
    {Command::kRandomColour, "\xCB\xE6\xBB\xFA\xB8\xFC\xBB\xBB\xD1\xD5\xC9\xAB", 0},  // 随机更换颜色
    {Command::kReminders, "\xBC\xC6\xBB\xAE\xCC\xE1\xD0\xD1", 0},  // 计划提醒
    {Command::kNone, nullptr, 0},
    {Command::kRepairDrop, "\xD0\xDE\xB8\xB4\xCD\xCF\xD7\xA7\xD2\xEC\xB3\xA3", 0},  // 修复拖拽异常
    {Command::kRepairTray, "\xD0\xDE\xB8\xB4\xCD\xD0\xC5\xCC\xD2\xEC\xB3\xA3", 0},  // 修复托盘异常
};
// 显示
constexpr MenuEntry kDisplayMenuEntries[] = {
    {Command::kCustomNameLength, "\xD7\xD4\xB6\xA8\xD2\xE5\xCF\xEE\xC4\xBF\xB3\xA4\xB6\xC8", 0},  // 自定义项目长度
    {Command::kNone, nullptr, 0},
    {Command::kIconSize64, "\xCD\xBC\xB1\xEA\xB4\xF3\xD0\xA1 64x64", kChecked},  // 图标大小 64x64
    {Command::kIconSize48, "\xCD\xBC\xB1\xEA\xB4\xF3\xD0\xA1 48x48", 0},  // 图标大小 48x48
    {Command::kIconSize32, "\xCD\xBC\xB1\xEA\xB4\xF3\xD0\xA1 32x32", 0},  // 图标大小 32x32
    {Command::kIconSize28, "\xCD\xBC\xB1\xEA\xB4\xF3\xD0\xA1 28x28", 0},  // 图标大小 28x28
    {Command::kIconSize22, "\xCD\xBC\xB1\xEA\xB4\xF3\xD0\xA1 22x22", 0},  // 图标大小 22x22
    {Command::kCustomIconSize, "\xD7\xD4\xB6\xA8\xD2\xE5\xCD\xBC\xB1\xEA\xB4\xF3\xD0\xA1", 0},  // 自定义图标大小
    {Command::kNone, nullptr, 0},
    {Command::kOneColumn, "\xB5\xA5\xC1\xD0\xCF\xD4\xCA\xBE", 0},  // 单列显示
    {Command::kTwoColumns, "\xCB\xAB\xC1\xD0\xCF\xD4\xCA\xBE", kChecked},  // 双列显示
    {Command::kThreeColumns, "\xC8\xFD\xC1\xD0\xCF\xD4\xCA\xBE", 0},  // 三列显示
    {Command::kFourColumns, "\xCB\xC4\xC1\xD0\xCF\xD4\xCA\xBE", 0},  // 四列显示
    {Command::kCustomColumns, "\xD7\xD4\xB6\xA8\xD2\xE5\xC1\xD0\xCA\xFD", 0},  // 自定义列数
};
// 类别
constexpr MenuEntry kCategoryMenuEntries[] = {
    {Command::kNewCategory, "\xD0\xC2\xBD\xA8\xC0\xE0\xB1\xF0", 0},  // 新建类别
    {Command::kRenameCategory, "\xB8\xC4\xC3\xFB\xC0\xE0\xB1\xF0", 0},  // 改名类别
    {Command::kOrderCategories, "\xC0\xE0\xB1\xF0\xC5\xC5\xD0\xF2", 0},  // 类别排序
    {Command::kDeleteCategory, "\xC9\xBE\xB3\xFD\xC0\xE0\xB1\xF0", 0},  // 删除类别
    {Command::kRefreshCategories, "\xCB\xA2\xD0\xC2\xC0\xE0\xB1\xF0\xCF\xEE\xC4\xBF", 0},  // 刷新类别项目
    {Command::kRefreshItems, "\xCB\xA2\xD0\xC2\xCF\xEE\xC4\xBF", 0},  // 刷新项目
    {Command::kNone, nullptr, 0},
    {Command::kBatchShortcuts, "\xC5\xFA\xC1\xBF\xC9\xFA\xB3\xC9\xBF\xEC\xBD\xDD\xB7\xBD\xCA\xBD", 0},  // 批量生成快捷方式
};
// 项目
constexpr MenuEntry kItemMenuEntries[] = {
    {Command::kPreviewFolder, "\xD4\xA4\xC0\xC0\xC4\xDA\xC8\xDD(\xC4\xBF\xC2\xBC)", kHidden},  // 预览内容(目录)
    {Command::kOpenItem, "\xB4\xF2\xBF\xAA\xCF\xEE\xC4\xBF", 0},  // 打开项目
    {Command::kSimulatedRun, "\xCA\xD6\xB6\xAF\xD4\xCB\xD0\xD0(\xC4\xA3\xC4\xE2)", 0},  // 手动运行(模拟)
    {Command::kOpenItemLocation, "\xB4\xF2\xBF\xAA\xCE\xC4\xBC\xFE\xCE\xBB\xD6\xC3", 0},  // 打开文件位置
    {Command::kItemStartWithSystem, "\xC9\xE8\xD6\xC3\xBF\xAA\xBB\xFA\xC6\xF4\xB6\xAF", 0},  // 设置开机启动
    {Command::kRenameItem, "\xB8\xFC\xB8\xC4\xCF\xEE\xC4\xBF\xC3\xFB\xB3\xC6", 0},  // 更改项目名称
    {Command::kChangeItemArguments, "\xB8\xFC\xB8\xC4\xCF\xEE\xC4\xBF\xC3\xFC\xC1\xEE\xD0\xD0", 0},  // 更改项目命令行
    {Command::kChangeItemIcon, "\xB8\xFC\xB8\xC4/\xD7\xD4\xB6\xA8\xD2\xE5\xCD\xBC\xB1\xEA", 0},  // 更改/自定义图标
    {Command::kDeleteItem, "\xC9\xBE\xB3\xFD\xCF\xEE\xC4\xBF", 0},  // 删除项目
    {Command::kItemShortcut, "\xC9\xFA\xB3\xC9\xBF\xEC\xBD\xDD\xB7\xBD\xCA\xBD", 0},  // 生成快捷方式
    {Command::kNone, nullptr, 0},
    {Command::kMoveItemUp, "\xCF\xF2\xC9\xCF\xD2\xC6\xB6\xAF", 0},  // 向上移动
    {Command::kMoveItemDown, "\xCF\xF2\xCF\xC2\xD2\xC6\xB6\xAF", 0},  // 向下移动
    {Command::kMoveItemFirst, "\xD2\xC6\xD6\xC1\xCA\xD7\xCE\xBB", 0},  // 移至首位
    {Command::kMoveItemLast, "\xD2\xC6\xD6\xC1\xC4\xA9\xCE\xB2", 0},  // 移至末尾
};
// 托盘右键
constexpr MenuEntry kTrayMenuEntries[] = {
    {Command::kTrayShow, "\xCF\xD4\xCA\xBE\xB4\xB0\xBF\xDA(\xBD\xF6\xCF\xD4\xCA\xBE)", 0},  // 显示窗口(仅显示)
    {Command::kTrayShowCentred, "\xCF\xD4\xCA\xBE\xB4\xB0\xBF\xDA(\xBE\xD3\xD6\xD0)", 0},  // 显示窗口(居中)
    {Command::kNone, nullptr, 0},
    {Command::kTurnMonitorsOff, "\xB9\xD8\xB1\xD5\xCF\xD4\xCA\xBE\xC6\xF7", 0},  // 关闭显示器
    {Command::kExitProgram, "\xCD\xCB\xB3\xF6\xB3\xCC\xD0\xF2", 0},  // 退出程序
};

constexpr MenuDefinition kMenus[] = {
    {MenuId::kSettings, "\xC9\xE8\xD6\xC3", kSettingsMenuEntries},  // 设置
    {MenuId::kDisplay, "\xCF\xD4\xCA\xBE", kDisplayMenuEntries},  // 显示
    {MenuId::kCategory, "\xC0\xE0\xB1\xF0", kCategoryMenuEntries},  // 类别
    {MenuId::kItem, "\xCF\xEE\xC4\xBF", kItemMenuEntries},  // 项目
    {MenuId::kTray, "\xCD\xD0\xC5\xCC\xD3\xD2\xBC\xFC", kTrayMenuEntries},  // 托盘右键
};

}  // namespace

std::span<const MenuDefinition> AllMenus() { return kMenus; }

const MenuDefinition& MenuById(MenuId id) {
  for (const MenuDefinition& menu : kMenus)
    if (menu.id == id) return menu;
  return kMenus[0];
}

const MenuEntry* FindMenuEntry(Command command) {
  for (const MenuDefinition& menu : kMenus)
    for (const MenuEntry& entry : menu.entries)
      if (entry.command == command && command != Command::kNone) return &entry;
  return nullptr;
}
