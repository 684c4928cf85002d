// src/store/settings_file.h
// The settings file data\data.s: its two sections, its keys, and the read/write helpers every
// command goes through. Reads give the empty text for anything missing; writes create what is
// needed and are not reported when they fail.
#pragma once
#include <string_view>

#include "store/gbk_text.h"

namespace settings {

// Section and key names, code page 936.
inline constexpr const char kCategorySection[] = "\xC0\xE0\xB1\xF0\xCA\xFD\xBE\xDD";  // 类别数据
inline constexpr const char kWindowSection[] = "\xB4\xB0\xBF\xDA\xCA\xFD\xBE\xDD";    // 窗口数据
inline constexpr const char kCategories[] = "\xC0\xE0\xB1\xF0";                        // 类别
inline constexpr const char kLastOpened[] = "\xC9\xCF\xB4\xCE\xB4\xF2\xBF\xAA";        // 上次打开
inline constexpr const char kIconSize[] = "\xCD\xBC\xC6\xAC\xB4\xF3\xD0\xA1";          // 图片大小
inline constexpr const char kColumns[] = "\xBA\xE1\xCF\xF2\xCD\xBC\xB1\xEA\xC1\xD0\xCA\xFD";  // 横向图标列数
inline constexpr const char kNameLength[] = "\xCF\xEE\xC4\xBF\xCF\xD4\xCA\xBE\xB3\xA4\xB6\xC8";  // 项目显示长度
inline constexpr const char kSound[] = "\xC9\xF9\xD2\xF4";                               // 声音
inline constexpr const char kHideOnClose[] = "\xB9\xD8\xB1\xD5\xB4\xB0\xBF\xDA\xCA\xB1\xD2\xFE\xB2\xD8";  // 关闭窗口时隐藏
inline constexpr const char kAutoHide[] = "\xD7\xD4\xB6\xAF\xBA\xF3\xCC\xA8\xD2\xFE\xB2\xD8";  // 自动后台隐藏
inline constexpr const char kTitle[] = "\xB1\xEA\xCC\xE2";                               // 标题
inline constexpr const char kRingTone[] = "\xCC\xE1\xD0\xD1\xD2\xF4";                   // 提醒音
inline constexpr const char kBackground[] = "\xB1\xB3\xBE\xB0\xD1\xD5\xC9\xAB";         // 背景颜色
inline constexpr const char kHotkey[] = "\xC8\xC8\xBC\xFC";                              // 热键
inline constexpr const char kLeft[] = "\xD7\xF3\xB1\xDF";                                // 左边
inline constexpr const char kTop[] = "\xB6\xA5\xB1\xDF";                                 // 顶边
inline constexpr const char kWidth[] = "\xBF\xED";                                       // 宽
inline constexpr const char kHeight[] = "\xB8\xDF";                                      // 高

// Stored switch values.
inline constexpr const char kOn[] = "T";
inline constexpr const char kOff[] = "F";

GbkText Read(std::string_view section, std::string_view key);
void Write(std::string_view section, std::string_view key, std::string_view value);

}  // namespace settings
