// tests/wine/icons_groups_test.cpp
// The icon groups that our own PE reader finds in real programs and libraries, checked against
// what the system itself enumerates and loads for the same files.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "icons/byte_source.h"
#include "icons/ico_file.h"
#include "icons/icon_cache.h"
#include "icons/pe_resources.h"
#include "icons_wine_support.h"

using namespace icons_wine;

namespace {

// The group's name as wrestool writes it: the number, or the string.
std::string NameText(const ResourceName& name) {
  if (!name.isString) return std::to_string(name.id);
  std::string text;
  for (char16_t c : name.text) text += c < 0x80 ? char(c) : '?';
  return text;
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
  auto* list = reinterpret_cast<std::vector<std::string>*>(names);
  list->push_back(IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<ULONG_PTR>(name)) : std::string(name));
  return TRUE;
}

// The group as the system's resource functions give it, assembled the same way.
std::optional<std::string> SystemGroup(HMODULE module, const std::string& name) {
  LPCSTR id = name[0] >= '0' && name[0] <= '9' ? MAKEINTRESOURCEA(std::atoi(name.c_str())) : name.c_str();
  HRSRC found = FindResourceA(module, id, MAKEINTRESOURCEA(14));
  if (!found) return std::nullopt;
  const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  DWORD groupSize = SizeofResource(module, found);
  if (!group || groupSize < 6) return std::nullopt;
  WORD count = *reinterpret_cast<const WORD*>(group + 4);
  std::vector<IcoImage> images;
  for (WORD i = 0; i < count; ++i) {
    const BYTE* member = group + 6 + 14 * i;
    HRSRC icon = FindResourceA(module, MAKEINTRESOURCEA(*reinterpret_cast<const WORD*>(member + 12)), MAKEINTRESOURCEA(3));
    if (!icon) return std::nullopt;
    IcoImage image;
    image.entry.width = member[0];
    image.entry.height = member[1];
    image.entry.colourCount = member[2];
    image.entry.reserved = member[3];
    image.entry.planes = *reinterpret_cast<const WORD*>(member + 4);
    image.entry.bitCount = *reinterpret_cast<const WORD*>(member + 6);
    image.data = std::string_view(static_cast<const char*>(LockResource(LoadResource(module, icon))),
                                  SizeofResource(module, icon));
    images.push_back(image);
  }
  return AssembleIco(images);
}

}  // namespace

TEST(IconGroups, SameGroupsInTheSameOrderAsTheSystem) {
  int filesWithGroups = 0;
  for (const std::string& file : SystemIconSources()) {
    SCOPED_TRACE(file);
    HMODULE module = LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(module);
    std::vector<std::string> system;
    EnumResourceNamesA(module, MAKEINTRESOURCEA(14), CollectName, reinterpret_cast<LONG_PTR>(&system));

    FileByteSource source(file);
    std::vector<std::string> ours;
    for (const ResourceName& name : ListIconGroups(source)) ours.push_back(NameText(name));
    EXPECT_EQ(ours, system);
    // ExtractIconA counts the same groups.
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(ExtractIconA(GetModuleHandleA(nullptr), file.c_str(), UINT(-1))),
              ours.size());
    filesWithGroups += ours.empty() ? 0 : 1;

    for (size_t position = 1; position <= ours.size(); ++position) {
      auto ico = IconGroupAsIco(source, int(position));
      ASSERT_TRUE(ico) << position;
      EXPECT_TRUE(IsSoundIco(*ico)) << position;
      EXPECT_EQ(ico, SystemGroup(module, ours[position - 1])) << position;
    }
    FreeLibrary(module);
  }
  EXPECT_GE(filesWithGroups, 7);
}

TEST(IconGroups, ExtractedGroupsLoadAsIconsFromAnyPath) {
  const std::string shell32 = SystemDir() + "\\shell32.dll";
  const std::string folder = ScratchFolder("icons_groups");
  // A copy under a Chinese name (code page 936): 图标库.dll
  const std::string copy = folder + "\\\xCD\xBC\xB1\xEA\xBF\xE2.dll";
  ASSERT_TRUE(CopyFileA(shell32.c_str(), copy.c_str(), FALSE));
  for (int position : {1, 3, 4}) {
    const std::string fromSystem = folder + "\\system" + std::to_string(position) + ".ico";
    const std::string fromCopy = folder + "\\copy" + std::to_string(position) + ".ico";
    ASSERT_TRUE(ExtractIconGroup(shell32, position, fromSystem));
    ASSERT_TRUE(ExtractIconGroup(copy, position, fromCopy));
    EXPECT_EQ(ReadAll(fromSystem), ReadAll(fromCopy));
    HICON icon = static_cast<HICON>(LoadImageA(nullptr, fromSystem.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
    EXPECT_TRUE(icon) << position;
    if (icon) DestroyIcon(icon);
  }
  EXPECT_FALSE(ExtractIconGroup(shell32, 100000, folder + "\\none.ico"));
  EXPECT_EQ(GetFileAttributesA((folder + "\\none.ico").c_str()), INVALID_FILE_ATTRIBUTES);
}

// Not a check of its own: with TOVENK_ICON_DUMP_DIR set (a Windows path), writes every group of
// the system's icon sources through ExtractIconGroup, for tests/wine_icons to compare with
// wrestool. Per source: <dir>\<n>\source.txt (its path), names.txt (one group name a line, in
// our order) and <position>.ico.
TEST(IconGroupDump, WritesGroupsForComparison) {
  const char* dump = std::getenv("TOVENK_ICON_DUMP_DIR");
  if (!dump || !*dump) GTEST_SKIP() << "TOVENK_ICON_DUMP_DIR not set";
  int n = 0;
  for (const std::string& file : SystemIconSources()) {
    const std::string dir = std::string(dump) + "\\" + std::to_string(n++);
    CreateDirectoryA(dir.c_str(), nullptr);
    ASSERT_TRUE(file_io::WriteWholeFile(dir + "\\source.txt", file + "\n"));
    FileByteSource source(file);
    std::string names;
    for (const ResourceName& name : ListIconGroups(source)) names += NameText(name) + "\n";
    ASSERT_TRUE(file_io::WriteWholeFile(dir + "\\names.txt", names));
    for (size_t position = 1; position <= size_t(std::count(names.begin(), names.end(), '\n')); ++position)
      EXPECT_TRUE(ExtractIconGroup(file, int(position), dir + "\\" + std::to_string(position) + ".ico"));
  }
}
