// tests/unit/icon_test_files.h
// Small icon files made in code for the icon cache tests: DIB and PNG image data and ICO files
// laid out from them, with the directory numbers open to tampering.
#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace icon_test {

inline void PutU16(std::string& out, uint16_t v) { out += char(v & 0xFF), out += char(v >> 8); }
inline void PutU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xFF);
}
inline void PutBigU32(std::string& out, uint32_t v) {
  for (int i = 3; i >= 0; --i) out += char((v >> (8 * i)) & 0xFF);
}

// DIB image data of exactly `bytes` bytes (at least 40), filled with `fill`.
inline std::string Dib(size_t bytes, char fill) {
  std::string dib;
  PutU32(dib, 40);
  dib.resize(bytes, fill);
  return dib;
}

// A PNG file of the given size: signature, IHDR, one IDAT of `idatBytes` bytes, IEND.
inline std::string Png(uint32_t width, uint32_t height, size_t idatBytes = 20) {
  std::string png("\x89PNG\r\n\x1A\n", 8);
  auto chunk = [&](const char* type, const std::string& data) {
    PutBigU32(png, uint32_t(data.size()));
    png += type;
    png += data;
    PutBigU32(png, 0x12345678);  // CRC: not checked by the reader
  };
  std::string ihdr;
  PutBigU32(ihdr, width);
  PutBigU32(ihdr, height);
  ihdr += std::string("\x08\x06\x00\x00\x00", 5);
  chunk("IHDR", ihdr);
  chunk("IDAT", std::string(idatBytes, 'd'));
  chunk("IEND", "");
  return png;
}

struct Entry {
  uint8_t width, height;
  uint16_t bitCount;
  std::string data;
};

// An ICO file of the entries, data in order behind the directory.
inline std::string Ico(const std::vector<Entry>& entries) {
  std::string out;
  PutU16(out, 0), PutU16(out, 1), PutU16(out, uint16_t(entries.size()));
  uint32_t offset = uint32_t(6 + 16 * entries.size());
  for (const Entry& e : entries) {
    out += char(e.width), out += char(e.height), out += '\0', out += '\0';
    PutU16(out, 1), PutU16(out, e.bitCount);
    PutU32(out, uint32_t(e.data.size())), PutU32(out, offset);
    offset += uint32_t(e.data.size());
  }
  for (const Entry& e : entries) out += e.data;
  return out;
}

// Overwrites the 32-bit field at `at`.
inline void Patch32(std::string& bytes, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = char((v >> (8 * i)) & 0xFF);
}
inline void Patch16(std::string& bytes, size_t at, uint16_t v) {
  bytes[at] = char(v & 0xFF), bytes[at + 1] = char(v >> 8);
}

// A fresh folder per test, removed afterwards; paths as byte strings ending without a slash.
class TempFolder {
 public:
  TempFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("tovenk_icons_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::filesystem::path path_;
};

}  // namespace icon_test
