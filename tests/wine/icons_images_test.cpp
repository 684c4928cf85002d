// tests/wine/icons_images_test.cpp
// Program icons drawn over white, thumbnails of image files through GDI+, BMP bytes of bitmaps,
// the black-to-white repaint, and the reduction of real icon groups.
#include <windows.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "icons/ico_file.h"
#include "icons/icon_cache.h"
#include "icons/icon_picture_win.h"
#include "icons/pixels24.h"
#include "icons_wine_support.h"

using namespace icons_wine;
namespace gp = Gdiplus::DllExports;

namespace {

// GDI+ is started once by the program; the tests do it here.
class GdiplusSession : public ::testing::Environment {
 public:
  void SetUp() override {
    Gdiplus::GdiplusStartupInput input{};
    input.GdiplusVersion = 1;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
  }
  void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

 private:
  ULONG_PTR token_ = 0;
};
const auto* const kGdiplus = ::testing::AddGlobalTestEnvironment(new GdiplusSession);

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), int(wide.size()));
  wide.resize(size_t(length > 0 ? length - 1 : 0));
  return wide;
}

// Saves a width x height ARGB picture, coloured by `colour(x, y)`, in the format of the encoder.
template <typename Colour>
bool SaveImage(const std::string& path, const CLSID& encoder, int width, int height, Colour colour) {
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (gp::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap) != Gdiplus::Ok)
    return false;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) gp::GdipBitmapSetPixel(bitmap, x, y, colour(x, y));
  bool ok = gp::GdipSaveImageToFile(bitmap, Wide(path).c_str(), &encoder, nullptr) == Gdiplus::Ok;
  gp::GdipDisposeImage(bitmap);
  return ok;
}

