// tests/unit/pe_resources_test.cpp
#include "icons/pe_resources.h"

#include <gtest/gtest.h>

#include "icons/icon_cache.h"
#include "icons/ico_file.h"
#include "pe_test_files.h"

using namespace icon_test;
using namespace pe_test;

namespace {

const std::string kPng48 = Png(48, 48, 300);
const std::string kDib16 = Dib(296, 'd');
const std::string kDib32 = Dib(1064, 'e');
const std::string kDib32English = Dib(1064, 'E');

ResourceName Named(const std::u16string& text) { return {true, 0, text}; }
ResourceName Numbered(uint16_t id) { return {false, id, u""}; }

// A library with two named groups stored first, then numbered ones; group 7 has a second
// language and its icons come in two languages; group 9 names an icon that is not there.
std::vector<Resource> LibraryResources() {
  return {
      {14, 0, u"MAINICON", 0x0409, GroupData({{48, 48, 32, 1, 5}, {16, 16, 32, 999, 6}})},
      {14, 0, u"ZED", 0x0409, GroupData({{16, 16, 32, 296, 6}})},
      {14, 1, u"", 0x0409, GroupData({{32, 32, 32, 1064, 8}})},
      {14, 7, u"", 0x0409, GroupData({{32, 32, 32, 1064, 8}})},
      {14, 7, u"", 0x0000, GroupData({{16, 16, 32, 296, 6}})},
      {14, 9, u"", 0x0409, GroupData({{16, 16, 32, 296, 6}, {32, 32, 32, 1064, 77}})},
      {3, 5, u"", 0x0409, kPng48},
      {3, 6, u"", 0x0409, kDib16},
      {3, 8, u"", 0x0804, kDib32},
      {3, 8, u"", 0x0409, kDib32English},
  };
}

std::string Expected(const std::vector<Entry>& entries) { return Ico(entries); }

}  // namespace

TEST(PeResources, ListsGroupsInStoredOrderForBothKindsOfHeader) {
  for (bool plus : {false, true}) {
    BuiltPe pe = BuildPe(LibraryResources(), plus);
    MemoryByteSource source(pe.bytes);
    EXPECT_EQ(ListIconGroups(source), (std::vector<ResourceName>{Named(u"MAINICON"), Named(u"ZED"), Numbered(1),
                                                                  Numbered(7), Numbered(9)}))
        << plus;
  }
}

TEST(PeResources, AssemblesGroupsWithTheRealImageSizes) {
  BuiltPe pe = BuildPe(LibraryResources(), true);
  MemoryByteSource source(pe.bytes);
  // The group's own size claims (1 and 999) are wrong; the images decide.
  EXPECT_EQ(IconGroupAsIco(source, 1), Expected({{48, 48, 32, kPng48}, {16, 16, 32, kDib16}}));
  EXPECT_EQ(IconGroupAsIco(source, 2), Expected({{16, 16, 32, kDib16}}));
  // The icons of an English group come in English, though a Chinese one is stored first.
  EXPECT_EQ(IconGroupAsIco(source, 3), Expected({{32, 32, 32, kDib32English}}));
  // A group in two languages: the neutral one.
  EXPECT_EQ(IconGroupAsIco(source, 4), Expected({{16, 16, 32, kDib16}}));
  // A group with a missing image is absent; the positions after it do not move.
  EXPECT_EQ(IconGroupAsIco(source, 5), std::nullopt);
  EXPECT_EQ(IconGroupAsIco(source, 0), std::nullopt);
  EXPECT_EQ(IconGroupAsIco(source, 6), std::nullopt);
}

TEST(PeResources, ExtractIconGroupReadsProgramsAndLibrariesByPosition) {
  TempFolder dir;
  BuiltPe pe = BuildPe(LibraryResources(), false);
  for (const char* name : {"lib.DLL", "app.exe", "set.icl", "odd.bin"}) dir.Write(name, pe.bytes);
  EXPECT_TRUE(ExtractIconGroup(dir / "lib.DLL", -3, dir / "first.ico"));
  EXPECT_EQ(dir.Read("first.ico"), Expected({{48, 48, 32, kPng48}, {16, 16, 32, kDib16}}));
  EXPECT_TRUE(ExtractIconGroup(dir / "app.exe", dir / "app.ico"));
  EXPECT_TRUE(ExtractIconGroup(dir / "set.icl", 4, dir / "set.ico"));
  EXPECT_EQ(dir.Read("set.ico"), Expected({{16, 16, 32, kDib16}}));
  for (auto [source, position] : {std::pair{"lib.DLL", 5}, {"lib.DLL", 6}, {"odd.bin", 1}, {"gone.dll", 1}}) {
    EXPECT_FALSE(ExtractIconGroup(dir / source, position, dir / "none.ico")) << source << position;
    EXPECT_FALSE(dir.Exists("none.ico"));
  }
}

