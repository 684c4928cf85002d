// bench/items_bench.cpp
// Speed of the item store and the icon intake.
//  warm: ReloadItems of a 1,000-item category whose icons are all cached (PNG, ICO and BMP cache
//        files in the data folder): milliseconds per item for the first load of the category and
//        for the reloads after it, and how often a reload parsed the category file.
//  cold: AddItemFromPath of 200 program items whose icons come from the system's own programs
//        and libraries: the programs of the system folder (their first icon group, or the
//        application icon of shell32.dll when they have none) and shortcuts to a program whose
//        icon location names an icon of a system library. Each round starts from an empty data
//        folder. Then the item loader's own rebuild of every icon, after the cache files are gone.
// The window side of the store (painting, caption, sound, focus) is left out; the pictures are
// the program's own (GDI+). Phase timings follow the figures, to show where the time goes.
#include <windows.h>
#include <gdiplus.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "commands/shortcut_writer.h"
#include "icons/icon_cache.h"
#include "icons/icon_hash.h"
#include "icons/icon_picture_win.h"
#include "icons/item_intake.h"
#include "icons/pixels24.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "store/app_dirs.h"
#include "store/category_catalogue.h"
#include "store/category_file.h"
#include "store/ini_document.h"
#include "store/item_store.h"
#include "store/store_seams.h"
#include "store/store_texts.h"

namespace {

constexpr int kWarmItems = 1000;
constexpr int kWarmReloads = 5;
constexpr int kColdItems = 200;
constexpr int kColdRounds = 5;
constexpr int kIconSize = 64;  // the launcher's default icon size

const std::string kWarmCategory = "\xB3\xA3\xD3\xC3";  // 常用
const std::string kColdCategory = "\xB3\xCC\xD0\xF2";  // 程序
const std::string kItem = "\xCF\xEE\xC4\xBF";          // 项目

using Clock = std::chrono::steady_clock;
double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// Time spent in named phases, summed.
class PhaseClock {
 public:
  template <typename F>
  auto Time(const std::string& phase, F f) {
    struct Add {
      PhaseClock& clock;
      const std::string& phase;
      Clock::time_point start = Clock::now();
      ~Add() {
        clock.ms_[phase] += MsSince(start);
        ++clock.calls_[phase];
      }
    } add{*this, phase};
    return f();
  }
  void Print(double totalMs, int items) const {
    double inPhases = 0;
    for (const auto& [phase, ms] : ms_) {
      inPhases += ms;
      std::printf("    %-40s %9.1f ms %8.3f ms/item %6d calls\n", phase.c_str(), ms, ms / items, calls_.at(phase));
    }
    std::printf("    %-40s %9.1f ms %8.3f ms/item\n", "(the rest)", totalMs - inPhases, (totalMs - inPhases) / items);
  }

