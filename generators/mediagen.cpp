// generators/mediagen.cpp
// Build-time tool: makes every bundled media file and writes them, plus the C++ source that
// embeds them, into the folder given as its argument. Runs on the build machine.
#include <cstdio>
#include <fstream>
#include <string>

#include "media_set.h"

namespace {

bool WriteFile(const std::string& path, const void* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: mediagen OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const std::vector<mediagen::MediaFile> files = mediagen::AllMedia();
  if (const std::string problem = mediagen::CheckMedia(files); !problem.empty()) {
    std::fprintf(stderr, "mediagen: %s\n", problem.c_str());
    return 1;
  }
  for (const mediagen::MediaFile& f : files) {
    if (!WriteFile(folder + "/" + f.fileName, f.bytes.data(), f.bytes.size())) {
      std::fprintf(stderr, "mediagen: cannot write %s/%s\n", folder.c_str(), f.fileName.c_str());
      return 1;
    }
  }
  const std::string source = mediagen::GeneratedSource(files);
  if (!WriteFile(folder + "/media_data.cpp", source.data(), source.size())) {
    std::fprintf(stderr, "mediagen: cannot write %s/media_data.cpp\n", folder.c_str());
    return 1;
  }
  return 0;
}
