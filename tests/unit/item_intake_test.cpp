// tests/unit/item_intake_test.cpp
// The decisions of AddItemFromPath, driven through a stand-in system that keeps files in memory:
// for each kind of path, the section, the keys in the order written, the messages and what ends
// up in the icon cache.
#include "icons/item_intake.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "icons/file_type_icon.h"
#include "icons/item_naming.h"
#include "store/app_dirs.h"
#include "store/store_texts.h"

namespace {

const std::string kCache = "C:\\L\\data\\";
const std::string kShell32 = "C:\\windows\\system32\\shell32.dll";
const std::string kFailed = kIconFailedMessage;
const std::string kTarget = store_text::kTargetKey;
const std::string kArgs = store_text::kArgumentsKey;
const std::string kIconSource = store_text::kIconSourceKey;
const std::string kHash = store_text::kIconHashKey;
constexpr uint32_t kFile = 32, kFolder = 16;

class FakeSystem : public IntakeSystem {
 public:
  std::map<GbkText, uint32_t> attributes;            // the paths that exist
  std::map<GbkText, ShellLinkInfo> links;            // readable shortcuts
  std::map<GbkText, GbkText> registry;               // HKEY_CLASSES_ROOT default values
  std::set<GbkText> images;                          // files the thumbnail reader takes
  std::map<GbkText, std::vector<std::string>> groups;             // icon groups, position 1 first
  std::map<std::pair<GbkText, int32_t>, std::string> iconImages;  // single icons by index
  std::map<std::string, std::string> files;          // every file written, by path
  std::set<std::string> unwritable;                  // paths whose writes fail
  std::vector<std::string> keys;                     // "section|key=value", in order
  std::vector<std::string> messages;

  FakeSystem() { groups[kShell32] = {"blank", "options", "application", "folder"}; }

  std::optional<uint32_t> Attributes(const GbkText& path) override {
    auto found = attributes.find(path);
    if (found == attributes.end()) return std::nullopt;
    return found->second;
  }
  std::optional<ShellLinkInfo> ReadShortcut(const GbkText& path) override {
    auto found = links.find(path);
    if (found == links.end()) return std::nullopt;
    return found->second;
  }
  GbkText ClassesRootDefault(const GbkText& key) override {
    EXPECT_FALSE(key.starts_with("\\")) << key;
    auto found = registry.find(key);
    return found == registry.end() ? GbkText() : found->second;
  }
  bool FileExists(const GbkText& path) override {
    return (attributes.count(path) && !(attributes[path] & kFolder)) || files.count(path);
  }
  GbkText SystemDirectory() override { return "C:\\windows\\system32\\"; }
  std::optional<std::string> ThumbnailBmp(const GbkText& path) override {
    if (!images.count(path)) return std::nullopt;
    return "BMP of " + path;
  }
  std::optional<std::string> IconGroup(const GbkText& source, int32_t position) override {
    auto found = groups.find(source);
    if (position < 1) position = 1;
    if (found != groups.end() && size_t(position) <= found->second.size()) return found->second[position - 1];
    return std::nullopt;
  }
  std::string IconImage(const GbkText& source, int32_t index) override {
    auto found = iconImages.find({source, index});
    return found == iconImages.end() ? "" : found->second;
  }
  // A group whose text begins with "PNG" holds a PNG image; others reduce to themselves.
  ReducedIcon ReduceIcon(const std::string& ico) override {
    EXPECT_FALSE(ico.empty());
    if (ico.starts_with("PNG")) return {"png", ico};
    return {"ico", "reduced " + ico};
  }
  bool WriteFile(const std::string& path, std::string_view bytes) override {
    if (unwritable.count(path)) return false;
    files[path] = std::string(bytes);
    return true;
  }
  std::string CacheFolder() override { return kCache; }
  std::string NewIconHash(const GbkText&) override { return "H"; }
  void WriteKey(const GbkText& section, std::string_view key, const GbkText& value) override {
    keys.push_back(section + "|" + std::string(key) + "=" + value);
  }
  void ShowMessage(const GbkText& text) override { messages.push_back(text); }

