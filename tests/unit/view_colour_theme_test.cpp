// tests/unit/view_colour_theme_test.cpp
#include "view/colour_theme.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace {

using view::HslColour;
using view::RgbBytes;

void ExpectHsl(HslColour actual, HslColour expected) {
  EXPECT_EQ(actual.hue, expected.hue);
  EXPECT_EQ(actual.saturation, expected.saturation);
  EXPECT_EQ(actual.lightness, expected.lightness);
}

void ExpectRgb(RgbBytes actual, RgbBytes expected) {
  EXPECT_EQ(actual.red, expected.red);
  EXPECT_EQ(actual.green, expected.green);
  EXPECT_EQ(actual.blue, expected.blue);
}

}  // namespace

TEST(ViewColourTheme, DefaultBackgroundGivesTheDefaultTitleBar) {
  EXPECT_EQ(view::BytesOf(view::kDefaultBackground).red, 44);
  EXPECT_EQ(view::BytesOf(view::kDefaultBackground).green, 133);
  EXPECT_EQ(view::BytesOf(view::kDefaultBackground).blue, 210);
  ExpectHsl(view::RgbToHsl({44, 133, 210}), {207, 65, 49});
  ExpectRgb(view::HslToRgb({207, 90, 29}), {7, 80, 140});
  EXPECT_EQ(view::TitleBarColourFor(view::kDefaultBackground), view::MakeColour(7, 80, 140));
}

TEST(ViewColourTheme, ConversionsFollowTheFloatRules) {
  struct ToHsl { RgbBytes rgb; HslColour hsl; };
  const ToHsl toHsl[] = {
      {{255, 0, 0}, {0, 100, 50}},
      {{0, 255, 0}, {120, 100, 50}},
      {{0, 0, 255}, {240, 100, 50}},
      {{255, 0, 128}, {329, 100, 50}},  // max red with green < blue: hue wraps by 360
      {{255, 255, 255}, {0, 0, 100}},
      {{0, 0, 0}, {0, 0, 0}},
      {{128, 128, 128}, {0, 0, 50}},
      {{200, 150, 100}, {30, 47, 58}},  // lightness above one half
  };
  for (const ToHsl& c : toHsl) ExpectHsl(view::RgbToHsl(c.rgb), c.hsl);

  struct ToRgb { HslColour hsl; RgbBytes rgb; };
  const ToRgb toRgb[] = {
      {{0, 0, 50}, {127, 127, 127}},  // cut, not rounded
      {{0, 100, 50}, {255, 0, 0}},
      {{120, 100, 50}, {0, 255, 0}},
      {{240, 100, 50}, {0, 0, 255}},
      {{0, 80, 50}, {229, 25, 25}},
      {{0, 0, 60}, {153, 153, 153}},
      {{360, 100, 50}, {255, 0, 0}},
      {{0, 250, 500}, {255, 255, 255}},  // saturation and lightness held to 100
      {{0, -5, -5}, {0, 0, 0}},
  };
  for (const ToRgb& c : toRgb) ExpectRgb(view::HslToRgb(c.hsl), c.rgb);
}

TEST(ViewColourTheme, HslToRgbKeepsEveryInputWithinBytes) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  const HslColour odd[] = {{-720, 50, 50}, {100000, 50, 50}, {kMax, kMax, kMax}, {kMin, kMin, kMin}, {725, 100, 99}};
  for (const HslColour& hsl : odd) (void)view::HslToRgb(hsl);  // the bytes are in range by type; no fault
  // Every byte colour goes through and comes back near itself (whole degrees and percents lose
  // a few steps of each byte).
  for (int red = 0; red < 256; red += 15) {
    for (int green = 0; green < 256; green += 15) {
      for (int blue = 0; blue < 256; blue += 15) {
        const RgbBytes rgb{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green), static_cast<std::uint8_t>(blue)};
        const RgbBytes back = view::HslToRgb(view::RgbToHsl(rgb));
        EXPECT_NEAR(back.red, red, 12);
        EXPECT_NEAR(back.green, green, 12);
        EXPECT_NEAR(back.blue, blue, 12);
      }
    }
  }
}

