// src/desktop/hotkey.cpp
#include "desktop/hotkey.h"

#include "store/gbk_text.h"

std::optional<HotkeyCombination> ParseStoredHotkey(std::string_view stored) {
  if (stored.empty()) return HotkeyCombination{};
  std::vector<GbkText> pieces = gbk::Split(stored, "+");
  if (pieces.size() != 2) return std::nullopt;
  return HotkeyCombination{gbk::LeadingInteger(pieces[0]), gbk::LeadingInteger(pieces[1])};
}

uint32_t ToModifierFlags(int32_t modifierCode) {
  uint32_t flags = 0;
  if (modifierCode & 1) flags |= 2;  // Ctrl  -> MOD_CONTROL
  if (modifierCode & 2) flags |= 4;  // Shift -> MOD_SHIFT
  if (modifierCode & 4) flags |= 1;  // Alt   -> MOD_ALT
  if (modifierCode & 8) flags |= 8;  // Win   -> MOD_WIN
  return flags;
}
