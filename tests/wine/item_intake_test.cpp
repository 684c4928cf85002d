// tests/wine/item_intake_test.cpp
// AddItemFromPath against the real system: file attributes, GDI+ thumbnails, shortcut files,
// file types registered under HKEY_CLASSES_ROOT for the test, icons of Wine's own programs and
// of shell32.dll. Each item's keys are read back from the category file and its cached icon is
// compared with what the icon operations give for the source the item should have used.
#include <gtest/gtest.h>

#include <map>

#include "commands/shortcut_writer.h"
#include "icons/ico_file.h"
#include "icons/icon_cache.h"
#include "icons/item_intake.h"
#include "icons/pe_resources.h"
#include "icons/pixels24.h"
#include "items_wine_support.h"
#include "platform/message_box.h"
#include "store/app_dirs.h"
#include "store/category_catalogue.h"
#include "store/category_file.h"
#include "store/store_seams.h"
#include "store/store_texts.h"

using namespace items_wine;

namespace {

const auto* const kGdiplus = ::testing::AddGlobalTestEnvironment(new GdiplusSession);

const std::string kGongJu = "\xB9\xA4\xBE\xDF";  // 工具
const std::string kTuPian = "\xCD\xBC\xC6\xAC";  // 图片
const std::string kBrackets = "\xA1\xBE" "beta\xA1\xBF app";  // 【beta】 app

// A cached icon: its extension and bytes.
struct Icon {
  std::string extension;
  std::string bytes;
  bool operator==(const Icon&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Icon& icon) {
  return out << icon.extension << " of " << icon.bytes.size() << " bytes";
}

class ItemIntakeWine : public ::testing::Test {
 protected:
  void SetUp() override {
    run_ = ScratchFolder("run");
    SetCurrentAppDirs(MakeAppDirs(run_, "Tovenk.exe"));
    ASSERT_TRUE(CreateDirectoryA(CurrentAppDirs().dataDir.c_str(), nullptr));
    ResetCategoryCatalogue();
    SetStoreSeams(StoreSeams{});
    ASSERT_TRUE(file_io::WriteWholeFile(CurrentAppDirs().dataDir + "cat.ini", ""));
    ASSERT_TRUE(OpenCategoryFile("cat"));
    SetMessageBoxHandler([this](std::string_view text, BoxButtons) {
      messages_.emplace_back(text);
      return BoxAnswer::kOk;
    });
    shell32_ = SystemDir() + "\\shell32.dll";
    notepad_ = SystemDir() + "\\notepad.exe";
    scratch_ = ScratchFolder("icons");
  }
  void TearDown() override { SetMessageBoxHandler(nullptr); }

  static GbkText Key(const GbkText& section, const char* key) { return category_file::Read(section, key); }

  // The item's cached icon, found through its "图标hash".
  static Icon Cached(const GbkText& section) {
    const GbkText hash = Key(section, store_text::kIconHashKey);
    if (hash.size() != 36) return {"bad hash " + hash, ""};
    return {hash.substr(33), ReadAll(CurrentAppDirs().dataDir + hash)};
  }
  // What the cache holds for an icon group that was reduced, and for one that was not.
  Icon ReducedGroup(const std::string& source, int position) {
    const std::string stem = scratch_ + "\\g" + std::to_string(counter_++);
    EXPECT_TRUE(ExtractIconGroup(source, position, stem + ".ico")) << source << " " << position;
    const std::string kind = ReduceIconFile(stem + ".ico", stem);
    return {kind, ReadAll(stem + "." + kind)};
  }
  Icon RawGroup(const std::string& source, int position) {
    const std::string file = scratch_ + "\\g" + std::to_string(counter_++) + ".ico";
    EXPECT_TRUE(ExtractIconGroup(source, position, file));
    return {"ico", ReadAll(file)};
  }
  std::string Copy(const std::string& from, const std::string& to) {
    EXPECT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE)) << to;
    return to;
  }
  std::vector<std::string> Failures(std::initializer_list<std::string> paths) {
    std::vector<std::string> texts;
    for (const std::string& path : paths) texts.push_back(kIconFailedMessage + path);
    return texts;
  }
  // An image file GDI+ reads: a small 24-bit BMP.
  std::string MakeImage(const std::string& path) {
    Pixels24 pixels(10, 5);
    for (int x = 0; x < 10; ++x) pixels.At(x, 2)[2] = 200;
    EXPECT_TRUE(file_io::WriteWholeFile(path, EncodeBmp24(pixels)));
    return path;
  }