TEST(ViewColourTheme, TitleBarIsMoreSaturatedAndDarker) {
  struct Case { view::Colour background; view::Colour titleBar; };
  const Case cases[] = {
      {view::MakeColour(100, 100, 100), view::MakeColour(51, 51, 51)},     // grey: L 39 -> 20, stays grey
      {view::MakeColour(40, 40, 40), view::MakeColour(0, 0, 0)},           // L 15 -> 0
      {view::MakeColour(200, 200, 200), view::MakeColour(147, 147, 147)},  // L 78 -> 58
      {view::MakeColour(255, 255, 255), view::MakeColour(204, 204, 204)},  // L 100 -> 80
      {view::MakeColour(255, 0, 0), view::MakeColour(145, 7, 7)},          // S 100 -> 90, L 50 -> 30
  };
  for (const Case& c : cases) EXPECT_EQ(view::TitleBarColourFor(c.background), c.titleBar) << c.background;
  EXPECT_EQ(view::TitleBarColourFor(0xFF000000u | view::kDefaultBackground), view::MakeColour(7, 80, 140));
}

TEST(ViewColourTheme, DeriveThemeRecoloursOnlyUnselectedLabels) {
  std::vector<view::CategoryLabel> labels = {
      {"a", {2, 0, 14, 20}, view::kSelectedLabelText, view::kWhite, true},
      {"b", {2, 20, 14, 20}, 0x123456, 0x654321, false},
  };
  const view::Colour background = view::MakeColour(10, 20, 30);
  EXPECT_EQ(view::DeriveTheme(background, labels), view::TitleBarColourFor(background));
  EXPECT_EQ(labels[0].textColour, view::kSelectedLabelText);
  EXPECT_EQ(labels[0].backColour, view::kWhite);
  EXPECT_EQ(labels[1].textColour, view::kWhite);
  EXPECT_EQ(labels[1].backColour, background);
  std::vector<view::CategoryLabel> none;
  EXPECT_EQ(view::DeriveTheme(view::kDefaultBackground, none), view::MakeColour(7, 80, 140));
}

TEST(ViewColourTheme, RandomBackgroundDrawsHueSaturationLightnessInOrder) {
  std::vector<std::uint32_t> values = {361 + 10, 81 * 3 + 5, 31 * 7 + 7};
  size_t next = 0;
  const view::RandomSource source = [&] { return values[next++]; };
  ExpectHsl(view::RandomBackgroundHsl(source), {10, 5, 37});

  const std::uint32_t samples[] = {0, 1, 30, 80, 360, 361, 12345, 0x7FFF, 0x7FFFFFFF, 0xFFFFFFFF};
  for (std::uint32_t a : samples) {
    for (std::uint32_t b : samples) {
      values = {a, b, a ^ b};
      next = 0;
      const HslColour hsl = view::RandomBackgroundHsl(source);
      EXPECT_GE(hsl.hue, 0);
      EXPECT_LE(hsl.hue, 360);
      EXPECT_GE(hsl.saturation, 0);
      EXPECT_LE(hsl.saturation, 80);
      EXPECT_GE(hsl.lightness, 30);
      EXPECT_LE(hsl.lightness, 60);
      next = 0;
      EXPECT_EQ(view::RandomBackground(source), view::ColourOf(view::HslToRgb(hsl)));
    }
  }
}

TEST(ViewColourTheme, PickedColourIsLimitedToReadableShades) {
  struct Case { view::Colour picked; view::Colour limited; };
  const Case cases[] = {
      {view::MakeColour(255, 0, 0), view::MakeColour(229, 25, 25)},        // (0, 100, 50) -> (0, 80, 50)
      {view::MakeColour(255, 255, 255), view::MakeColour(153, 153, 153)},  // (0, 0, 100) -> (0, 0, 60)
      {view::MakeColour(0, 0, 0), view::MakeColour(0, 0, 0)},
      {view::kDefaultBackground, view::ColourOf(view::HslToRgb({207, 65, 49}))},  // within limits: through HSL only
  };
  for (const Case& c : cases) EXPECT_EQ(view::LimitPickedColour(c.picked), c.limited) << c.picked;
}
