// tests/unit/md5_test.cpp
#include "icons/md5.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

// The digest that the system's md5sum gives for the bytes, through a temporary file.
std::string SystemMd5(const std::string& bytes) {
  auto path = std::filesystem::temp_directory_path() / ("tovenk_md5_" + std::to_string(::getpid()));
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
  std::string command = "md5sum '" + path.string() + "'";
  FILE* pipe = popen(command.c_str(), "r");
  char line[128] = {};
  std::string answer;
  if (pipe && fgets(line, sizeof line, pipe)) answer.assign(line, 32);
  if (pipe) pclose(pipe);
  std::filesystem::remove(path);
  return answer;
}

}  // namespace

TEST(Md5, TestSuiteOfRfc1321) {
  struct Case { const char* text; const char* digest; };
  const Case cases[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const Case& c : cases) EXPECT_EQ(md5::Hex(c.text), c.digest) << c.text;
}

TEST(Md5, AgreesWithMd5sumAcrossBlockBoundariesAndGbkBytes) {
  std::string gbkName = "2024\xC4\xEA" "5\xD4\xC2" "6\xC8\xD5" "\xBC\xC7\xCA\xC2\xB1\xBE";  // 2024年5月6日记事本
  std::string allBytes;
  for (int i = 0; i < 256; ++i) allBytes += static_cast<char>(i);
  std::string inputs[] = {gbkName, allBytes, std::string(1000003, '\xA3')};
  for (const std::string& input : inputs) EXPECT_EQ(md5::Hex(input), SystemMd5(input)) << input.size();
  // Lengths around the padding boundaries (55, 56 and 64 bytes mod 64).
  for (size_t length : {55, 56, 57, 63, 64, 65, 119, 120, 128}) {
    std::string input(length, 'x');
    EXPECT_EQ(md5::Hex(input), SystemMd5(input)) << length;
  }
}
