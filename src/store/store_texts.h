// src/store/store_texts.h
// The fixed texts of the category catalogue and the item store, in code page 936: the keys of an
// item's section, the stored-order separator and the messages these two show.
#pragma once

namespace store_text {

// Keys of an item's section in a category file.
inline constexpr const char kTargetKey[] = "\xCE\xC4\xBC\xFE\xCE\xBB\xD6\xC3";     // 文件位置
inline constexpr const char kArgumentsKey[] = "\xD4\xCB\xD0\xD0\xB2\xCE\xCA\xFD";  // 运行参数
inline constexpr const char kIconSourceKey[] = "\xCD\xBC\xB1\xEA\xCE\xBB\xD6\xC3";  // 图标位置
inline constexpr const char kIconHashKey[] = "\xCD\xBC\xB1\xEA" "hash";             // 图标hash
// "运行参数" and "图标位置" hold this when nothing is given.
inline constexpr const char kNull[] = "null";

// Ends every category name in the stored order (settings key "类别").
inline constexpr const char kOrderSeparator[] = "#@#@#";
inline constexpr const char kCategoryExtension[] = ".ini";

// "载入配置文件失败 " + file or category name + " 文件不存在！"
inline constexpr const char kLoadFailedBefore[] =
    "\xD4\xD8\xC8\xEB\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE\xCA\xA7\xB0\xDC ";  // 载入配置文件失败
inline constexpr const char kLoadFailedAfter[] =
    " \xCE\xC4\xBC\xFE\xB2\xBB\xB4\xE6\xD4\xDA\xA3\xA1";  // 文件不存在！
// "抽取图标 " + percentage + "%", the caption while icons are extracted.
inline constexpr const char kExtractingCaption[] = "\xB3\xE9\xC8\xA1\xCD\xBC\xB1\xEA ";  // 抽取图标
// Item name + " 项目文件不存在！是否删除项目？", titled "读取错误".
inline constexpr const char kTargetMissingQuestion[] =
    " \xCF\xEE\xC4\xBF\xCE\xC4\xBC\xFE\xB2\xBB\xB4\xE6\xD4\xDA\xA3\xA1"
    "\xCA\xC7\xB7\xF1\xC9\xBE\xB3\xFD\xCF\xEE\xC4\xBF\xA3\xBF";  // 项目文件不存在！是否删除项目？
inline constexpr const char kReadErrorTitle[] = "\xB6\xC1\xC8\xA1\xB4\xED\xCE\xF3";  // 读取错误

// Markers given to TextBetween may write a double quote as this text.
inline constexpr const char kQuoteWord[] = "#\xD2\xFD\xBA\xC5";  // #引号

}  // namespace store_text
