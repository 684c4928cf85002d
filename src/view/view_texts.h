// src/view/view_texts.h
// The launcher view's own texts and font names, in code page 936.
#pragma once

namespace view::text {

inline constexpr const char kSongTi[] = "\xCB\xCE\xCC\xE5";                         // 宋体
inline constexpr const char kYaHei[] = "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA";          // 微软雅黑

inline constexpr const char kCloseGlyph[] = "\xA1\xC1";                              // ×
inline constexpr const char kHideGlyph[] = "\xA3\xAD";                               // －
inline constexpr const char kSettingsTab[] = "\xC9\xE8\xD6\xC3";                     // 设置
inline constexpr const char kDisplayTab[] = "\xCF\xD4\xCA\xBE";                      // 显示
inline constexpr const char kCategoryTab[] = "\xC0\xE0\xB1\xF0";                     // 类别

inline constexpr const char kSwapPrefix[] = "\xBD\xBB\xBB\xBB\xA3\xBA";              // 交换：
inline constexpr const char kSelectFirst[] = "\xCF\xC8\xD1\xA1\xD4\xF1\xCF\xEE\xC4\xBF\xA3\xA1";  // 先选择项目！

inline constexpr const char kEllipsis[] = "...";

}  // namespace view::text
