// tests/unit/ico_file_test.cpp
#include "icons/ico_file.h"

#include <gtest/gtest.h>

#include "icon_test_files.h"
#include "icons/icon_cache.h"

using namespace icon_test;

TEST(IcoFile, WholePngNeedsEveryChunkUpToIend) {
  std::string png = Png(48, 48);
  EXPECT_TRUE(IsWholePng(png));
  for (size_t cut = 0; cut < png.size(); ++cut) EXPECT_FALSE(IsWholePng(png.substr(0, cut))) << cut;
  std::string huge = png;
  Patch32(huge, 8 + 8 + 13 + 4, 0xFFFFFFF0);  // IDAT length far past the end (big-endian, any value)
  EXPECT_FALSE(IsWholePng(huge));
  std::string noHeader = png;
  noHeader.replace(12, 4, "IDAT");
  EXPECT_FALSE(IsWholePng(noHeader));
}

TEST(IcoFile, EntriesOutsideTheFileAreLeftOut) {
  const std::string good = Ico({{16, 16, 32, Dib(100, 'a')}, {32, 32, 32, Dib(200, 'b')}});
  struct Case { const char* what; std::string bytes; int usable; };
  std::vector<Case> cases = {
      {"sound", good, 2},
      {"no header", good.substr(0, 5), -1},
      {"cursor type", [&] { std::string b = good; Patch16(b, 2, 2); return b; }(), -1},
      {"count beyond the directory", [&] { std::string b = good; Patch16(b, 4, 0xFFFF); return b; }(), 2},
      {"directory cut short", good.substr(0, 6 + 16 + 8), 0},
      {"data past the end", [&] { std::string b = good; Patch32(b, 6 + 16 + 8, 201); return b; }(), 1},
      {"offset past the end", [&] { std::string b = good; Patch32(b, 6 + 16 + 12, 0xFFFFFFF0); return b; }(), 1},
      {"offset plus size wraps", [&] { std::string b = good; Patch32(b, 6 + 12, 0xFFFFFFFF); return b; }(), 1},
      {"size 0", [&] { std::string b = good; Patch32(b, 6 + 8, 0); return b; }(), 1},
      {"file cut in the data", good.substr(0, good.size() - 1), 1},
      {"truncated png", Ico({{48, 48, 32, Png(48, 48).substr(0, 40)}, {16, 16, 32, Dib(50, 'c')}}), 1},
  };
  for (const Case& c : cases) {
    auto images = ReadIcoImages(c.bytes);
    if (c.usable < 0) {
      EXPECT_FALSE(images) << c.what;
      continue;
    }
    ASSERT_TRUE(images) << c.what;
    EXPECT_EQ(int(images->size()), c.usable) << c.what;
    EXPECT_EQ(IsSoundIco(c.bytes), c.usable == 2 && c.bytes == good) << c.what;
  }
}

TEST(ReduceIconFile, KeepsTheLastOfTheLargestBitmapsAsAOneImageIcon) {
  TempFolder dir;
  const std::string largest1 = Dib(3000, 'x'), largest2 = Dib(3000, 'y');
  dir.Write("in.ico", Ico({{16, 16, 4, Dib(300, 'a')}, {48, 48, 8, largest1}, {32, 32, 8, Dib(1200, 'b')},
                           {0, 0, 24, largest2}}));
  EXPECT_EQ(ReduceIconFile(dir / "in.ico", dir / "stem"), "ico");
  std::string out = dir.Read("stem.ico");
  std::string expected("\0\0\1\0\1\0" "\0\0\0\0" "\1\0\x20\0", 14);  // 256 x 256, planes 1, bit count 32
  PutU32(expected, 3000), PutU32(expected, 22);
  EXPECT_EQ(out, expected + largest2);
  EXPECT_FALSE(dir.Exists("stem.png"));
}

TEST(ReduceIconFile, ReducesTheCacheIconInPlace) {
  TempFolder dir;
  const std::string big = Dib(2000, 'z');
  dir.Write("h.ico", Ico({{16, 16, 32, Dib(100, 'a')}, {48, 48, 32, big}}));
  EXPECT_EQ(ReduceIconFile(dir / "h.ico", dir / "h"), "ico");
  const std::string reduced = dir.Read("h.ico");
  auto images = ReadIcoImages(reduced);
  ASSERT_TRUE(images && images->size() == 1);
  EXPECT_EQ((*images)[0].data, big);
  EXPECT_EQ((*images)[0].entry.width, 48);
}

