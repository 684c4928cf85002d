// generators/artwork.cpp
#include "artwork.h"

#include <algorithm>
#include <cmath>

#include "image_files.h"

namespace mediagen {

namespace {

Rgba Lerp(Rgba a, Rgba b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto mix = [t](std::uint8_t x, std::uint8_t y) {
    return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
  };
  return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b), mix(a.a, b.a)};
}

}  // namespace

Canvas LauncherGlyph(int size) {
  const double u = size / 16.0;  // one pixel of the 16-pixel design
  Canvas c(size, size);
  const Rgba edge{22, 78, 150, 255};
  const Rgba top{92, 172, 240, 255};
  const Rgba bottom{36, 116, 200, 255};
  // A whole-pixel dark rim keeps the tile's outline crisp at every size.
  const double rim = std::max(1.0, std::round(u * 0.75));
  c.Fill(RoundedRect(0, 0, size, size, 3 * u), edge);
  c.Fill(RoundedRect(rim, rim, size - rim, size - rim, 3 * u - rim),
         [&](double, double y) { return Lerp(top, bottom, y / size); });
  const Rgba white{255, 255, 255, 255};
  const Rgba orange{255, 168, 38, 255};
  const double side = 4 * u, gap = 2 * u, origin = 3 * u;
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 2; ++col) {
      const double x = origin + col * (side + gap), y = origin + row * (side + gap);
      c.Fill(RoundedRect(x, y, x + side, y + side, 0.9 * u), row == 1 && col == 1 ? orange : white);
    }
  }
  return c;
}

Bytes ProgramIconFile() { return IcoFile({LauncherGlyph(16), LauncherGlyph(32), LauncherGlyph(48)}); }

Bytes TrayIconFile() { return IcoFile({LauncherGlyph(16)}); }

Bytes DonationPictureFile() {
  const int n = kDonationPictureSize;
  Canvas c(n, n, kDonationBackground);
  const Rgba saucer{196, 164, 132, 255};
  const Rgba cup{214, 96, 66, 255};
  const Rgba coffee{104, 58, 34, 255};
  const Rgba rim{236, 150, 118, 255};
  const Rgba steam{226, 54, 82, 255};
  const Rgba white{255, 255, 255, 255};
  c.Fill(Ellipse(60, 106, 44, 9), saucer);
  // Handle: a ring on the right of the cup.
  c.Fill([](double x, double y) {
    const double d = std::hypot(x - 92, y - 78);
    return d <= 15 && d >= 8;
  }, cup);
  c.Fill(RoundedRect(28, 58, 92, 104, 14), cup);
  c.Fill(Ellipse(60, 60, 32, 7), rim);
  c.Fill(Ellipse(60, 61, 27, 5), coffee);
  c.Fill(Heart(60, 72, 22, 20), white);
  c.Fill(Heart(60, 12, 40, 36), steam);
  return BmpFile(c, kDonationBackground);
}

}  // namespace mediagen
