// src/view/colour_theme.h
// Colour themes: the title bar colour derived from the background colour, random and picked
// backgrounds limited so that white text stays readable, and the hue/saturation/lightness
// conversions they go through. The conversions compute in 32-bit floats and cut toward zero, so
// the same colour always gives the same bytes on every build.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "view/view_model.h"

namespace view {

// Hue in degrees 0..360, saturation and lightness in percent 0..100.
struct HslColour {
  int hue = 0;
  int saturation = 0;
  int lightness = 0;
};

struct RgbBytes {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

HslColour RgbToHsl(RgbBytes rgb);
// Saturation and lightness outside 0..100 are taken as their nearest end; each channel is cut
// toward zero and kept within 0..255.
RgbBytes HslToRgb(HslColour hsl);

RgbBytes BytesOf(Colour colour);
Colour ColourOf(RgbBytes rgb);

// The title bar colour for background B: same hue, saturation raised by 30 (at most 90; a grey
// stays grey), lightness lowered by 20 (0 at or below 20, 20 between 20 and 40).
Colour TitleBarColourFor(Colour background);

// Every label that is not selected takes white text on the background colour; the selected one
// keeps white ground and blue text.
void RecolourCategoryLabels(std::vector<CategoryLabel>& labels, Colour background);

// Both of the above: recolours the labels and returns the title bar colour.
Colour DeriveTheme(Colour background, std::vector<CategoryLabel>& labels);

// A source of non-negative random integers (the platform runtime's generator in the program).
using RandomSource = std::function<std::uint32_t()>;

// Hue 0..360, saturation 0..80, lightness 30..60, drawn in that order; a value in [a, b] is
// a + (generator value mod (b - a + 1)).
HslColour RandomBackgroundHsl(const RandomSource& next);
Colour RandomBackground(const RandomSource& next);

// A colour chosen in the colour dialog with its saturation limited to 80 and lightness to 60.
Colour LimitPickedColour(Colour picked);

}  // namespace view