// The encoders GDI+ has built in.
const CLSID kBmpEncoder = {0x557cf400, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
const CLSID kJpegEncoder = {0x557cf401, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
const CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

bool Near(uint32_t colour, uint32_t expected, int tolerance) {
  for (int shift : {0, 8, 16})
    if (std::abs(int((colour >> shift) & 0xFF) - int((expected >> shift) & 0xFF)) > tolerance) return false;
  return true;
}

uint32_t U32At(const std::string& b, size_t at) {
  return uint8_t(b[at]) | uint8_t(b[at + 1]) << 8 | uint8_t(b[at + 2]) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}

}  // namespace

TEST(ExtractIconImage, ProgramIconAt128OverWhiteWithWhiteMask) {
  const std::string shell32 = SystemDir() + "\\shell32.dll";
  const std::string folder = ScratchFolder("icons_image");
  const std::string byIndex = folder + "\\index.ico";
  ExtractIconImage(shell32, 5, byIndex);
  const std::string ico = ReadAll(byIndex);
  const size_t imageSize = 40 + 3 * 128 * 128 + 128 * 4 * 4;
  ASSERT_EQ(ico.size(), 22 + imageSize);
  EXPECT_EQ(ico.substr(0, 14), std::string("\0\0\1\0\1\0\x80\x80\0\0\1\0\x18\0", 14));
  EXPECT_EQ(U32At(ico, 14), imageSize);
  EXPECT_EQ(U32At(ico, 22 + 8), 256u);  // the info header's height counts colour and mask
  // The mask bit is set exactly where the colour is written black for a white pixel; the icon
  // itself is not all white.
  size_t opaque = 0, transparent = 0;
  for (int row = 0; row < 128; ++row)
    for (int x = 0; x < 128; ++x) {
      const char* colour = ico.data() + 62 + (size_t(row) * 128 + size_t(x)) * 3;
      bool maskBit = uint8_t(ico[62 + 3 * 128 * 128 + size_t(row) * 16 + size_t(x) / 8]) & (0x80 >> (x % 8));
      if (maskBit) {
        EXPECT_EQ(std::string(colour, 3), std::string(3, '\0'));
        ++transparent;
      } else {
        EXPECT_NE(std::string(colour, 3), std::string(3, '\xFF'));
        ++opaque;
      }
    }
  EXPECT_GT(opaque, 500u);
  EXPECT_GT(transparent, 500u);
  HICON loaded = static_cast<HICON>(LoadImageA(nullptr, byIndex.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
  EXPECT_TRUE(loaded);
  if (loaded) DestroyIcon(loaded);

  // A negative index is a resource identifier: shell32's group #4 is its sixth (two named first).
  ExtractIconImage(shell32, -4, folder + "\\byid.ico");
  EXPECT_EQ(ReadAll(folder + "\\byid.ico"), ico);
  // -1 is resource #1 too (ExtractIconA alone would answer the icon count), the third group here.
  ExtractIconImage(shell32, -1, folder + "\\id1.ico");
  ExtractIconImage(shell32, 2, folder + "\\third.ico");
  EXPECT_EQ(ReadAll(folder + "\\id1.ico").size(), ico.size());
  EXPECT_EQ(ReadAll(folder + "\\id1.ico"), ReadAll(folder + "\\third.ico"));
}

TEST(ExtractIconImage, NoIconLeavesAnEmptyFile) {
  const std::string folder = ScratchFolder("icons_noimage");
  file_io::WriteWholeFile(folder + "\\note.txt", "just text");
  const std::string sources[] = {SystemDir() + "\\shell32.dll", folder + "\\missing.exe", folder + "\\note.txt"};
  const int indexes[] = {100000, 0, 0};
  for (int i = 0; i < 3; ++i) {
    const std::string target = folder + "\\out" + std::to_string(i) + ".ico";
    ExtractIconImage(sources[i], indexes[i], target);
    auto bytes = file_io::ReadWholeFile(target);
    ASSERT_TRUE(bytes) << sources[i];
    EXPECT_EQ(*bytes, "") << sources[i];
  }
}

TEST(LoadThumbnail, StretchesAnyImageToTheAskedSquare) {
  const std::string folder = ScratchFolder("icons_thumb");
  // 400 x 100: left half red, right half blue.
  auto halves = [](int x, int) -> Gdiplus::ARGB { return x < 200 ? 0xFFFF0000 : 0xFF0000FF; };
  struct Case { std::string name; CLSID encoder; int tolerance; };
  const Case cases[] = {
      {"photo.jpg", kJpegEncoder, 24},
      {"picture.png", kPngEncoder, 0},
      {"\xCD\xBC\xC6\xAC.bmp", kBmpEncoder, 0},  // 图片.bmp
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = folder + "\\" + c.name;
    ASSERT_TRUE(SaveImage(path, c.encoder, 400, 100, halves));
    HBITMAP thumbnail = LoadThumbnail(path, 256, 256);
    ASSERT_TRUE(thumbnail);
    auto pixels = BitmapPixels(thumbnail);
    DeleteObject(thumbnail);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->width, 256);
    EXPECT_EQ(pixels->height, 256);
    EXPECT_TRUE(Near(pixels->ColourAt(40, 10), 0x0000FF, c.tolerance)) << std::hex << pixels->ColourAt(40, 10);
    EXPECT_TRUE(Near(pixels->ColourAt(216, 245), 0xFF0000, c.tolerance)) << std::hex << pixels->ColourAt(216, 245);

    auto bmp = LoadThumbnailBmp(path, 256, 256);
    ASSERT_TRUE(bmp);
    auto decoded = DecodeBmp24(*bmp);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->bgr, pixels->bgr);
  }
}

TEST(LoadThumbnail, TransparentAreasComeOutBlackAndNonImagesGiveNothing) {
  const std::string folder = ScratchFolder("icons_thumb2");
  const std::string path = folder + "\\spot.png";
  // Transparent everywhere but a green square in the middle.
  ASSERT_TRUE(SaveImage(path, kPngEncoder, 64, 64, [](int x, int y) -> Gdiplus::ARGB {
    return x >= 16 && x < 48 && y >= 16 && y < 48 ? 0xFF00FF00 : 0x00FFFFFF;
  }));
  HBITMAP thumbnail = LoadThumbnail(path, 32, 32);
  ASSERT_TRUE(thumbnail);
  std::string bmp = BitmapToBmpBytes(thumbnail);
  DeleteObject(thumbnail);
  auto pixels = DecodeBmp24(bmp);
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->ColourAt(1, 1), 0u);
  EXPECT_EQ(pixels->ColourAt(16, 16), 0x00FF00u);

  file_io::WriteWholeFile(folder + "\\note.txt", "not a picture");
  for (const std::string& file : {folder + "\\note.txt", folder + "\\missing.png", SystemDir() + "\\notepad.exe"}) {
    EXPECT_FALSE(LoadThumbnail(file, 256, 256)) << file;
    EXPECT_FALSE(LoadThumbnailBmp(file, 256, 256)) << file;
  }
  EXPECT_FALSE(LoadThumbnail(path, 0, 256));
}