  // The cache folder's files, by name.
  std::map<std::string, std::string> Cache() const {
    std::map<std::string, std::string> cache;
    for (const auto& [path, bytes] : files)
      if (path.starts_with(kCache)) cache[path.substr(kCache.size())] = bytes;
    return cache;
  }
};

std::string K(const std::string& section, const std::string& key, const std::string& value) {
  return section + "|" + key + "=" + value;
}

ShellLinkInfo Link(const GbkText& target, const GbkText& arguments = "", const GbkText& icon = ",0") {
  ShellLinkInfo link;
  link.target = target;
  link.arguments = arguments;
  link.iconLocation = icon;
  return link;
}

class ItemIntakeTest : public ::testing::Test {
 protected:
  void SetUp() override { SetCurrentAppDirs(MakeAppDirs("C:\\L", "Tovenk.exe")); }
  FakeSystem system_;
};

struct IntakeCase {
  const char* what;
  GbkText path;
  std::function<void(FakeSystem&)> arrange;
  std::vector<std::string> keys;
  std::map<std::string, std::string> cache;
  int failures = 0;  // messages "获取图标失败：" + path
  IntakeNaming naming = IntakeNaming::kAsDropped;
};

void Check(const IntakeCase& c) {
  SCOPED_TRACE(c.what);
  FakeSystem system;
  if (c.arrange) c.arrange(system);
  AddItemFromPathWith(system, c.path, c.naming);
  EXPECT_EQ(system.keys, c.keys);
  EXPECT_EQ(system.Cache(), c.cache);
  EXPECT_EQ(system.messages, std::vector<std::string>(c.failures, kFailed + c.path));
}

TEST(ItemNaming, NamesComeFromTheLastComponent) {
  struct Case { std::string path; PathNames names; };
  const std::string kTrailBackslash = "\x95\\";  // a double-byte character whose second byte is "\"
  const Case cases[] = {
      {"C:\\Apps\\[beta] app.exe", {"[beta] app.exe", "\xA1\xBE" "beta\xA1\xBF app.exe", "exe", "\xA1\xBE" "beta\xA1\xBF app"}},
      {"D:\\Work.2024", {"Work.2024", "Work.2024", "2024", "Work"}},
      {"C:\\x\\README", {"README", "README", "", "README"}},
      {"C:\\x\\Photo.Final.JPG", {"Photo.Final.JPG", "Photo.Final.JPG", "jpg", "Photo.Final"}},
      {"C:\\x\\trailing.", {"trailing.", "trailing.", "", "trailing"}},
      {"plain.txt", {"plain.txt", "plain.txt", "txt", "plain"}},
      {"C:\\x\\", {"", "", "", ""}},
      {"C:\\x\\a" + kTrailBackslash + "b.txt", {"a" + kTrailBackslash + "b.txt", "a" + kTrailBackslash + "b.txt", "txt", "a" + kTrailBackslash + "b"}},
      {"C:\\x\\\xB0[.txt", {"\xB0[.txt", "\xB0[.txt", "txt", "\xB0["}},  // "[" as a second byte stays
  };
  for (const Case& c : cases) {
    PathNames names = NamesOfPath(c.path);
    EXPECT_EQ(names.fileName, c.names.fileName) << c.path;
    EXPECT_EQ(names.displayName, c.names.displayName) << c.path;
    EXPECT_EQ(names.extension, c.names.extension) << c.path;
    EXPECT_EQ(names.baseName, c.names.baseName) << c.path;
  }
  EXPECT_EQ(NamesOfPath("C:\\[a].lnk", false).baseName, "[a]");
}

TEST(FileTypeIcon, IconLocationsSplitAtTheLastComma) {
  EXPECT_EQ(SplitIconLocation("  C:\\a,b\\lib.dll , -102 ")->path, "C:\\a,b\\lib.dll");
  EXPECT_EQ(SplitIconLocation("  C:\\a,b\\lib.dll , -102 ")->index, -102);
  EXPECT_EQ(SplitIconLocation("\"C:\\x.exe\",2.9")->path, "\"C:\\x.exe\"");  // quotes stay
  EXPECT_EQ(SplitIconLocation("\"C:\\x.exe\",2.9")->index, 2);
  EXPECT_EQ(SplitIconLocation("x.dll,")->index, 0);
  EXPECT_EQ(SplitIconLocation(",0")->path, "");
  EXPECT_FALSE(SplitIconLocation("C:\\x.ico").has_value());
}

TEST(FileTypeIcon, TheRegisteredTypeNamesTheIcon) {
  using Kind = IconPick::Kind;
  struct Case { const char* what; std::map<GbkText, GbkText> registry; std::set<GbkText> files; FileTypeIcon expected; };
  const Case cases[] = {
      {"resource id", {{".txt", "txtfile"}, {"txtfile\\DefaultIcon", "C:\\w\\lib.dll,-102"}}, {}, {{Kind::kImage, "C:\\w\\lib.dll", -102}, false}},
      {"position", {{".txt", "txtfile"}, {"txtfile\\DefaultIcon", "C:\\w\\lib.dll,2"}}, {}, {{Kind::kGroup, "C:\\w\\lib.dll", 3}, false}},
      {"huge position", {{".txt", "t"}, {"t\\DefaultIcon", "C:\\w\\lib.dll,99999999999"}}, {}, {{Kind::kGroup, "C:\\w\\lib.dll", INT32_MAX}, false}},
      {"a file", {{".txt", "t"}, {"t\\DefaultIcon", "C:\\w\\doc.ico"}}, {"C:\\w\\doc.ico"}, {{Kind::kGroup, "C:\\w\\doc.ico", 1}, true}},
      {"open command", {{".txt", "t"}, {"t\\DefaultIcon", "C:\\gone.ico"}, {"t\\shell\\open\\command", "\"C:\\ed\\ed.exe\" \"%1\""}}, {}, {{Kind::kGroup, "C:\\ed\\ed.exe", 1}, true}},
      {"nothing before the comma", {{".txt", "t"}, {"t\\DefaultIcon", ",3"}, {"t\\shell\\open\\command", "\"C:\\ed.exe\""}}, {}, {{Kind::kGroup, "C:\\ed.exe", 1}, true}},
      {"unquoted command", {{".txt", "t"}, {"t\\shell\\open\\command", "C:\\ed.exe %1"}}, {}, {{Kind::kGroup, "", 1}, true}},
      {"unregistered", {}, {}, {{Kind::kGroup, "", 1}, true}},
  };
  for (const Case& c : cases) {
    auto read = [&](const GbkText& key) {
      EXPECT_FALSE(key.starts_with("\\")) << c.what;
      auto found = c.registry.find(key);
      return found == c.registry.end() ? GbkText() : found->second;
    };
    FileTypeIcon icon = FileTypeIconOf("txt", read, [&](const GbkText& f) { return c.files.count(f) > 0; });
    EXPECT_EQ(icon.pick, c.expected.pick) << c.what;
    EXPECT_EQ(icon.reportEmptyResult, c.expected.reportEmptyResult) << c.what;
  }
}

TEST_F(ItemIntakeTest, DroppedFilesFoldersAndPrograms) {
  const std::string brackets = "\xA1\xBE" "beta\xA1\xBF app";  // 【beta】 app
  const std::string longName(259 - std::string("C:\\d\\.txt").size(), 'n');
  const IntakeCase cases[] = {
      {"program", "C:\\Apps\\[beta] app.exe",
       [](FakeSystem& s) { s.attributes["C:\\Apps\\[beta] app.exe"] = kFile; s.groups["C:\\Apps\\[beta] app.exe"] = {"own", "second"}; },
       {K(brackets, kTarget, "C:\\Apps\\[beta] app.exe"), K(brackets, kArgs, "null"), K(brackets, kHash, "H.ico")},
       {{"H.ico", "reduced own"}}},
      {"program without icons: the application icon, no message", "C:\\Apps\\bare.exe",
       [](FakeSystem& s) { s.attributes["C:\\Apps\\bare.exe"] = kFile; },
       {K("bare", kTarget, "C:\\Apps\\bare.exe"), K("bare", kArgs, "null"), K("bare", kHash, "H.ico")},
       {{"H.ico", "reduced application"}}},
      {"program whose icon is a PNG image", "C:\\Apps\\new.exe",
       [](FakeSystem& s) { s.attributes["C:\\Apps\\new.exe"] = kFile; s.groups["C:\\Apps\\new.exe"] = {"PNG 256"}; },
       {K("new", kTarget, "C:\\Apps\\new.exe"), K("new", kArgs, "null"), K("new", kHash, "H.png")},
       {{"H.png", "PNG 256"}}},
      {"a PNG that cannot be written: the icon is cached whole", "C:\\Apps\\new.exe",
       [](FakeSystem& s) {
         s.attributes["C:\\Apps\\new.exe"] = kFile;
         s.groups["C:\\Apps\\new.exe"] = {"PNG 256"};
         s.unwritable.insert(kCache + "H.png");
       },
       {K("new", kTarget, "C:\\Apps\\new.exe"), K("new", kArgs, "null"), K("new", kHash, "H.ico")},
       {{"H.ico", "PNG 256"}}},
      {"program under the run folder", "C:\\L\\tools\\x.exe",
       [](FakeSystem& s) { s.attributes["C:\\L\\tools\\x.exe"] = kFile; s.groups["C:\\L\\tools\\x.exe"] = {"x"}; },
       {K("x", kTarget, "##APP##tools\\x.exe"), K("x", kArgs, "null"), K("x", kHash, "H.ico")},
       {{"H.ico", "reduced x"}}},
      {"folder keeps its dots", "D:\\Work.2024",
       [](FakeSystem& s) { s.attributes["D:\\Work.2024"] = kFolder; },
       {K("Work.2024", kTarget, "D:\\Work.2024"), K("Work.2024", kHash, "H.ico")},
       {{"H.ico", "reduced folder"}}},
      {"a path that cannot be read counts as a folder", "D:\\gone\\x.txt", nullptr,
       {K("x.txt", kTarget, "D:\\gone\\x.txt"), K("x.txt", kHash, "H.ico")},
       {{"H.ico", "reduced folder"}}},
      {"a folder never reports, even without the folder icon", "D:\\Work",
       [](FakeSystem& s) { s.attributes["D:\\Work"] = kFolder; s.groups[kShell32] = {"blank"}; },
       {K("Work", kTarget, "D:\\Work"), K("Work", kHash, "H.ico")}, {}},
      {"image", "C:\\pics\\cat.png",
       [](FakeSystem& s) { s.attributes["C:\\pics\\cat.png"] = kFile; s.images.insert("C:\\pics\\cat.png"); },
       {K("cat", kTarget, "C:\\pics\\cat.png"), K("cat", kHash, "H.bmp")},
       {{"H.bmp", "BMP of C:\\pics\\cat.png"}}},
      {"document of a type with a resource icon", "C:\\d\\q3.txt",
       [](FakeSystem& s) {
         s.attributes["C:\\d\\q3.txt"] = kFile;
         s.registry = {{".txt", "txtfile"}, {"txtfile\\DefaultIcon", "C:\\w\\lib.dll,-102"}};
         s.iconImages[{"C:\\w\\lib.dll", -102}] = "icon 102";
       },
       {K("q3", kTarget, "C:\\d\\q3.txt"), K("q3", kHash, "H.ico")},
       {{"H.ico", "reduced icon 102"}}},
      {"document of a type with an icon group", "C:\\d\\q3.txt",
       [](FakeSystem& s) {
         s.attributes["C:\\d\\q3.txt"] = kFile;
         s.registry = {{".txt", "txtfile"}, {"txtfile\\DefaultIcon", "C:\\w\\lib.dll,2"}};
         s.groups["C:\\w\\lib.dll"] = {"g1", "g2", "g3"};
       },
       {K("q3", kTarget, "C:\\d\\q3.txt"), K("q3", kHash, "H.ico")},
       {{"H.ico", "reduced g3"}}},
      {"document whose type's icon is missing: message, blank document", "C:\\d\\q3.txt",
       [](FakeSystem& s) {
         s.attributes["C:\\d\\q3.txt"] = kFile;
         s.registry = {{".txt", "txtfile"}, {"txtfile\\DefaultIcon", "C:\\w\\lib.dll,-7"}};
       },
       {K("q3", kTarget, "C:\\d\\q3.txt"), K("q3", kHash, "H.ico")},
       {{"H.ico", "blank"}}, 1},
      {"document of an unregistered type", "C:\\d\\data.zzz",
       [](FakeSystem& s) { s.attributes["C:\\d\\data.zzz"] = kFile; },
       {K("data", kTarget, "C:\\d\\data.zzz"), K("data", kHash, "H.ico")},
       {{"H.ico", "blank"}}, 1},
      {"file without a dot", "C:\\d\\README",
       [](FakeSystem& s) { s.attributes["C:\\d\\README"] = kFile; },
       {K("README", kTarget, "C:\\d\\README"), K("README", kHash, "H.ico")},
       {{"H.ico", "blank"}}, 1},
      {"a path of 259 bytes is taken whole", "C:\\d\\" + longName + ".txt",
       [&](FakeSystem& s) { s.attributes["C:\\d\\" + longName + ".txt"] = kFile; },
       {K(longName, kTarget, "C:\\d\\" + longName + ".txt"), K(longName, kHash, "H.ico")},
       {{"H.ico", "blank"}}, 1},
  };
  for (const IntakeCase& c : cases) Check(c);
}

TEST_F(ItemIntakeTest, DroppedShortcutsFollowTheirTarget) {
  const IntakeCase cases[] = {
      {"to a folder: named after the shortcut", "C:\\s\\My Docs.lnk",
       [](FakeSystem& s) {
         s.attributes["C:\\s\\My Docs.lnk"] = kFile;
         s.links["C:\\s\\My Docs.lnk"] = Link("D:\\Docs", "-x", "C:\\i.ico,3");
         s.attributes["D:\\Docs"] = kFolder;
       },
       {K("My Docs", kTarget, "D:\\Docs"), K("My Docs", kHash, "H.ico")},
       {{"H.ico", "reduced folder"}}},
      {"unreadable: points nowhere, taken as a folder", "C:\\s\\Broken.lnk",
       [](FakeSystem& s) { s.attributes["C:\\s\\Broken.lnk"] = kFile; },
       {K("Broken", kTarget, ""), K("Broken", kHash, "H.ico")},
       {{"H.ico", "reduced folder"}}},
      {"to an image: named after the image", "C:\\s\\Pic.lnk",
       [](FakeSystem& s) {
         s.attributes["C:\\s\\Pic.lnk"] = kFile;
         s.links["C:\\s\\Pic.lnk"] = Link("C:\\p\\cat.jpg");
         s.attributes["C:\\p\\cat.jpg"] = kFile;
         s.images.insert("C:\\p\\cat.jpg");
       },
       {K("cat", kTarget, "C:\\p\\cat.jpg"), K("cat", kHash, "H.bmp")},
       {{"H.bmp", "BMP of C:\\p\\cat.jpg"}}},
      {"to a document: named after the document, arguments unused", "C:\\s\\Notes.lnk",
       [](FakeSystem& s) {
         s.attributes["C:\\s\\Notes.lnk"] = kFile;
         s.links["C:\\s\\Notes.lnk"] = Link("C:\\L\\d\\q3.TXT", "-n", "C:\\i.dll,4");
         s.attributes["C:\\L\\d\\q3.TXT"] = kFile;
         s.registry = {{".txt", "txtfile"}, {"txtfile\\DefaultIcon", "C:\\w\\lib.dll,0"}};
         s.groups["C:\\w\\lib.dll"] = {"text"};
       },
       {K("q3", kTarget, "##APP##d\\q3.TXT"), K("q3", kHash, "H.ico")},
       {{"H.ico", "reduced text"}}},
      {"to a document with brackets: the section name has none", "C:\\s\\Notes.lnk",
       [](FakeSystem& s) {
         s.attributes["C:\\s\\Notes.lnk"] = kFile;
         s.links["C:\\s\\Notes.lnk"] = Link("C:\\d\\a[1].txt");
         s.attributes["C:\\d\\a[1].txt"] = kFile;
       },
       {K("a\xA1\xBE" "1\xA1\xBF", kTarget, "C:\\d\\a[1].txt"), K("a\xA1\xBE" "1\xA1\xBF", kHash, "H.ico")},
       {{"H.ico", "blank"}}, 1},
      {"to a program, no icon of its own", "C:\\s\\Editor.lnk",
       [](FakeSystem& s) {
         s.attributes["C:\\s\\Editor.lnk"] = kFile;
         s.links["C:\\s\\Editor.lnk"] = Link("C:\\ed\\ed.exe", "-n", ",0");
         s.attributes["C:\\ed\\ed.exe"] = kFile;
         s.groups["C:\\ed\\ed.exe"] = {"ed"};
       },
       {K("Editor", kTarget, "C:\\ed\\ed.exe"), K("Editor", kArgs, "-n"), K("Editor", kHash, "H.ico")},
       {{"H.ico", "reduced ed"}}},
      {"to a program without icons: reported, then the blank document", "C:\\s\\Bare.lnk",
       [](FakeSystem& s) {
         s.attributes["C:\\s\\Bare.lnk"] = kFile;
         s.links["C:\\s\\Bare.lnk"] = Link("C:\\ed\\bare.exe", "", "");
         s.attributes["C:\\ed\\bare.exe"] = kFile;
       },
       {K("Bare", kTarget, "C:\\ed\\bare.exe"), K("Bare", kArgs, "null"), K("Bare", kHash, "H.ico")},
       {{"H.ico", "reduced blank"}}, 1},
      {"to a program with its own icon location", "C:\\s\\Tool.lnk",
       [](FakeSystem& s) {
         s.attributes["C:\\s\\Tool.lnk"] = kFile;
         s.links["C:\\s\\Tool.lnk"] = Link("C:\\L\\t\\tool.exe", "", "C:\\L\\icons\\set.dll , 3");
         s.attributes["C:\\L\\t\\tool.exe"] = kFile;
         s.iconImages[{"C:\\L\\icons\\set.dll", 3}] = "set 3";
       },
       {K("Tool", kTarget, "##APP##t\\tool.exe"), K("Tool", kArgs, "null"),
        K("Tool", kIconSource, "##APP##icons\\set.dll , 3"), K("Tool", kHash, "H.ico")},
       {{"H.ico", "reduced set 3"}}},
      {"to a program whose icon location gives nothing: the fallback is not reduced", "C:\\s\\Tool.lnk",
       [](FakeSystem& s) {
         s.attributes["C:\\s\\Tool.lnk"] = kFile;
         s.links["C:\\s\\Tool.lnk"] = Link("C:\\t\\tool.exe", "a b", "C:\\pic.jpg,0");
         s.attributes["C:\\t\\tool.exe"] = kFile;
       },
       {K("Tool", kTarget, "C:\\t\\tool.exe"), K("Tool", kArgs, "a b"), K("Tool", kIconSource, "C:\\pic.jpg,0"),
        K("Tool", kHash, "H.ico")},
       {{"H.ico", "blank"}}, 1},
  };
  for (const IntakeCase& c : cases) Check(c);
}

TEST_F(ItemIntakeTest, ARebuildKeepsTheItemsOwnName) {
  const IntakeCase cases[] = {
      {"renamed document item", "C:\\tmp\\My Notes.lnk",
       [](FakeSystem& s) {
         s.attributes["C:\\tmp\\My Notes.lnk"] = kFile;
         s.links["C:\\tmp\\My Notes.lnk"] = Link("C:\\d\\q3.txt", "", "");
         s.attributes["C:\\d\\q3.txt"] = kFile;
         s.registry = {{".txt", "t"}, {"t\\DefaultIcon", "C:\\w\\lib.dll,0"}};
         s.groups["C:\\w\\lib.dll"] = {"text"};
       },
       {K("My Notes", kTarget, "C:\\d\\q3.txt"), K("My Notes", kHash, "H.ico")},
       {{"H.ico", "reduced text"}}, 0, IntakeNaming::kKeepShortcutName},
      {"renamed image item", "C:\\tmp\\Cat.v2.lnk",
       [](FakeSystem& s) {
         s.attributes["C:\\tmp\\Cat.v2.lnk"] = kFile;
         s.links["C:\\tmp\\Cat.v2.lnk"] = Link("C:\\p\\cat.jpg", "", "");
         s.attributes["C:\\p\\cat.jpg"] = kFile;
         s.images.insert("C:\\p\\cat.jpg");
       },
       {K("Cat.v2", kTarget, "C:\\p\\cat.jpg"), K("Cat.v2", kHash, "H.bmp")},
       {{"H.bmp", "BMP of C:\\p\\cat.jpg"}}, 0, IntakeNaming::kKeepShortcutName},
  };
  for (const IntakeCase& c : cases) Check(c);
}

}  // namespace