 private:
  std::map<std::string, double> ms_;
  std::map<std::string, int> calls_;
};

std::string SystemDir() {
  char path[MAX_PATH] = {};
  GetSystemDirectoryA(path, sizeof path);
  return path;
}

std::vector<std::string> FilesIn(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

bool RemoveTree(const std::string& folder) {
  for (const std::string& name : FilesIn(folder, "*")) DeleteFileA((folder + "\\" + name).c_str());
  return RemoveDirectoryA(folder.c_str()) != 0;
}

// A run folder of its own with an empty data folder, made the program's.
std::string UseNewRunFolder(const std::string& base, const std::string& name) {
  const std::string runDir = base + "\\" + name;
  CreateDirectoryA(runDir.c_str(), nullptr);
  SetCurrentAppDirs(MakeAppDirs(runDir, "Tovenk.exe"));
  CreateDirectoryA(CurrentAppDirs().dataDir.c_str(), nullptr);
  return runDir;
}

// --- The store's seams, as the program connects them, less the window ------------------------

GridValues g_grid{kIconSize, 16, 0};
PhaseClock* g_storeClock = nullptr;  // phases of a reload, while one is timed

template <typename F>
auto Timed(const char* phase, F f) {
  return g_storeClock ? g_storeClock->Time(phase, f) : f();
}

void ConnectStore() {
  StoreSeams seams;
  seams.gridValues = [] { return g_grid; };
  seams.setColumnCount = [](int32_t columns) { g_grid.columns = columns; };
  seams.soundsOff = [] { return true; };
  seams.loadItemPicture = [](const std::string& cacheFile, int32_t size) {
    return Timed("LoadItemPicture",
                 [&] { return reinterpret_cast<ItemPictureHandle>(LoadItemPicture(cacheFile, size)); });
  };
  seams.releaseItemPicture = [](ItemPictureHandle picture) {
    if (picture) DeleteObject(reinterpret_cast<HBITMAP>(picture));
  };
  seams.writeShortcut = [](const ShortcutRequest& request) {
    return Timed("write the temporary shortcut", [&] { return WriteShortcutRequest(request); });
  };
  seams.addItemFromPath = [](const GbkText& path) {
    Timed("AddItemFromPath of the shortcut", [&] { RebuildItemFromShortcut(path); });
  };
  SetStoreSeams(std::move(seams));
}

// --- Warm: cache files and the reloads ---------------------------------------------------------

// A 256 x 256 PNG with a transparent background, as the large images of modern icon groups are:
// a disc of a colour given by `seed`, written by GDI+'s PNG encoder.
std::string MakePng(const std::string& path, int seed) {
  constexpr int kSide = 256;
  std::vector<uint32_t> argb(size_t(kSide) * kSide, 0);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      const int dx = x - 128, dy = y - 128;
      if (dx * dx + dy * dy < 110 * 110)
        argb[size_t(y) * kSide + size_t(x)] = 0xFF000000u | uint32_t((seed * 53 + x) & 0xFF) << 16 |
                                              uint32_t((seed * 97 + y) & 0xFF) << 8 | uint32_t((seed * 31) & 0xFF);
    }
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(kSide, kSide, kSide * 4, PixelFormat32bppARGB,
                                                      reinterpret_cast<BYTE*>(argb.data()), &bitmap) != Gdiplus::Ok)
    return {};
  const CLSID pngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
  const std::wstring wide(path.begin(), path.end());  // an ASCII scratch path
  const Gdiplus::GpStatus saved = Gdiplus::DllExports::GdipSaveImageToFile(bitmap, wide.c_str(), &pngEncoder, nullptr);
  Gdiplus::DllExports::GdipDisposeImage(bitmap);
  return saved == Gdiplus::Ok ? file_io::ReadWholeFile(path).value_or("") : std::string();
}

struct CacheSamples {
  std::vector<std::string> png, ico, bmp;  // file bytes
};

// Cache files as the intake makes them: icon groups of the system's libraries reduced to their
// cached form (Wine's hold PNG images), single icons taken by index and reduced (ICO), PNG
// images, and 256 x 256 BMP thumbnails of those images.
CacheSamples MakeCacheSamples(const std::string& scratch) {
  CacheSamples samples;
  auto keep = [&](const std::optional<std::string>& ico) {
    if (!ico || ico->empty()) return;
    ReducedIcon reduced = ReduceIconBytes(*ico);
    if (reduced.bytes && !reduced.bytes->empty()) (reduced.kind == "png" ? samples.png : samples.ico).push_back(*reduced.bytes);
  };
  for (const char* library : {"shell32.dll", "user32.dll", "comdlg32.dll", "comctl32.dll"}) {
    const std::string source = SystemDir() + "\\" + library;
    for (int group = 1; group <= 12; ++group) keep(IconGroupBytes(source, group));
    for (int index = 0; index < 4; ++index) keep(IconImageBytes(source, index));
  }
  for (int seed = 0; seed < 8; ++seed) {
    const std::string png = scratch + "\\p" + std::to_string(seed) + ".png";
    std::string bytes = MakePng(png, seed);
    if (bytes.empty()) continue;
    samples.png.push_back(bytes);
    if (std::optional<std::string> bmp = LoadThumbnailBmp(png, 256, 256)) samples.bmp.push_back(*bmp);
  }
  return samples;
}

const char* const kCacheExtensions[] = {".png", ".ico", ".bmp"};

std::string WarmItemName(int i) { return kItem + std::to_string(i) + " App"; }
std::string WarmCacheFile(int i) {
  return CurrentAppDirs().dataDir + IconHash("bench", WarmItemName(i)) + kCacheExtensions[i % 3];
}

