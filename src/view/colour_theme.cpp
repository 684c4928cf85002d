// src/view/colour_theme.cpp
#include "view/colour_theme.h"

#include <algorithm>

namespace view {
namespace {

// Holds a value as a 32-bit float. The 32-bit build computes on the x87 unit, which keeps wider
// values in its registers; a store through a volatile float rounds them exactly as a 32-bit float
// operation would (one operation per call), so both builds give the same colours.
float F(float value) {
  volatile float stored = value;
  return stored;
}

// Fractional comparisons treat values within 1e-7 of each other as equal.
constexpr double kTolerance = 1e-7;
bool Less(float a, float b) { return static_cast<double>(a) - static_cast<double>(b) < -kTolerance; }
bool Greater(float a, float b) { return static_cast<double>(a) - static_cast<double>(b) > kTolerance; }
bool Same(float a, float b) { return !Less(a, b) && !Greater(a, b); }

int CutToPercent(float fraction) { return static_cast<int>(F(100.0f * fraction)); }

std::uint8_t CutToByte(float fraction) {
  const float value = F(255.0f * fraction);
  if (!(value > 0.0f)) return 0;  // also NaN
  if (value >= 255.0f) return 255;
  return static_cast<std::uint8_t>(value);
}

// One channel from its hue position t.
float Channel(float p, float q, float t) {
  if (Less(t, 0.0f)) t = F(t + 1.0f);
  if (Greater(t, 1.0f)) t = F(t - 1.0f);
  const float span = F(q - p);
  const float sixT = F(6.0f * t);
  if (Less(sixT, 1.0f)) return F(p + F(F(span * 6.0f) * t));
  if (Less(F(2.0f * t), 1.0f)) return q;
  if (Less(F(3.0f * t), 2.0f)) {
    const float rest = F(0.6666666666666666f - t);
    return F(p + F(F(span * rest) * 6.0f));
  }
  return p;
}

std::uint32_t Draw(const RandomSource& next, std::uint32_t low, std::uint32_t high) {
  return low + next() % (high - low + 1);
}

}  // namespace

RgbBytes BytesOf(Colour colour) { return {RedOf(colour), GreenOf(colour), BlueOf(colour)}; }

Colour ColourOf(RgbBytes rgb) { return MakeColour(rgb.red, rgb.green, rgb.blue); }

HslColour RgbToHsl(RgbBytes rgb) {
  const float r = F(static_cast<float>(rgb.red) / 255.0f);
  const float g = F(static_cast<float>(rgb.green) / 255.0f);
  const float b = F(static_cast<float>(rgb.blue) / 255.0f);
  const float max = std::max({r, g, b});
  const float min = std::min({r, g, b});
  const float d = F(max - min);

  // These equality tests are exact: the channels are the very values compared.
  float h = 0.0f;
  if (max == min) {
    h = 0.0f;
  } else if (max == r) {
    h = F(F(60.0f * F(g - b)) / d);
    if (Less(g, b)) h = F(h + 360.0f);
  } else if (max == g) {
    h = F(F(F(60.0f * F(b - r)) / d) + 120.0f);
  } else {
    h = F(F(F(60.0f * F(r - g)) / d) + 240.0f);
  }

  float l = F(F(max + min) / 2.0f);
  float s = 0.0f;
  if (Same(l, 0.0f) || max == min) {
    s = 0.0f;
  } else if (!Greater(l, 0.5f)) {
    s = F(d / F(max + min));
  } else {
    s = F(d / F(F(2.0f - max) - min));
  }

  if (Greater(h, 360.0f)) h = 360.0f;
  if (Less(h, 0.0f)) h = 0.0f;
  if (Greater(s, 1.0f)) s = 1.0f;
  if (Greater(l, 1.0f)) l = 1.0f;
  return {static_cast<int>(h), CutToPercent(s), CutToPercent(l)};
}

RgbBytes HslToRgb(HslColour hsl) {
  const float h = static_cast<float>(hsl.hue);
  const float s = F(static_cast<float>(std::clamp(hsl.saturation, 0, 100)) / 100.0f);
  const float l = F(static_cast<float>(std::clamp(hsl.lightness, 0, 100)) / 100.0f);

  if (Same(s, 0.0f)) {
    const std::uint8_t grey = CutToByte(l);
    return {grey, grey, grey};
  }
  const float q = Less(l, 0.5f) ? F(l * F(1.0f + s)) : F(F(l + s) - F(l * s));
  const float p = F(F(2.0f * l) - q);
  const float k = F(h / 360.0f);
  // The third is 0.3333333, not 1/3: the colours follow from that constant.
  const float third = 0.3333333f;
  const float redT = F(k + third);
  const float blueT = F(k - third);
  return {CutToByte(Channel(p, q, redT)), CutToByte(Channel(p, q, k)), CutToByte(Channel(p, q, blueT))};
}

Colour TitleBarColourFor(Colour background) {
  HslColour hsl = RgbToHsl(BytesOf(background));
  if (hsl.saturation != 0) hsl.saturation = std::min(hsl.saturation + 30, 90);
  if (hsl.lightness <= 20) {
    hsl.lightness = 0;
  } else if (hsl.lightness > 40) {
    hsl.lightness -= 20;
  } else {
    hsl.lightness = 20;
  }
  return ColourOf(HslToRgb(hsl));
}

void RecolourCategoryLabels(std::vector<CategoryLabel>& labels, Colour background) {
  for (CategoryLabel& label : labels) {
    if (label.selected) continue;
    label.textColour = kWhite;
    label.backColour = background;
  }
}

Colour DeriveTheme(Colour background, std::vector<CategoryLabel>& labels) {
  RecolourCategoryLabels(labels, background);
  return TitleBarColourFor(background);
}

HslColour RandomBackgroundHsl(const RandomSource& next) {
  HslColour hsl;
  hsl.hue = static_cast<int>(Draw(next, 0, 360));
  hsl.saturation = static_cast<int>(Draw(next, 0, 80));
  hsl.lightness = static_cast<int>(Draw(next, 30, 60));
  return hsl;
}

Colour RandomBackground(const RandomSource& next) { return ColourOf(HslToRgb(RandomBackgroundHsl(next))); }

Colour LimitPickedColour(Colour picked) {
  HslColour hsl = RgbToHsl(BytesOf(picked));
  hsl.saturation = std::min(hsl.saturation, 80);
  hsl.lightness = std::min(hsl.lightness, 60);
  return ColourOf(HslToRgb(hsl));
}

}  // namespace view
