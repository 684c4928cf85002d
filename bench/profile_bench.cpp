// bench/profile_bench.cpp
// Reading a large category file: the program's profile engine against the system's profile
// functions. A category of 2,000 items is written, then "文件位置", "运行参数" and "图标hash" of
// every item are read, the items listed first, as the item loader does.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "store/ini_document.h"
#include "store/profile_file.h"

namespace {

constexpr int kSections = 2000;
constexpr int kRuns = 5;

const std::string kPath = "\xCE\xC4\xBC\xFE\xCE\xBB\xD6\xC3";      // 文件位置
const std::string kArgs = "\xD4\xCB\xD0\xD0\xB2\xCE\xCA\xFD";      // 运行参数
const std::string kIconPlace = "\xCD\xBC\xB1\xEA\xCE\xBB\xD6\xC3";  // 图标位置
const std::string kNote = "\xCB\xB5\xC3\xF7";                      // 说明
const std::string kHash = "\xCD\xBC\xB1\xEA" "hash";               // 图标hash
const std::string kItem = "\xCF\xEE\xC4\xBF";                      // 项目

std::string CategoryText() {
  std::string text;
  for (int i = 0; i < kSections; ++i) {
    std::string n = std::to_string(i);
    text += "[" + kItem + n + " App]\r\n";
    text += kPath + "=##APP##tools\\" + kItem + n + "\\app" + n + ".exe\r\n";
    text += kArgs + "=" + (i % 3 == 0 ? "null" : "--profile " + n) + "\r\n";
    text += kIconPlace + "=null\r\n";
    text += kNote + "=" + kItem + " " + n + "\r\n";
    text += kHash + "=" + std::to_string(1000000007ull * (i + 1)) + ".ico\r\n";
  }
  return text;
}

using Clock = std::chrono::steady_clock;
double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One pass as the item loader makes it; returns a checksum of what was read.
template <typename ListNames, typename ReadKey>
size_t LoadAll(ListNames listNames, ReadKey readKey) {
  size_t total = 0;
  for (const GbkText& name : listNames()) {
    total += readKey(name, kPath).size();
    total += readKey(name, kArgs).size();
    total += readKey(name, kHash).size();
  }
  return total;
}

GbkText SystemRead(const std::string& path, const std::string& section, const std::string& key) {
  static std::vector<char> buffer(10240);
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), static_cast<DWORD>(buffer.size()),
                           path.c_str());
  return buffer.data();
}

std::vector<GbkText> SystemSectionNames(const std::string& path) {
  std::vector<char> buffer(204800);
  DWORD used = GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
  std::vector<GbkText> names;
  for (size_t start = 0, i = 0; i < used; ++i) {
    if (buffer[i] == '\0') {
      names.emplace_back(buffer.data() + start, i - start);
      start = i + 1;
    }
  }
  return names;
}

struct Timing {
  double first = 0;  // the first run, which parses the file
  double best = 0;   // the best of the later runs
  size_t checksum = 0;
};

template <typename Pass>
Timing Measure(Pass pass) {
  Timing timing;
  std::vector<double> later;
  for (int run = 0; run < kRuns; ++run) {
    Clock::time_point start = Clock::now();
    size_t checksum = pass();
    double ms = MsSince(start);
    if (run == 0) {
      timing.first = ms;
      timing.checksum = checksum;
    } else {
      later.push_back(ms);
    }
  }
  timing.best = *std::min_element(later.begin(), later.end());
  return timing;
}

}  // namespace

int main() {
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "tovenk-profile-bench-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string text = CategoryText();
  const std::string enginePath = folder + "\\" + kItem + "-engine.ini";
  const std::string byPathPath = folder + "\\" + kItem + "-bypath.ini";
  const std::string snapshotPath = folder + "\\" + kItem + "-snapshot.ini";
  const std::string systemPath = folder + "\\" + kItem + "-system.ini";
  const std::vector<std::string> paths = {enginePath, byPathPath, snapshotPath, systemPath};
  for (const std::string& path : paths) {
    if (!file_io::WriteWholeFile(path, text)) {
      std::printf("profile_bench: cannot write %s\n", path.c_str());
      return 1;
    }
  }

  // (a) the engine: read the file, parse it once, list and read.
  Timing engine = Measure([&] {
    IniDocument document(file_io::ReadWholeFile(enginePath).value_or(""));
    return LoadAll([&] { return document.SectionNames(); },
                   [&](const GbkText& section, const std::string& key) { return document.Read(section, key); });
  });
  // (a') the same through the profile helpers by path: each read checks the file's stamp, and the
  // parse is cached between reads and runs.
  Timing byPath = Measure([&] {
    return LoadAll([&] { return profile::SectionNames(byPathPath); },
                   [&](const GbkText& section, const std::string& key) { return profile::Read(byPathPath, section, key); });
  });
  // (a'') one snapshot by path for the whole pass: one check of the file.
  Timing snapshot = Measure([&] {
    std::shared_ptr<const IniDocument> document = profile::Snapshot(snapshotPath);
    return LoadAll([&] { return document->SectionNames(); },
                   [&](const GbkText& section, const std::string& key) { return document->Read(section, key); });
  });
  // (b) the system's profile functions.
  Timing system = Measure([&] {
    return LoadAll([&] { return SystemSectionNames(systemPath); },
                   [&](const GbkText& section, const std::string& key) { return SystemRead(systemPath, section, key); });
  });

  std::printf("profile_bench: %d sections of 5 keys (%zu bytes); list the sections, read 3 keys of each\n", kSections,
              text.size());
  std::printf("  %-44s %10s %10s\n", "", "first ms", "best ms");
  std::printf("  %-44s %10.2f %10.2f\n", "engine: read file, parse once, 6000 reads", engine.first, engine.best);
  std::printf("  %-44s %10.2f %10.2f\n", "engine: profile::Read by path (cached parse)", byPath.first, byPath.best);
  std::printf("  %-44s %10.2f %10.2f\n", "engine: profile::Snapshot by path, then reads", snapshot.first,
              snapshot.best);
  std::printf("  %-44s %10.2f %10.2f\n", "system: GetPrivateProfileStringA", system.first, system.best);
  std::printf("  system / engine (parse once):  %8.1f x first, %8.1f x best\n", system.first / engine.first,
              system.best / engine.best);
  std::printf("  system / engine (by path):     %8.1f x first, %8.1f x best\n", system.first / byPath.first,
              system.best / byPath.best);
  std::printf("  system / engine (snapshot):    %8.1f x first, %8.1f x best\n", system.first / snapshot.first,
              system.best / snapshot.best);
  bool same = engine.checksum == system.checksum && byPath.checksum == system.checksum &&
              snapshot.checksum == system.checksum;
  std::printf("  answers %s (checksums %zu, %zu, %zu, %zu)\n", same ? "agree" : "DIFFER", engine.checksum,
              byPath.checksum, snapshot.checksum, system.checksum);

  for (const std::string& path : paths) DeleteFileA(path.c_str());
  RemoveDirectoryA(folder.c_str());
  return same ? 0 : 1;
}