// The warm category: kWarmItems sections whose icons lie in the data folder, the kinds in turn.
void MakeWarmCategory(const CacheSamples& samples) {
  const std::vector<std::string>* const pools[] = {&samples.png, &samples.ico, &samples.bmp};
  std::string text;
  for (int i = 0; i < kWarmItems; ++i) {
    const std::vector<std::string>& pool = *pools[i % 3];
    const std::string file = WarmCacheFile(i);
    file_io::WriteWholeFile(file, pool[size_t(i / 3) % pool.size()]);
    text += "[" + WarmItemName(i) + "]\r\n";
    text += std::string(store_text::kTargetKey) + "=##APP##tools\\app" + std::to_string(i) + ".exe\r\n";
    text += std::string(store_text::kArgumentsKey) + "=null\r\n";
    text += std::string(store_text::kIconHashKey) + "=" + file.substr(CurrentAppDirs().dataDir.size()) + "\r\n";
  }
  file_io::WriteWholeFile(CurrentAppDirs().dataDir + kWarmCategory + store_text::kCategoryExtension, text);
}

// The steps of LoadItemPicture for one kind of cache file, ms per file.
void PrintPictureSteps(const char* extension) {
  namespace gp = Gdiplus::DllExports;
  double loadMs = 0, thumbnailMs = 0, pictureMs = 0;
  int files = 0;
  for (int i = 0; i < kWarmItems && files < 100; ++i) {
    const std::string file = WarmCacheFile(i);
    if (!file.ends_with(extension)) continue;
    ++files;
    const std::wstring wide(file.begin(), file.end());  // an ASCII path
    Clock::time_point start = Clock::now();
    Gdiplus::GpImage* image = nullptr;
    gp::GdipLoadImageFromFile(wide.c_str(), &image);
    loadMs += MsSince(start);
    start = Clock::now();
    Gdiplus::GpImage* thumbnail = nullptr;
    HBITMAP bitmap = nullptr;
    if (image && gp::GdipGetImageThumbnail(image, kIconSize, kIconSize, &thumbnail, nullptr, nullptr) == Gdiplus::Ok)
      gp::GdipCreateHBITMAPFromBitmap(static_cast<Gdiplus::GpBitmap*>(thumbnail), &bitmap, 0);
    if (thumbnail) gp::GdipDisposeImage(thumbnail);
    if (image) gp::GdipDisposeImage(image);
    thumbnailMs += MsSince(start);
    start = Clock::now();
    if (std::optional<Pixels24> pixels = BitmapPixels(bitmap)) {
      ReplacePixelColour(*pixels, 0x000000, 0xFFFFFF);
      DeleteObject(BitmapFromPixels(*pixels));
    }
    DeleteObject(bitmap);
    pictureMs += MsSince(start);
  }
  if (files == 0) return;
  std::printf("    %-6s %14.3f %18.3f %16.3f %9.3f\n", extension, loadMs / files, thumbnailMs / files, pictureMs / files,
              (loadMs + thumbnailMs + pictureMs) / files);
}