TEST(ReduceIconFile, TakesTheFirstWholePngUnchanged) {
  TempFolder dir;
  // A 48-pixel PNG: the third byte of its height field is 0, and must stay 0.
  const std::string png48 = Png(48, 48), png256 = Png(256, 256, 500);
  dir.Write("small.ico", Ico({{16, 16, 32, Dib(5000, 'a')}, {48, 48, 32, png48}, {0, 0, 32, png256}}));
  EXPECT_EQ(ReduceIconFile(dir / "small.ico", dir / "a"), "png");
  EXPECT_EQ(dir.Read("a.png"), png48);
  EXPECT_FALSE(dir.Exists("a.ico"));

  dir.Write("cut.ico", Ico({{0, 0, 32, png256.substr(0, 60)}, {16, 16, 32, Dib(100, 'a')}, {0, 0, 32, png256}}));
  EXPECT_EQ(ReduceIconFile(dir / "cut.ico", dir / "b"), "png");
  EXPECT_EQ(dir.Read("b.png"), png256);

  dir.Write("onlycut.ico", Ico({{0, 0, 32, png256.substr(0, 60)}, {16, 16, 32, Dib(100, 'q')}}));
  EXPECT_EQ(ReduceIconFile(dir / "onlycut.ico", dir / "c"), "ico");
  EXPECT_FALSE(dir.Exists("c.png"));
  const std::string reduced = dir.Read("c.ico");
  EXPECT_EQ(ReadIcoImages(reduced)->at(0).data, Dib(100, 'q'));
}

TEST(ReduceIconFile, UnusableFilesLeaveNothingToShow) {
  TempFolder dir;
  dir.Write("empty.ico", "");
  EXPECT_EQ(ReduceIconFile(dir / "empty.ico", dir / "e"), "ico");
  EXPECT_FALSE(dir.Exists("e.ico"));
  EXPECT_EQ(ReduceIconFile(dir / "missing.ico", dir / "m"), "ico");
  EXPECT_FALSE(dir.Exists("m.ico"));

  std::string broken = Ico({{16, 16, 32, Dib(100, 'a')}});
  Patch32(broken, 6 + 12, 5000);
  for (const std::string& bytes : {broken, std::string("not an icon at all")}) {
    dir.Write("x.ico", bytes);
    EXPECT_EQ(ReduceIconFile(dir / "x.ico", dir / "x"), "ico");
    EXPECT_EQ(dir.Read("x.ico"), "");  // empty: the caller's failure fallback takes over
  }
}

TEST(ExtractIconGroup, AnIconFileIsOneGroup) {
  TempFolder dir;
  const std::string ico = Ico({{16, 16, 32, Dib(100, 'a')}, {32, 32, 32, Png(32, 32)}});
  dir.Write("Some.ICO", ico);
  EXPECT_TRUE(ExtractIconGroup(dir / "Some.ICO", 0, dir / "out1.ico"));
  EXPECT_EQ(dir.Read("out1.ico"), ico);
  EXPECT_FALSE(ExtractIconGroup(dir / "Some.ICO", 2, dir / "out2.ico"));
  EXPECT_FALSE(dir.Exists("out2.ico"));

  // A broken entry is dropped; the rest is packed anew.
  std::string partly = ico;
  Patch32(partly, 6 + 8, 100000);
  dir.Write("partly.ico", partly);
  EXPECT_TRUE(ExtractIconGroup(dir / "partly.ico", 1, dir / "out3.ico"));
  const std::string repacked = dir.Read("out3.ico");
  auto images = ReadIcoImages(repacked);
  ASSERT_TRUE(images && images->size() == 1);
  EXPECT_EQ((*images)[0].data, Png(32, 32));

  std::string none = ico.substr(0, 6 + 16);
  dir.Write("none.ico", none);
  dir.Write("text.txt", ico);
  for (const char* source : {"none.ico", "text.txt", "missing.ico"}) {
    EXPECT_FALSE(ExtractIconGroup(dir / source, 1, dir / "out4.ico")) << source;
    EXPECT_FALSE(dir.Exists("out4.ico")) << source;
  }
}
