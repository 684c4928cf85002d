// src/app/running_settings.h
// The running values of the preferences: read from the settings file once at start-up, then
// changed by the commands (which also write their key at once).
#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

#include "app/check_marks.h"
#include "store/gbk_text.h"

inline constexpr const char kDefaultTitle[] = "TovenkV3.16";
inline constexpr int32_t kDefaultIconSize = 64;
inline constexpr int32_t kDefaultNameLength = 16;
inline constexpr uint32_t kDefaultBackground = 13796652;  // red 44, green 133, blue 210

struct RunningSettings {
  int32_t iconSize = kDefaultIconSize;      // S, pixels
  int32_t columns = 0;                      // C; 0 is laid out as 2
  int32_t nameLength = kDefaultNameLength;  // L, bytes of a name shown
  GbkText caption = kDefaultTitle;
  int32_t ringTone = 0;                     // 0 rings tune 1
  uint32_t background = kDefaultBackground;  // COLORREF 0x00BBGGRR
};

// The process-wide running values.
RunningSettings& Running();

// Applies the stored preferences of section "类别数据" in start-up order: icon size, columns,
// name length, the three switches, title, ring tone and background colour, with their marks.
// `read` gives a key's stored value (empty when missing).
void ApplyStoredPreferences(const std::function<GbkText(std::string_view key)>& read, RunningSettings& running,
                            CheckMarks& marks);