bool RunWarm(const std::string& scratch) {
  const CacheSamples samples = MakeCacheSamples(scratch);
  if (samples.png.empty() || samples.ico.empty() || samples.bmp.empty()) {
    std::printf("items_bench: could not make cache files (png %zu, ico %zu, bmp %zu)\n", samples.png.size(),
                samples.ico.size(), samples.bmp.size());
    return false;
  }
  MakeWarmCategory(samples);

  // Opening the category makes its first reload: every cached icon is decoded.
  uint64_t parses = IniDocument::ParseCount();
  Clock::time_point start = Clock::now();
  if (!OpenCategoryFile(kWarmCategory)) return false;
  const double openMs = MsSince(start);
  const uint64_t openParses = IniDocument::ParseCount() - parses;
  size_t withPicture = 0;
  for (const ItemRecord& item : GetItemTable()) withPicture += item.picture != 0;
  const size_t shown = GetItemTable().size();

  std::vector<double> reloads;
  parses = IniDocument::ParseCount();
  for (int run = 0; run < kWarmReloads; ++run) {
    start = Clock::now();
    ReloadItems();
    reloads.push_back(MsSince(start));
  }
  const double parsesPerReload = double(IniDocument::ParseCount() - parses) / kWarmReloads;

  std::printf("warm: ReloadItems of %d items, every icon cached (a third each png, ico, bmp), icon size %d\n",
              kWarmItems, kIconSize);
  std::printf("  %-46s %9s %10s %14s\n", "", "ms", "ms/item", "parses/reload");
  std::printf("  %-46s %9.1f %10.3f %14llu\n", "open the category (its first reload)", openMs, openMs / kWarmItems,
              static_cast<unsigned long long>(openParses));
  std::printf("  %-46s %9.1f %10.3f %14.1f\n", "reload again, median of 5", Median(reloads),
              Median(reloads) / kWarmItems, parsesPerReload);
  std::printf("  (the open also parses the settings file, writing \"last opened\")\n");
  std::printf("  items shown %zu, with a picture %zu\n", shown, withPicture);

  // Where an open's time goes: the category opened afresh after another one.
  file_io::WriteWholeFile(CurrentAppDirs().dataDir + "other.ini", "");
  OpenCategoryFile("other");
  PhaseClock clock;
  g_storeClock = &clock;
  start = Clock::now();
  OpenCategoryFile(kWarmCategory);
  const double timedMs = MsSince(start);
  g_storeClock = nullptr;
  std::printf("  phases of opening it again after another category (%.1f ms):\n", timedMs);
  clock.Print(timedMs, kWarmItems);
  std::printf("  LoadItemPicture by kind of cache file, ms per file (100 files each):\n");
  std::printf("    %-6s %14s %18s %16s %9s\n", "", "GDI+ load", "thumbnail+bitmap", "white, picture", "total");
  for (const char* extension : kCacheExtensions) PrintPictureSteps(extension);
  return shown == size_t(kWarmItems) && withPicture == shown;
}

// --- Cold: the intake ------------------------------------------------------------------------

// The intake's system with every call timed by phase.
class TimedIntakeSystem : public IntakeSystem {
 public:
  explicit TimedIntakeSystem(PhaseClock& clock) : clock_(clock), inner_(ProgramIntakeSystem()) {}
  std::optional<uint32_t> Attributes(const GbkText& path) override {
    return clock_.Time("Attributes", [&] { return inner_.Attributes(path); });
  }
  std::optional<ShellLinkInfo> ReadShortcut(const GbkText& path) override {
    return clock_.Time("ReadShortcut", [&] { return inner_.ReadShortcut(path); });
  }
  GbkText ClassesRootDefault(const GbkText& key) override {
    return clock_.Time("ClassesRootDefault", [&] { return inner_.ClassesRootDefault(key); });
  }
  bool FileExists(const GbkText& path) override {
    return clock_.Time("FileExists", [&] { return inner_.FileExists(path); });
  }
  GbkText SystemDirectory() override {
    return clock_.Time("SystemDirectory", [&] { return inner_.SystemDirectory(); });
  }
  std::optional<std::string> ThumbnailBmp(const GbkText& path) override {
    return clock_.Time("ThumbnailBmp (is it an image?)", [&] { return inner_.ThumbnailBmp(path); });
  }
  std::optional<std::string> IconGroup(const GbkText& source, int32_t position) override {
    return clock_.Time("IconGroup (an icon group)", [&] { return inner_.IconGroup(source, position); });
  }
  std::string IconImage(const GbkText& source, int32_t index) override {
    return clock_.Time("IconImage (one icon, drawn at 128)", [&] { return inner_.IconImage(source, index); });
  }
  ReducedIcon ReduceIcon(const std::string& ico) override {
    return clock_.Time("ReduceIcon", [&] { return inner_.ReduceIcon(ico); });
  }
  bool WriteFile(const std::string& path, std::string_view bytes) override {
    return clock_.Time("WriteFile (the cache file)", [&] { return inner_.WriteFile(path, bytes); });
  }
  std::string CacheFolder() override { return inner_.CacheFolder(); }
  std::string NewIconHash(const GbkText& baseName) override {
    return clock_.Time("NewIconHash", [&] { return inner_.NewIconHash(baseName); });
  }
  void WriteKey(const GbkText& section, std::string_view key, const GbkText& value) override {
    clock_.Time("WriteKey (category file)", [&] { inner_.WriteKey(section, key, value); });
  }
  void WriteKeys(const GbkText& section, const KeyValues& keys) override {
    clock_.Time("WriteKeys (category file)", [&] { inner_.WriteKeys(section, keys); });
  }
  void ShowMessage(const GbkText& text) override { inner_.ShowMessage(text); }

