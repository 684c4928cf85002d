#include "desktop/hotkey.h"

#include <gtest/gtest.h>

TEST(Hotkey, StoredTextSplitsIntoExactlyTwoPieces) {
  struct Case { std::string stored; std::optional<HotkeyCombination> expected; };
  const Case cases[] = {
      {"", HotkeyCombination{8, 192}},
      {"3+65", HotkeyCombination{3, 65}},
      {"3+75", HotkeyCombination{3, 75}},
      {" 9 + 32x", HotkeyCombination{9, 32}},
      {"+65", HotkeyCombination{0, 65}},
      {"8", std::nullopt},
      {"1+2+3", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseStoredHotkey(c.stored), c.expected) << c.stored;
}

TEST(Hotkey, ModifierCodesTranslateBitByBit) {
  EXPECT_EQ(ToModifierFlags(3), 6u);   // Ctrl+Shift
  EXPECT_EQ(ToModifierFlags(9), 10u);  // Win+Ctrl
  EXPECT_EQ(ToModifierFlags(4), 1u);   // Alt
  EXPECT_EQ(ToModifierFlags(15), 15u);
  EXPECT_EQ(ToModifierFlags(0), 0u);
}
