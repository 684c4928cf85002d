// The launcher's picture drawn with GDI: a display list replayed on a memory surface, looked at
// pixel by pixel where the layout puts the title bar, the column, the labels, the icons, the
// highlight and the names.
#include <windows.h>

#include "platform/dib_win.h"
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "view/colour_theme.h"
#include "view/gdi_replay_win.h"
#include "view/launcher_paint.h"

namespace {

constexpr view::Colour kGreen = 0x00C800;  // red 0, green 200, blue 0
constexpr view::Colour kBlue = 0xFF0000;               // red 0, green 0, blue 255
constexpr view::Colour kLabelBlue = 0xFF8800;

// A 32-bit top-down surface whose pixels can be read straight from memory.
class Surface {
 public:
  Surface(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info = TopDownBitmapInfo(width, height, 32);
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~Surface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  // COLORREF layout, 0x00BBGGRR.
  view::Colour At(int x, int y) const {
    GdiFlush();
    const std::uint32_t p = bits_[static_cast<size_t>(y) * width_ + x];  // 0x00RRGGBB in memory order
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
  }
  // How many pixels of the box [left, right) x [top, bottom) have this colour.
  int Count(view::Colour colour, int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) n += At(x, y) == colour;
    return n;
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

// A picture as the item loader makes them: a 24-bit top-down DIB section, green above and blue
// below its middle, so that a picture drawn upside down shows.
HBITMAP LoaderPicture(int size) {
  BITMAPINFO info = TopDownBitmapInfo(size, size, 24);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const size_t stride = (static_cast<size_t>(size) * 3 + 3) / 4 * 4;
  auto* row = static_cast<unsigned char*>(bits);
  for (int y = 0; y < size; ++y, row += stride) {
    const view::Colour c = y < size / 2 ? kGreen : kBlue;
    for (int x = 0; x < size; ++x) {
      row[3 * x] = view::BlueOf(c);
      row[3 * x + 1] = view::GreenOf(c);
      row[3 * x + 2] = view::RedOf(c);
    }
  }
  return bitmap;
}

// A device-dependent picture in one colour.
HBITMAP ScreenPicture(int size, view::Colour colour) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH brush = CreateSolidBrush(colour);
  RECT all{0, 0, size, size};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

view::ViewState Launcher(int iconSize, int panelWidth) {
  view::ViewState s;
  s.width = 420;
  s.height = 300;
  s.caption = "TovenkV3.16";
  s.background = view::kDefaultBackground;
  s.titleBar = view::TitleBarColourFor(s.background);
  s.categoryPanelWidth = panelWidth;
  s.iconSize = iconSize;
  s.nameLength = 16;
  s.categories.push_back({"\xB3\xA3\xD3\xC3", {2, 0, panelWidth, 20}, view::kSelectedLabelText, view::kWhite, true});  // 常用
  s.categories.push_back({"\xB9\xA4\xBE\xDF", {2, 20, panelWidth, 20}, view::kWhite, s.background, false});  // 工具
  return s;
}

// Cells as the item loader lays them out, two columns.
view::Box Cell(int j, int iconSize, int nameLength) {
  const int width = 7 * nameLength + iconSize + 6, height = iconSize + 8;
  return {((j - 1) % 2) * width, ((j - 1) / 2) * height, width, height};
}

TEST(LauncherPicture, TitleBarColumnAndLabelsAreWhereTheLayoutSays) {
  Surface surface(420, 300);
  view::ViewState s = Launcher(64, 32);
  ReplayDisplayList(surface.dc(), view::BuildLauncherPaint(s));

  EXPECT_EQ(surface.At(200, 13), view::MakeColour(7, 80, 140));  // title bar in T
  EXPECT_EQ(surface.At(5, 200), view::kDefaultBackground);        // the column in B, P + 12 wide
  EXPECT_EQ(surface.At(43, 200), view::kDefaultBackground);
  EXPECT_EQ(surface.At(44, 200), view::kWhite);
  EXPECT_EQ(surface.At(419, 150), view::kDefaultBackground);  // the frame's right and bottom lines
  EXPECT_EQ(surface.At(200, 299), view::kDefaultBackground);
  // The open category: a white label (4, 26)-(P + 12, 46) with blue text; the other stays B.
  EXPECT_EQ(surface.At(5, 27), view::kWhite);
  EXPECT_EQ(surface.At(5, 47), view::kDefaultBackground);
  EXPECT_GT(surface.Count(kLabelBlue, 4, 26, 44, 46), 0) << "no blue letters on the open label";
  // Caption and button labels in white on the title bar.
  EXPECT_GT(surface.Count(view::kWhite, 9, 6, 80, 20), 10);
  EXPECT_GT(surface.Count(view::kWhite, 420 - 18, 6, 420 - 6, 20), 3) << "no close glyph";
}

TEST(LauncherPicture, IconsHighlightAndNamesFollowTheIconSize) {
  for (int iconSize : {64, 32}) {
    SCOPED_TRACE(iconSize);
    Surface surface(420, 300);
    view::ViewState s = Launcher(iconSize, 32);
    std::vector<HBITMAP> pictures;
    for (int j = 1; j <= 4; ++j) {
      // The loader's kind of picture, and one of the screen's kind.
      pictures.push_back(j == 4 ? ScreenPicture(iconSize, kBlue) : LoaderPicture(iconSize));
      s.items.push_back({"Item" + std::to_string(j), Cell(j, iconSize, 16),
                         reinterpret_cast<std::uintptr_t>(pictures.back())});
    }
    s.highlight = 2;
    ReplayDisplayList(surface.dc(), view::BuildLauncherPaint(s));

    for (int j = 1; j <= 4; ++j) {
      const view::Box c = Cell(j, iconSize, 16);
      const int iconX = 32 + c.left + 16, iconY = c.top + 30;
      EXPECT_EQ(surface.At(iconX, iconY), j == 4 ? kBlue : kGreen) << "icon " << j;
      EXPECT_EQ(surface.At(iconX + iconSize - 1, iconY + iconSize - 1), kBlue) << "icon " << j;
      EXPECT_EQ(surface.At(iconX + iconSize, iconY + iconSize - 1), view::kWhite) << "icon " << j << " too wide";
      EXPECT_EQ(surface.At(iconX, iconY + iconSize), view::kWhite) << "icon " << j << " too high";
      // The name: black letters right of the icon, starting at (P + x + S + 18, y + S / 2 + 24).
      const int nameX = 32 + c.left + iconSize + 18, nameY = c.top + iconSize / 2 + 24;
      EXPECT_GT(surface.Count(view::kBlack, nameX, nameY, nameX + 40, nameY + 14), 5) << "name " << j;
      EXPECT_EQ(surface.Count(view::kBlack, nameX - 3, nameY, nameX, nameY + 14), 0) << "name " << j << " too far left";
    }
    // The highlighted second item: a 2-pixel red frame around its cell.
    const view::Box c = Cell(2, iconSize, 16);
    EXPECT_EQ(surface.At(32 + c.left + 13, c.top + 26 + c.height / 2), view::kRed);
    EXPECT_EQ(surface.At(32 + c.left + c.width + 11, c.top + 26 + c.height / 2), view::kRed);
    const view::Box first = Cell(1, iconSize, 16);
    EXPECT_NE(surface.At(32 + first.left + 13, first.top + 26 + first.height / 2), view::kRed);
    for (HBITMAP p : pictures) DeleteObject(p);
  }
}

TEST(LauncherPicture, HoveredCloseButtonIsRedAndOtherButtonsShowTheBackground) {
  Surface surface(420, 300);
  view::ViewState s = Launcher(64, 32);
  s.hoveredButton = view::kCloseButton;
  ReplayDisplayList(surface.dc(), view::BuildLauncherPaint(s));
  EXPECT_EQ(surface.At(420 - 22, 3), view::kRed);
  s.hoveredButton = view::kSettingsTab;
  ReplayDisplayList(surface.dc(), view::BuildLauncherPaint(s));
  EXPECT_EQ(surface.At(420 - 22, 3), view::MakeColour(7, 80, 140));
  EXPECT_EQ(surface.At(420 - 79, 3), view::kDefaultBackground);
}

TEST(LauncherPicture, BadPicturesAndOddColoursDrawWithoutHarm) {
  Surface surface(420, 300);
  view::ViewState s = Launcher(64, 32);
  // A colour with a top byte (a stored "背景颜色" can hold any integer) is drawn as its RGB part.
  s.background = 0x7F00FF00;
  s.items.push_back({"Gone", Cell(1, 64, 16), 0x12345});  // not a bitmap handle
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  s.items.push_back({"Brush", Cell(2, 64, 16), reinterpret_cast<std::uintptr_t>(brush)});
  ReplayDisplayList(surface.dc(), view::BuildLauncherPaint(s));
  DeleteObject(brush);
  EXPECT_EQ(surface.At(5, 200), 0x00FF00u);
  EXPECT_EQ(surface.At(32 + 16 + 10, 40), view::kWhite);  // nothing drawn for the bad handle
  ReplayDisplayList(nullptr, view::BuildLauncherPaint(s));
}

}  // namespace