 private:
  PhaseClock& clock_;
  IntakeSystem& inner_;
};

struct ColdPath {
  std::string path;
  const char* kind;
};

// What is dropped: the programs of the system folder, then shortcuts to a program whose icon
// location names an icon of a system library with icons, kColdItems paths in all.
std::vector<ColdPath> ColdPaths(const std::string& scratch) {
  const std::string system = SystemDir();
  std::vector<ColdPath> paths;
  for (const std::string& name : FilesIn(system, "*.exe")) {
    if (int(paths.size()) == kColdItems / 2) break;
    paths.push_back({system + "\\" + name, "program (.exe)"});
  }
  // The libraries and how many of their icons are used (ExtractIconA counts from 0).
  const std::vector<std::pair<std::string, int>> libraries = {
      {"shell32.dll", 150}, {"comdlg32.dll", 10}, {"user32.dll", 7}, {"comctl32.dll", 4}};
  const std::string target = system + "\\notepad.exe";
  for (int i = 0; int(paths.size()) < kColdItems; ++i) {
    const auto& [library, icons] = libraries[size_t(i) % libraries.size()];
    const int index = (i / int(libraries.size())) % icons;
    GbkText shortcut = scratch + "\\" + library.substr(0, library.size() - 4) + "-" + std::to_string(i) + ".lnk";
    if (!WriteShortcut(shortcut, target, "", system + "\\" + library + "," + std::to_string(index))) {
      std::printf("items_bench: could not write %s\n", shortcut.c_str());
      break;
    }
    paths.push_back({shortcut, "shortcut, library icon (.lnk)"});
  }
  return paths;
}

bool OpenEmptyCategory(const std::string& name) {
  file_io::WriteWholeFile(CurrentAppDirs().dataDir + name + store_text::kCategoryExtension, "");
  return OpenCategoryFile(name);
}

bool RunCold(const std::string& base, const std::string& scratch, std::vector<std::string>& runDirs) {
  const std::vector<ColdPath> paths = ColdPaths(scratch);
  int messages = 0;
  SetMessageBoxHandler([&](std::string_view, BoxButtons) {
    ++messages;
    return BoxAnswer::kOk;
  });

  // Rounds, each into an empty data folder: ms per item by kind of path and in all.
  std::vector<std::string> kinds = {"all"};
  std::map<std::string, int> counts = {{"all", int(paths.size())}};
  for (const ColdPath& path : paths)
    if (counts[path.kind]++ == 0) kinds.push_back(path.kind);
  std::map<std::string, std::vector<double>> perItem;  // kind -> ms per item of each round
  bool allWritten = true;
  for (int round = 0; round < kColdRounds; ++round) {
    runDirs.push_back(UseNewRunFolder(base, "cold" + std::to_string(round)));
    if (!OpenEmptyCategory(kColdCategory)) return false;
    std::map<std::string, double> ms;
    for (const ColdPath& path : paths) {
      const Clock::time_point start = Clock::now();
      AddItemFromPath(path.path);
      const double one = MsSince(start);
      ms[path.kind] += one;
      ms["all"] += one;
    }
    for (const std::string& kind : kinds) perItem[kind].push_back(ms[kind] / counts[kind]);
    allWritten = allWritten && category_file::SectionNames().size() == paths.size();
  }
  const int roundMessages = messages;

  std::printf("cold: AddItemFromPath of %zu program items into an empty category, %d rounds\n", paths.size(),
              kColdRounds);
  std::printf("  %-38s", "ms per item");
  for (int round = 1; round <= kColdRounds; ++round) std::printf(" %8s%d", "round ", round);
  std::printf(" %9s %9s\n", "median", "best");
  for (const std::string& kind : kinds) {
    std::printf("  %-38s", (kind + " (" + std::to_string(counts[kind]) + ")").c_str());
    for (double ms : perItem[kind]) std::printf(" %9.3f", ms);
    std::printf(" %9.3f %9.3f\n", Median(perItem[kind]), *std::min_element(perItem[kind].begin(), perItem[kind].end()));
  }
  std::printf("  every section written: %s; failure messages: %d\n", allWritten ? "yes" : "NO", roundMessages);

  // One more round with every call of the intake timed.
  runDirs.push_back(UseNewRunFolder(base, "cold-phases"));
  if (!OpenEmptyCategory(kColdCategory)) return false;
  PhaseClock clock;
  TimedIntakeSystem timed(clock);
  Clock::time_point start = Clock::now();
  for (const ColdPath& path : paths) AddItemFromPathWith(timed, path.path);
  const double timedMs = MsSince(start);
  std::printf("  phases of one more round (%.1f ms):\n", timedMs);
  clock.Print(timedMs, int(paths.size()));

  // The item loader's rebuild: every cached icon deleted, one reload extracts them all again
  // through temporary shortcuts.
  const std::string& dataDir = CurrentAppDirs().dataDir;
  for (const GbkText& name : category_file::SectionNames())
    file_io::RemoveFile(dataDir + category_file::Read(name, store_text::kIconHashKey));
  PhaseClock reloadClock;
  g_storeClock = &reloadClock;
  start = Clock::now();
  ReloadItems();
  const double rebuildMs = MsSince(start);
  g_storeClock = nullptr;
  std::printf("rebuild: ReloadItems after every cached icon of those %zu items was deleted\n", paths.size());
  std::printf("  %-46s %9.1f ms %8.3f ms/item   (%zu shown)\n", "extract every icon again, then show them", rebuildMs,
              rebuildMs / double(paths.size()), GetItemTable().size());
  reloadClock.Print(rebuildMs, int(paths.size()));
  SetMessageBoxHandler(nullptr);
  return allWritten && roundMessages == 0 && GetItemTable().size() == paths.size();
}