  std::string run_, shell32_, notepad_, scratch_;
  int counter_ = 0;
  std::vector<std::string> messages_;
};

TEST_F(ItemIntakeWine, FoldersProgramsAndImages) {
  const std::string tools = run_ + "\\tools";
  ASSERT_TRUE(CreateDirectoryA(tools.c_str(), nullptr));
  const std::string program = Copy(notepad_, tools + "\\[beta] app.exe");
  const std::string zhProgram = Copy(notepad_, scratch_ + "\\" + kTuPian + ".exe");
  const std::string bare = scratch_ + "\\bare.exe";
  ASSERT_TRUE(file_io::WriteWholeFile(bare, "MZ not really a program"));
  const std::string folder = scratch_ + "\\Work.2024";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  const std::string image = MakeImage(scratch_ + "\\cat.bmp");

  for (const std::string& path : {program, zhProgram, bare, folder, image}) AddItemFromPath(path);
  EXPECT_TRUE(messages_.empty());

  EXPECT_EQ(Key(kBrackets, store_text::kTargetKey), "##APP##tools\\[beta] app.exe");
  EXPECT_EQ(Key(kBrackets, store_text::kArgumentsKey), "null");
  EXPECT_EQ(Cached(kBrackets), ReducedGroup(program, 1));
  EXPECT_EQ(Key(kTuPian, store_text::kTargetKey), zhProgram);
  EXPECT_EQ(Cached(kTuPian), ReducedGroup(zhProgram, 1));
  EXPECT_EQ(Key("bare", store_text::kArgumentsKey), "null");
  EXPECT_EQ(Cached("bare"), ReducedGroup(shell32_, 3));  // the application icon, without a message
  EXPECT_EQ(Key("Work.2024", store_text::kTargetKey), folder);
  EXPECT_EQ(Cached("Work.2024"), ReducedGroup(shell32_, 4));
  EXPECT_EQ(Key("Work.2024", store_text::kArgumentsKey), "");
  EXPECT_EQ(Key("cat", store_text::kTargetKey), image);
  Icon thumbnail = Cached("cat");
  EXPECT_EQ(thumbnail.extension, "bmp");
  std::optional<Pixels24> pixels = DecodeBmp24(thumbnail.bytes);
  ASSERT_TRUE(pixels.has_value());
  EXPECT_EQ(pixels->width, 256);
  EXPECT_EQ(pixels->height, 256);
  // Every item wrote its keys in order, "图标hash" last.
  const std::string ini = ReadAll(GetCurrentCategory().path);
  EXPECT_NE(ini.find("[" + kBrackets + "]\r\n" + store_text::kTargetKey + "=##APP##tools\\[beta] app.exe\r\n" +
                     store_text::kArgumentsKey + "=null\r\n" + store_text::kIconHashKey + "="),
            std::string::npos)
      << ini;
}

