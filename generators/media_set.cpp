// generators/media_set.cpp
#include "media_set.h"

#include <cstdio>

#include "artwork.h"
#include "sounds.h"
#include "tunes.h"

namespace mediagen {

std::vector<MediaFile> AllMedia() {
  std::vector<MediaFile> files;
  files.push_back({"program.ico", "kProgramIcon", ProgramIconFile(), 0});
  files.push_back({"tray.ico", "kTrayIcon", TrayIconFile(), 1150});
  files.push_back({"click.wav", "kClickSound", ClickSoundFile(), kClickFileBytes});
  files.push_back({"load.wav", "kLoadSound", LoadSoundFile(), kLoadFileBytes});
  for (int n = 1; n <= kTuneCount; ++n)
    files.push_back({"tune" + std::to_string(n) + ".mid", "kTune" + std::to_string(n), TuneFile(n), 0});
  files.push_back({"donation.bmp", "kDonationPicture", DonationPictureFile(), 0});
  return files;
}

std::string CheckMedia(const std::vector<MediaFile>& files) {
  for (const MediaFile& f : files) {
    if (f.bytes.empty()) return f.fileName + " could not be made";
    if (f.requiredSize != 0 && f.bytes.size() != f.requiredSize)
      return f.fileName + " has " + std::to_string(f.bytes.size()) + " bytes, not " +
             std::to_string(f.requiredSize);
  }
  return "";
}

std::string GeneratedSource(const std::vector<MediaFile>& files) {
  std::string out =
      "// Generated at build time by generators/mediagen; do not edit.\n"
      "#include \"resources/media.h\"\n\n"
      "namespace media {\n\nnamespace {\n\n";
  for (const MediaFile& f : files) {
    out += "// " + f.fileName + "\n";
    out += "alignas(4) const std::uint8_t " + f.symbol + "[" + std::to_string(f.bytes.size()) + "] = {";
    for (std::size_t i = 0; i < f.bytes.size(); ++i) {
      if (i % 20 == 0) out += "\n   ";
      char hex[8];
      std::snprintf(hex, sizeof hex, " 0x%02X,", f.bytes[i]);
      out += hex;
    }
    out += "\n};\n\n";
  }
  out +=
      "}  // namespace\n\n"
      "FileBytes ProgramIcon() { return kProgramIcon; }\n"
      "FileBytes TrayIcon() { return kTrayIcon; }\n"
      "FileBytes ClickSound() { return kClickSound; }\n"
      "FileBytes LoadSound() { return kLoadSound; }\n"
      "FileBytes DonationPicture() { return kDonationPicture; }\n\n"
      "FileBytes Tune(int number) {\n"
      "  switch (number) {\n";
  for (int n = 1; n <= kTuneCount; ++n)
    out += "    case " + std::to_string(n) + ": return kTune" + std::to_string(n) + ";\n";
  out +=
      "    default: return {};\n"
      "  }\n"
      "}\n\n"
      "}  // namespace media\n";
  return out;
}

}  // namespace mediagen