// What a file rewrite and a parse cost here, for reading the figures above.
void PrintFileCosts(const std::string& scratch) {
  const std::string text(30000, 'x');
  const std::string path = scratch + "\\cost.ini";
  std::vector<double> writes, reads, parses;
  for (int i = 0; i < 30; ++i) {
    Clock::time_point start = Clock::now();
    file_io::WriteWholeFile(path, text);
    writes.push_back(MsSince(start));
    start = Clock::now();
    std::string back = file_io::ReadWholeFile(path).value_or("");
    reads.push_back(MsSince(start));
    start = Clock::now();
    IniDocument document(std::move(back));
    parses.push_back(MsSince(start));
  }
  std::printf("files: 30 KB, median ms: rewrite (WriteWholeFile) %.3f, read %.3f, parse (IniDocument) %.3f\n",
              Median(writes), Median(reads), Median(parses));
}

}  // namespace

int main() {
  Gdiplus::GdiplusStartupInput gdiplusInput{};
  ULONG_PTR gdiplusToken = 0;
  if (Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr) != Gdiplus::Ok) {
    std::printf("items_bench: GDI+ did not start\n");
    return 1;
  }
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  const std::string base = std::string(temp) + "tovenk-items-bench-" + std::to_string(GetCurrentProcessId());
  const std::string scratch = base + "\\scratch";
  CreateDirectoryA(base.c_str(), nullptr);
  CreateDirectoryA(scratch.c_str(), nullptr);
  ConnectStore();

  std::vector<std::string> runDirs = {UseNewRunFolder(base, "warm")};
  const bool warmOk = RunWarm(scratch);
  std::printf("\n");
  const bool coldOk = RunCold(base, scratch, runDirs);
  std::printf("\n");
  PrintFileCosts(scratch);
  if (!warmOk || !coldOk) std::printf("items_bench: some items were not made as expected\n");

  CloseCurrentCategory();
  ReloadItems();  // releases the last table's pictures
  for (const std::string& runDir : runDirs) {
    RemoveTree(runDir + "\\data");
    RemoveDirectoryA(runDir.c_str());
  }
  RemoveTree(scratch);
  RemoveDirectoryA(base.c_str());
  Gdiplus::GdiplusShutdown(gdiplusToken);
  return warmOk && coldOk ? 0 : 1;
}