TEST(ItemPicture, BlackAndNearBlackBecomeWhite) {
  const std::string folder = ScratchFolder("icons_picture");
  const std::string path = folder + "\\spot.png";
  ASSERT_TRUE(SaveImage(path, kPngEncoder, 44, 44, [](int x, int y) -> Gdiplus::ARGB {
    if (y < 22) return 0x00000000;                       // transparent
    return x < 22 ? 0xFF010101 : 0xFF2080C0;             // near black | a colour
  }));
  HBITMAP picture = LoadItemPicture(path, 22);
  ASSERT_TRUE(picture);
  auto pixels = BitmapPixels(picture);
  DeleteObject(picture);
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->width, 22);
  EXPECT_EQ(pixels->height, 22);
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < 22; ++x) {
      uint32_t c = pixels->ColourAt(x, y);
      EXPECT_TRUE(c != 0 && c != 0x010101) << x << "," << y;
    }
  EXPECT_EQ(pixels->ColourAt(5, 3), 0xFFFFFFu);
  EXPECT_EQ(pixels->ColourAt(5, 18), 0xFFFFFFu);
  EXPECT_EQ(pixels->ColourAt(18, 18), 0xC08020u);

  // The same repaint on a device context.
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP surface = BitmapFromPixels(Pixels24(3, 1));
  HGDIOBJ old = SelectObject(dc, surface);
  SetPixel(dc, 1, 0, RGB(1, 1, 1));
  SetPixel(dc, 2, 0, RGB(2, 2, 2));
  ASSERT_TRUE(ReplacePixelColour(dc, 3, 1, 0x000000, 0xFFFFFF));
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 1, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 2, 0), RGB(2, 2, 2));
  SelectObject(dc, old);
  DeleteObject(surface);
  DeleteDC(dc);
}

TEST(ReduceIconFile, RealGroupsReduceToAPictureThatLoads) {
  const std::string folder = ScratchFolder("icons_reduce");
  const std::string shell32 = SystemDir() + "\\shell32.dll";
  int pngs = 0;
  for (int position : {1, 3, 4, 5, 20, 40}) {
    SCOPED_TRACE(position);
    const std::string stem = folder + "\\g" + std::to_string(position);
    ASSERT_TRUE(ExtractIconGroup(shell32, position, stem + ".ico"));
    std::string kind = ReduceIconFile(stem + ".ico", stem);
    pngs += kind == "png";
    HBITMAP picture = LoadItemPicture(stem + "." + kind, 48);
    EXPECT_TRUE(picture) << kind;
    if (picture) DeleteObject(picture);
  }
  std::printf("%d of 6 shell32 groups reduced to PNG\n", pngs);
}

TEST(ReduceIconFile, SmallPngImagesStayReadable) {
  const std::string folder = ScratchFolder("icons_smallpng");
  const std::string pngPath = folder + "\\small.png";
  ASSERT_TRUE(SaveImage(pngPath, kPngEncoder, 48, 48, [](int, int) -> Gdiplus::ARGB { return 0xFF3060C0; }));
  const std::string png = ReadAll(pngPath);
  const std::string dib(3000, '\x11');
  IcoImage pngImage, dibImage;
  pngImage.entry = {48, 48, 0, 0, 1, 32, 0, 0};
  pngImage.data = png;
  dibImage.entry = {32, 32, 0, 0, 1, 32, 0, 0};
  dibImage.data = dib;
  ASSERT_TRUE(file_io::WriteWholeFile(folder + "\\h.ico", AssembleIco({dibImage, pngImage})));
  EXPECT_EQ(ReduceIconFile(folder + "\\h.ico", folder + "\\h"), "png");
  EXPECT_EQ(ReadAll(folder + "\\h.png"), png);
  HBITMAP thumbnail = LoadThumbnail(folder + "\\h.png", 48, 48);
  ASSERT_TRUE(thumbnail);
  auto pixels = BitmapPixels(thumbnail);
  DeleteObject(thumbnail);
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->ColourAt(24, 24), 0xC06030u);
}