TEST(PeResources, BrokenTablesMakeGroupsAbsentWithoutStrayReads) {
  const BuiltPe pe = BuildPe(LibraryResources(), false);
  auto entry = [&](int i) { return pe.at.at("entry:14:" + std::to_string(i)); };
  struct Case { const char* what; std::function<void(std::string&)> spoil; int absentPosition; };
  const Case cases[] = {
      {"name level loops back to the root", [&](std::string& b) { Patch32(b, entry(0) + 4, 0x80000000u); }, 1},
      {"type directory points at itself",
       [&](std::string& b) { Patch32(b, entry(1) + 4, 0x80000000u | uint32_t(pe.at.at("type:14") - kSectionFile)); }, 2},
      {"leaf where a language level belongs", [&](std::string& b) { Patch32(b, entry(2) + 4, 0x10); }, 3},
      {"group data outside the section", [&](std::string& b) { Patch32(b, pe.at.at("leaf:14:1"), 0x7FFFFFF0); }, 2},
      {"group data longer than the file", [&](std::string& b) { Patch32(b, pe.at.at("leaf:14:0") + 4, 0xFFFFFFFF); }, 1},
      {"group data shorter than its count",
       [&](std::string& b) { Patch32(b, pe.at.at("leaf:14:0") + 4, 6 + 14); }, 1},
      {"string name outside the file", [&](std::string& b) { Patch32(b, entry(1), 0xFFFFFFF0u); }, 0},
      {"entry counts beyond the table", [&](std::string& b) { Patch16(b, pe.at.at("type:14") + 14, 0xFFFF); }, 0},
  };
  for (const Case& c : cases) {
    std::string bytes = pe.bytes;
    c.spoil(bytes);
    MemoryByteSource source(bytes);
    ListIconGroups(source);
    for (int position = 1; position <= 5; ++position) {
      auto ico = IconGroupAsIco(source, position);
      if (position == c.absentPosition) {
        EXPECT_EQ(ico, std::nullopt) << c.what;
      }
      if (ico) {
        EXPECT_TRUE(IsSoundIco(*ico)) << c.what << " " << position;
      }
    }
  }
}

TEST(PeResources, EveryTruncationOrSingleByteDamageIsSafe) {
  const BuiltPe pe = BuildPe(LibraryResources(), true);
  std::vector<std::optional<std::string>> whole;
  MemoryByteSource original(pe.bytes);
  for (int position = 1; position <= 5; ++position) whole.push_back(IconGroupAsIco(original, position));
  // A cut file never yields a group other than the true one.
  for (size_t cut = 0; cut < pe.bytes.size(); cut += 7) {
    std::string bytes = pe.bytes.substr(0, cut);
    MemoryByteSource source(bytes);
    ListIconGroups(source);
    for (int position = 1; position <= 5; ++position) {
      auto ico = IconGroupAsIco(source, position);
      if (ico) {
        EXPECT_EQ(ico, whole[size_t(position) - 1]) << cut;
      }
    }
  }
  // Damage to any byte of the headers or the resource tree (the image data lies behind it):
  // whatever comes out is a sound icon file.
  for (size_t at = 0; at < kSectionFile + 0x240; ++at) {
    if (at >= 0x80 + 24 + 240 + 40 && at < kSectionFile) continue;  // padding between headers and section
    for (char value : {'\xFF', '\x00'}) {
      if (pe.bytes[at] == value) continue;
      std::string bytes = pe.bytes;
      bytes[at] = value;
      MemoryByteSource source(bytes);
      ListIconGroups(source);
      for (int position = 1; position <= 5; ++position)
        if (auto ico = IconGroupAsIco(source, position)) {
          EXPECT_TRUE(ReadIcoImages(*ico)) << at;
        }
    }
  }
}

TEST(PeResources, NotAProgramHasNoGroups) {
  std::string notPe = "MZ" + std::string(100, '\0');
  Patch32(notPe, 0x3C, 0xFFFFFFF0);
  for (const std::string& bytes : {std::string(), std::string("MZ"), notPe, Ico({{16, 16, 32, kDib16}})}) {
    MemoryByteSource source(bytes);
    EXPECT_TRUE(ListIconGroups(source).empty());
    EXPECT_EQ(IconGroupAsIco(source, 1), std::nullopt);
  }
}
