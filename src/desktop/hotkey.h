// src/desktop/hotkey.h
// The global hotkey as the settings store it: "<modifier code>+<key code>", both decimal, where
// the modifier code adds Ctrl 1, Shift 2, Alt 4, Win 8. Empty means Win + the key left of "1".
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

struct HotkeyCombination {
  int32_t modifierCode = 8;
  int32_t keyCode = 192;
  bool operator==(const HotkeyCombination&) const = default;
};

// The combination to register, or nothing when the stored text does not split at "+" into
// exactly two pieces (then nothing is registered).
std::optional<HotkeyCombination> ParseStoredHotkey(std::string_view stored);

// The modifier code translated bit by bit into the system's MOD_ flags
// (Ctrl -> MOD_CONTROL 2, Shift -> MOD_SHIFT 4, Alt -> MOD_ALT 1, Win -> MOD_WIN 8).
uint32_t ToModifierFlags(int32_t modifierCode);

// Registration identifiers are given out from here upward, one per registration.
inline constexpr int kFirstHotkeyId = 33001;