TEST_F(ItemIntakeWine, DocumentsTakeTheIconOfTheirType) {
  // A resource identifier of shell32.dll's icons (not 1: ExtractIconA takes index -1 as a
  // question for the number of icons).
  FileByteSource shell32File(shell32_);
  int32_t resourceId = 0;
  for (const ResourceName& group : ListIconGroups(shell32File))
    if (!group.isString && group.id > 1) {
      resourceId = group.id;
      break;
    }
  ASSERT_GT(resourceId, 1);
  const std::string ico = scratch_ + "\\doc.ico";
  ASSERT_TRUE(ExtractIconGroup(notepad_, 1, ico));
  const std::string editor = Copy(notepad_, scratch_ + "\\ed.exe");

  RegisteredFileType byId("tvkid", "tvkidfile", shell32_ + ",-" + std::to_string(resourceId));
  RegisteredFileType byPosition("tvkpos", "tvkposfile", "%SystemRoot%\\system32\\shell32.dll , 3", "", REG_EXPAND_SZ);
  RegisteredFileType byFile("tvkfile", "tvkfilefile", ico);
  RegisteredFileType byCommand("tvkcmd", "tvkcmdfile", "", "\"" + editor + "\" \"%1\"");
  RegisteredFileType broken("tvkbad", "tvkbadfile", shell32_ + ",-32000");

  std::map<std::string, std::string> documents;
  for (const char* extension : {"tvkid", "tvkpos", "tvkfile", "tvkcmd", "tvkbad", "tvknone"}) {
    documents[extension] = scratch_ + "\\doc." + extension;
    ASSERT_TRUE(file_io::WriteWholeFile(documents[extension], "text"));
  }
  const std::string readme = scratch_ + "\\" + kGongJu + "\\README";
  ASSERT_TRUE(CreateDirectoryA((scratch_ + "\\" + kGongJu).c_str(), nullptr));
  ASSERT_TRUE(file_io::WriteWholeFile(readme, "text"));

  struct Case { std::string path, section; Icon icon; };
  const Case cases[] = {
      {documents["tvkpos"], "doc", ReducedGroup(shell32_, 4)},  // ",3" is the fourth group
      {documents["tvkfile"], "doc", ReducedGroup(ico, 1)},
      {documents["tvkcmd"], "doc", ReducedGroup(editor, 1)},
      {documents["tvknone"], "doc", RawGroup(shell32_, 1)},     // not reduced after the message
      {readme, "README", RawGroup(shell32_, 1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    messages_.clear();
    AddItemFromPath(c.path);
    EXPECT_EQ(Key(c.section, store_text::kTargetKey), c.path);
    EXPECT_EQ(Cached(c.section), c.icon);
    const bool reported = c.icon == RawGroup(shell32_, 1);
    EXPECT_EQ(messages_, reported ? Failures({c.path}) : std::vector<std::string>{});
  }

  // A resource identifier gives one icon drawn at 128 x 128, white being transparent.
  messages_.clear();
  AddItemFromPath(documents["tvkid"]);
  EXPECT_TRUE(messages_.empty());
  Icon drawn = Cached("doc");
  auto images = ReadIcoImages(drawn.bytes);
  ASSERT_TRUE(images.has_value());
  ASSERT_EQ(images->size(), 1u);
  EXPECT_EQ((*images)[0].entry.width, 128);
  EXPECT_EQ((*images)[0].entry.height, 128);

  // An identifier the library does not have: reported, blank document.
  AddItemFromPath(documents["tvkbad"]);
  EXPECT_EQ(messages_, Failures({documents["tvkbad"]}));
  EXPECT_EQ(Cached("doc"), RawGroup(shell32_, 1));
}

TEST_F(ItemIntakeWine, ShortcutsAreTakenByTheirTarget) {
  const std::string tools = run_ + "\\tools";
  ASSERT_TRUE(CreateDirectoryA(tools.c_str(), nullptr));
  const std::string editor = Copy(notepad_, tools + "\\ed.exe");
  const std::string icon = scratch_ + "\\own.ico";
  ASSERT_TRUE(ExtractIconGroup(shell32_, 4, icon));
  const std::string image = MakeImage(scratch_ + "\\cat.bmp");
  RegisteredFileType text("tvkpos", "tvkposfile", shell32_ + ",3");
  const std::string document = scratch_ + "\\q3.tvkpos";
  ASSERT_TRUE(file_io::WriteWholeFile(document, "text"));
  const std::string links = ScratchFolder("links");
  auto link = [&](const std::string& name, const std::string& target, const std::string& arguments,
                  const std::string& iconLocation) {
    GbkText path = links + "\\" + name;
    EXPECT_TRUE(WriteShortcut(path, target, arguments, iconLocation)) << name;
    return path;
  };

  AddItemFromPath(link("My Docs.lnk", scratch_, "-x", ""));
  AddItemFromPath(link("Pic.lnk", image, "", ""));
  AddItemFromPath(link("Notes.lnk", document, "-n", ""));
  AddItemFromPath(link("Editor.lnk", editor, "-n \"a b\"", ""));
  AddItemFromPath(link("Tool.lnk", editor, "", icon + ",0"));
  EXPECT_TRUE(messages_.empty());

  EXPECT_EQ(Key("My Docs", store_text::kTargetKey), scratch_);
  EXPECT_EQ(Cached("My Docs"), ReducedGroup(shell32_, 4));
  EXPECT_EQ(Key("cat", store_text::kTargetKey), image);
  EXPECT_EQ(Cached("cat").extension, "bmp");
  EXPECT_EQ(Key("q3", store_text::kTargetKey), document);
  EXPECT_EQ(Key("q3", store_text::kArgumentsKey), "");
  EXPECT_EQ(Cached("q3"), ReducedGroup(shell32_, 4));
  EXPECT_EQ(Key("Editor", store_text::kTargetKey), "##APP##tools\\ed.exe");
  EXPECT_EQ(Key("Editor", store_text::kArgumentsKey), "-n \"a b\"");
  EXPECT_EQ(Key("Editor", store_text::kIconSourceKey), "");
  EXPECT_EQ(Cached("Editor"), ReducedGroup(editor, 1));
  EXPECT_EQ(Key("Tool", store_text::kArgumentsKey), "null");
  EXPECT_EQ(Key("Tool", store_text::kIconSourceKey), icon + ",0");
  auto images = ReadIcoImages(Cached("Tool").bytes);
  ASSERT_TRUE(images.has_value());
  ASSERT_EQ(images->size(), 1u);
  EXPECT_EQ((*images)[0].entry.width, 128);

  // A program shortcut whose target has no icon: reported, blank document.
  const std::string bare = scratch_ + "\\bare.exe";
  ASSERT_TRUE(file_io::WriteWholeFile(bare, "MZ"));
  const GbkText bareLink = link("Bare.lnk", bare, "", "");
  AddItemFromPath(bareLink);
  EXPECT_EQ(messages_, Failures({bareLink}));
  EXPECT_EQ(Cached("Bare"), ReducedGroup(shell32_, 1));  // the earlier fallback is reduced

  // The item loader's rebuild keeps a renamed item's name.
  RebuildItemFromShortcut(link("My Notes.lnk", document, "", ""));
  EXPECT_EQ(Key("My Notes", store_text::kTargetKey), document);
  EXPECT_EQ(Cached("My Notes"), ReducedGroup(shell32_, 4));
}

TEST_F(ItemIntakeWine, APathOf259BytesIsTakenWhole) {
  std::string folder = scratch_;
  while (folder.size() < 200) {
    folder += "\\" + std::string(20, 'd');
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
  }
  const std::string ending = ".tvknone";
  const std::string name(259 - folder.size() - 1 - ending.size(), 'n');
  const std::string path = folder + "\\" + name + ending;
  ASSERT_EQ(path.size(), 259u);
  // Written in place: a rewrite through a temporary file would need a longer name.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  AddItemFromPath(path);
  EXPECT_EQ(Key(name, store_text::kTargetKey), path);
  EXPECT_EQ(messages_, Failures({path}));
  EXPECT_EQ(Cached(name), RawGroup(shell32_, 1));
}

}  // namespace
