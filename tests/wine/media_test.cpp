// tests/wine/media_test.cpp
// The bundled media as Windows itself reads them: icons through CreateIconFromResourceEx (as the
// tray icon's iconFromIconFile does), the MS ADPCM sounds through the system's ACM codec, the
// donation picture through GDI.
#include "resources/media.h"

#include <windows.h>
#include <mmreg.h>
#include <msacm.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

std::uint32_t U16(media::FileBytes b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t U32(media::FileBytes b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

// Every image of an .ico, made into an icon the way iconFromIconFile does it.
void ExpectEveryImageMakesAnIcon(media::FileBytes ico) {
  ASSERT_GE(ico.size(), 6u);
  const std::uint32_t count = U16(ico, 4);
  ASSERT_GE(count, 1u);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 16 * i;
    const int size = ico[entry];
    const std::uint32_t bytes = U32(ico, entry + 8), offset = U32(ico, entry + 12);
    ASSERT_LE(offset + bytes, ico.size());
    HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(ico.data() + offset), bytes, TRUE,
                                          0x30000, 0, 0, LR_DEFAULTCOLOR);
    ASSERT_NE(icon, nullptr) << "image " << i;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm{};
    GetObjectA(info.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, size);
    EXPECT_EQ(bm.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

TEST(MediaOnWin32, IconImagesBecomeIcons) {
  ExpectEveryImageMakesAnIcon(media::TrayIcon());
  ExpectEveryImageMakesAnIcon(media::ProgramIcon());
}

// The ACM functions, loaded at run time so that the program itself never links msacm32.
struct Acm {
  HMODULE dll = LoadLibraryA("msacm32.dll");
  template <typename F>
  F Get(const char* name) { return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(dll, name))); }
};

TEST(MediaOnWin32, SystemCodecDecodesBothSounds) {
  Acm acm;
  ASSERT_NE(acm.dll, nullptr);
  auto open = acm.Get<decltype(&acmStreamOpen)>("acmStreamOpen");
  auto sizeOf = acm.Get<decltype(&acmStreamSize)>("acmStreamSize");
  auto prepare = acm.Get<decltype(&acmStreamPrepareHeader)>("acmStreamPrepareHeader");
  auto convert = acm.Get<decltype(&acmStreamConvert)>("acmStreamConvert");
  auto unprepare = acm.Get<decltype(&acmStreamUnprepareHeader)>("acmStreamUnprepareHeader");
  auto close = acm.Get<decltype(&acmStreamClose)>("acmStreamClose");
  ASSERT_TRUE(open && sizeOf && prepare && convert && unprepare && close);

  struct Case { const char* name; media::FileBytes wav; int channels; };
  for (const Case& c : {Case{"click", media::ClickSound(), 2}, Case{"load", media::LoadSound(), 1}}) {
    SCOPED_TRACE(c.name);
    ASSERT_GT(c.wav.size(), 90u);
    // The fmt chunk's body is the codec's source format (WAVEFORMATEX + 32 bytes).
    std::vector<BYTE> format(c.wav.begin() + 20, c.wav.begin() + 70);
    const BYTE* data = c.wav.data() + 90;
    const DWORD dataBytes = U32(c.wav, 86);
    const auto* src = reinterpret_cast<const WAVEFORMATEX*>(format.data());
    EXPECT_EQ(src->wFormatTag, WAVE_FORMAT_ADPCM);
    WAVEFORMATEX pcm{WAVE_FORMAT_PCM, static_cast<WORD>(c.channels), 22050,
                     22050u * 2 * c.channels, static_cast<WORD>(2 * c.channels), 16, 0};
    HACMSTREAM stream = nullptr;
    ASSERT_EQ(open(&stream, nullptr, const_cast<WAVEFORMATEX*>(src), &pcm, nullptr, 0, 0,
                   ACM_STREAMOPENF_NONREALTIME), 0u);
    DWORD outBytes = 0;
    ASSERT_EQ(sizeOf(stream, dataBytes, &outBytes, ACM_STREAMSIZEF_SOURCE), 0u);
    std::vector<BYTE> out(outBytes);
    ACMSTREAMHEADER header{};
    header.cbStruct = sizeof header;
    header.pbSrc = const_cast<BYTE*>(data);
    header.cbSrcLength = dataBytes;
    header.pbDst = out.data();
    header.cbDstLength = outBytes;
    ASSERT_EQ(prepare(stream, &header, 0), 0u);
    EXPECT_EQ(convert(stream, &header, ACM_STREAMCONVERTF_START | ACM_STREAMCONVERTF_END), 0u);
    // At least every whole block comes out: a loud start that dies away to silence at the end
    // of the last whole block, which a wrong reading of the codes would not give.
    const std::size_t perBlock = U16(c.wav, 38), blockAlign = U16(c.wav, 32);
    const std::size_t wholeFrames = dataBytes / blockAlign * perBlock;
    const std::size_t samples = wholeFrames * c.channels;
    ASSERT_GE(header.cbDstLengthUsed, samples * 2);
    auto peak = [&](std::size_t from, std::size_t to) {
      int p = 0;
      for (std::size_t i = from; i < to; ++i) {
        std::int16_t s;
        std::memcpy(&s, out.data() + 2 * i, 2);
        p = std::max(p, std::abs(int(s)));
      }
      return p;
    };
    EXPECT_GT(peak(0, samples / 2), 32767 * 3 / 10);
    EXPECT_LT(peak(samples - samples / 50, samples), 32767 / 50);
    unprepare(stream, &header, 0);
    close(stream, 0);
  }
  FreeLibrary(acm.dll);
}

TEST(MediaOnWin32, DonationPictureLoadsThroughGdiTheRightWayUp) {
  const media::FileBytes bmp = media::DonationPicture();
  ASSERT_GT(bmp.size(), 54u);
  const auto* info = reinterpret_cast<const BITMAPINFO*>(bmp.data() + 14);
  const BYTE* bits = bmp.data() + U32(bmp, 10);
  HDC screen = GetDC(nullptr);
  HBITMAP picture = CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, bits, info, DIB_RGB_COLORS);
  ASSERT_NE(picture, nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, picture);
  // The red heart of the steam sits near the top, the saucer near the bottom, the corners are
  // the light background.
  const COLORREF heart = GetPixel(dc, 60, 28), corner = GetPixel(dc, 2, 2);
  EXPECT_GT(GetRValue(heart), 180);
  EXPECT_LT(GetGValue(heart), 100);
  EXPECT_GT(GetGValue(corner), 220);
  EXPECT_GT(GetBValue(corner), 200);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(picture);
  ReleaseDC(nullptr, screen);
}

}  // namespace
