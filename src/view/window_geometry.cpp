// src/view/window_geometry.cpp
#include "view/window_geometry.h"

namespace view {

WindowSize EnforceMinimumSize(int width, int height) {
  return {width < kMinimumWidth ? kWidthWhenTooNarrow : width, height < kMinimumHeight ? kMinimumHeight : height};
}

RoundRegion RoundedOutline(int clientWidth, int clientHeight) {
  RoundRegion region;
  region.right = clientWidth < 0 ? 0 : clientWidth;
  region.bottom = clientHeight < 0 ? 0 : clientHeight;
  return region;
}

}  // namespace view
