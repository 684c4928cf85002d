// src/view/title_bar.cpp
#include "view/title_bar.h"

#include "view/pixel_math.h"
#include "view/view_texts.h"

namespace view {
namespace {

struct ButtonGeometry {
  const char* label;
  int textFromRight;   // text x = W - this
  int boxLeftFromRight;
  int boxRightFromRight;
  int bandFromRight;   // the button owns x >= W - this, up to the next band on its right
};

// Indexed by button number - 1: "×", "－", "设置", "显示", "类别".
constexpr ButtonGeometry kButtons[kTitleButtonCount] = {
    {text::kCloseGlyph, 18, 24, 0, 25},
    {text::kHideGlyph, 42, 48, 24, 49},
    {text::kSettingsTab, 80, 80, 54, 81},
    {text::kDisplayTab, 108, 108, 82, 109},
    {text::kCategoryTab, 136, 136, 110, 137},
};

constexpr int kButtonTextTop = 6;
constexpr int kHoverBoxBottom = 25;
constexpr int kLowestButtonY = 25;

bool IsButton(int button) { return button >= 1 && button <= kTitleButtonCount; }

int FromRight(int canvasWidth, int offset) { return ClampToInt(static_cast<long long>(canvasWidth) - offset); }

}  // namespace

const char* TitleButtonLabel(int button) { return IsButton(button) ? kButtons[button - 1].label : ""; }

Point TitleButtonTextPosition(int button, int canvasWidth) {
  if (!IsButton(button)) return {};
  return {FromRight(canvasWidth, kButtons[button - 1].textFromRight), kButtonTextTop};
}

Corners TitleButtonHoverBox(int button, int canvasWidth) {
  if (!IsButton(button)) return {};
  const ButtonGeometry& g = kButtons[button - 1];
  return {FromRight(canvasWidth, g.boxLeftFromRight), 0, FromRight(canvasWidth, g.boxRightFromRight), kHoverBoxBottom};
}

int TitleButtonAt(int x, int y, int canvasWidth) {
  if (y > kLowestButtonY) return kNoButton;
  for (int button = 1; button <= kTitleButtonCount; ++button) {
    if (static_cast<long long>(x) >= static_cast<long long>(canvasWidth) - kButtons[button - 1].bandFromRight) {
      return button;
    }
  }
  return kNoButton;
}

}  // namespace view
