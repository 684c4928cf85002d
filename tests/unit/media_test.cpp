// tests/unit/media_test.cpp
// The bundled media: their file layouts and exact sizes, read here by hand, and the verdict of
// tools we did not write (sox, timidity, icotool, ImageMagick) on the same bytes.
#include "resources/media.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "media_set.h"
#include "ms_adpcm.h"
#include "smf.h"
#include "sounds.h"

namespace {

namespace fs = std::filesystem;
using media::FileBytes;

std::uint32_t U16(FileBytes b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t U32(FileBytes b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }
std::int32_t I16(FileBytes b, std::size_t at) { return static_cast<std::int16_t>(U16(b, at)); }
std::int32_t I32(FileBytes b, std::size_t at) { return static_cast<std::int32_t>(U32(b, at)); }
std::uint32_t U16BE(FileBytes b, std::size_t at) { return (b[at] << 8) | b[at + 1]; }
std::uint32_t U32BE(FileBytes b, std::size_t at) { return (U16BE(b, at) << 16) | U16BE(b, at + 2); }
std::string Tag(FileBytes b, std::size_t at) { return std::string(b.begin() + at, b.begin() + at + 4); }

// ---- icons -----------------------------------------------------------------------------

struct IconImage {
  int width, height;
};

// Checks the directory and every image of an .ico with 32-bit BMP images; returns the images.
std::vector<IconImage> CheckIco(FileBytes ico) {
  std::vector<IconImage> images;
  EXPECT_GE(ico.size(), 6u);
  if (ico.size() < 6) return images;
  EXPECT_EQ(U16(ico, 0), 0u);
  EXPECT_EQ(U16(ico, 2), 1u);  // icon, not cursor
  const std::size_t count = U16(ico, 4);
  std::size_t expectedOffset = 6 + 16 * count;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t e = 6 + 16 * i;
    const int w = ico[e], h = ico[e + 1];
    SCOPED_TRACE("image " + std::to_string(i) + ", " + std::to_string(w) + " px");
    EXPECT_EQ(ico[e + 2], 0);   // no palette
    EXPECT_EQ(ico[e + 3], 0);
    EXPECT_EQ(U16(ico, e + 4), 1u);
    EXPECT_EQ(U16(ico, e + 6), 32u);
    const std::uint32_t size = U32(ico, e + 8), offset = U32(ico, e + 12);
    const std::uint32_t maskRow = (w + 31) / 32 * 4;
    EXPECT_EQ(size, 40u + 4u * w * h + maskRow * h);
    EXPECT_EQ(offset, expectedOffset);  // images follow each other without gaps
    expectedOffset = offset + size;
    if (offset + size > ico.size()) {
      ADD_FAILURE() << "image runs past the end of the file";
      return images;
    }
    EXPECT_EQ(U32(ico, offset), 40u);           // BITMAPINFOHEADER
    EXPECT_EQ(I32(ico, offset + 4), w);
    EXPECT_EQ(I32(ico, offset + 8), 2 * h);     // colour rows and mask rows
    EXPECT_EQ(U16(ico, offset + 12), 1u);
    EXPECT_EQ(U16(ico, offset + 14), 32u);
    EXPECT_EQ(U32(ico, offset + 16), 0u);       // BI_RGB
    // The AND mask marks exactly the fully transparent pixels.
    const std::size_t colour = offset + 40, mask = colour + 4u * w * h;
    int opaque = 0;
    for (int row = 0; row < h; ++row) {
      for (int x = 0; x < w; ++x) {
        const std::uint8_t alpha = ico[colour + 4 * (row * w + x) + 3];
        const bool maskBit = ico[mask + row * maskRow + x / 8] & (0x80 >> (x % 8));
        EXPECT_EQ(maskBit, alpha == 0) << "row " << row << " x " << x;
        if (alpha == 255) ++opaque;
      }
    }
    EXPECT_GT(opaque, w * h / 2) << "the glyph fills most of its square";
    images.push_back({w, h});
  }
  EXPECT_EQ(expectedOffset, ico.size()) << "nothing after the last image";
  return images;
}

TEST(MediaIcons, TrayIconIsOneSixteenPixelImageOf1150Bytes) {
  const FileBytes ico = media::TrayIcon();
  ASSERT_EQ(ico.size(), 1150u);
  const std::vector<IconImage> images = CheckIco(ico);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].width, 16);
  EXPECT_EQ(images[0].height, 16);
  EXPECT_EQ(U32(ico, 18), 22u);  // the image right after the one directory entry
}

TEST(MediaIcons, ProgramIconHoldsSixteenThirtyTwoAndFortyEightPixels) {
  const std::vector<IconImage> images = CheckIco(media::ProgramIcon());
  ASSERT_EQ(images.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(images[i].width, 16 * (i + 1));
    EXPECT_EQ(images[i].height, 16 * (i + 1));
  }
}

// ---- sounds ----------------------------------------------------------------------------

struct WavLayout {
  int channels = 0;
  std::uint32_t frames = 0;
  std::size_t dataOffset = 0, dataSize = 0;
  int blockAlign = 0;
};

WavLayout CheckMsAdpcmWav(FileBytes wav, int channels) {
  WavLayout w;
  if (wav.size() < mediagen::adpcm::kWavHeaderBytes) {
    ADD_FAILURE() << "too short for its header";
    return w;
  }
  EXPECT_EQ(Tag(wav, 0), "RIFF");
  EXPECT_EQ(U32(wav, 4), wav.size() - 8);
  EXPECT_EQ(Tag(wav, 8), "WAVE");
  EXPECT_EQ(Tag(wav, 12), "fmt ");
  EXPECT_EQ(U32(wav, 16), 50u);
  EXPECT_EQ(U16(wav, 20), 2u);  // WAVE_FORMAT_ADPCM
  EXPECT_EQ(U16(wav, 22), static_cast<std::uint32_t>(channels));
  EXPECT_EQ(U32(wav, 24), 22050u);
  w.blockAlign = static_cast<int>(U16(wav, 32));
  EXPECT_EQ(w.blockAlign, 512 * channels);  // the usual block for 22 kHz
  EXPECT_EQ(U16(wav, 34), 4u);
  EXPECT_EQ(U16(wav, 36), 32u);  // cbSize
  const std::uint32_t perBlock = U16(wav, 38);
  EXPECT_EQ(perBlock, (w.blockAlign - 7u * channels) * 2 / channels + 2);
  EXPECT_EQ(U32(wav, 28), 22050u * w.blockAlign / perBlock);  // average bytes per second
  EXPECT_EQ(U16(wav, 40), 7u);
  const int coefficients[7][2] = {{256, 0}, {512, -256}, {0, 0}, {192, 64},
                                  {240, 0}, {460, -208}, {392, -232}};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(I16(wav, 42 + 4 * i), coefficients[i][0]);
    EXPECT_EQ(I16(wav, 44 + 4 * i), coefficients[i][1]);
  }
  EXPECT_EQ(Tag(wav, 70), "fact");
  EXPECT_EQ(U32(wav, 74), 4u);
  w.frames = U32(wav, 78);
  EXPECT_EQ(Tag(wav, 82), "data");
  w.dataSize = U32(wav, 86);
  w.dataOffset = 90;
  EXPECT_EQ(w.dataSize, wav.size() - 90);
  // The frame count fills the data exactly: whole blocks, then one short block.
  EXPECT_EQ(mediagen::adpcm::DataBytesFor(w.frames, channels, w.blockAlign), w.dataSize);
  for (std::size_t block = 90; block < wav.size(); block += w.blockAlign) {
    for (int c = 0; c < channels; ++c) {
      EXPECT_LT(wav[block + c], 7) << "predictor index of the block at " << block;
      EXPECT_GE(I16(wav, block + channels + 2 * c), 16) << "initial delta at " << block;
    }
  }
  w.channels = channels;
  return w;
}

// Signal-to-noise ratio in dB of `decoded` against `reference`.
double SnrDb(const std::vector<std::int16_t>& reference, const std::vector<std::int16_t>& decoded) {
  double signal = 0, noise = 0;
  for (std::size_t i = 0; i < reference.size() && i < decoded.size(); ++i) {
    signal += double(reference[i]) * reference[i];
    const double d = double(decoded[i]) - reference[i];
    noise += d * d;
  }
  return 10 * std::log10(signal / std::max(noise, 1.0));
}

struct SoundCase {
  const char* name;
  FileBytes bytes;
  std::size_t size;
  int channels;
  std::vector<std::int16_t> source;
};

std::vector<SoundCase> Sounds() {
  return {{"click", media::ClickSound(), 1192, 2, mediagen::ClickSamples()},
          {"load", media::LoadSound(), 9156, 1, mediagen::LoadSamples()}};
}

TEST(MediaSounds, MsAdpcmWavLayoutsAndSizes) {
  for (const SoundCase& s : Sounds()) {
    SCOPED_TRACE(s.name);
    ASSERT_EQ(s.bytes.size(), s.size);
    const WavLayout w = CheckMsAdpcmWav(s.bytes, s.channels);
    EXPECT_EQ(w.frames * s.channels, s.source.size());
    // Our own decoder reproduces the synthesised sound closely.
    const std::vector<std::int16_t> decoded = mediagen::adpcm::DecodeData(
        s.bytes.data() + w.dataOffset, w.dataSize, s.channels, w.blockAlign, w.frames);
    EXPECT_EQ(decoded.size(), s.source.size());
    EXPECT_GT(SnrDb(s.source, decoded), 20.0);
  }
}

TEST(MediaSounds, EncoderHandlesShortAndOddInput) {
  using namespace mediagen::adpcm;
  // One frame, a short block only, and a mono block with an odd number of codes.
  for (std::size_t frames : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{1013}}) {
    std::vector<std::int16_t> pcm(frames);
    for (std::size_t i = 0; i < frames; ++i) pcm[i] = static_cast<std::int16_t>(8000 * std::sin(0.05 * i));
    const mediagen::Bytes wav = EncodeWav(pcm, {22050, 1, 512});
    ASSERT_FALSE(wav.empty()) << frames;
    const std::size_t data = U32(wav, 86);
    EXPECT_GE(data, DataBytesFor(frames, 1, 512));
    EXPECT_EQ(wav.size(), kWavHeaderBytes + data + data % 2) << frames;
    const std::vector<std::int16_t> back = DecodeData(wav.data() + 90, data, 1, 512, frames);
    ASSERT_EQ(back.size(), frames);
    EXPECT_EQ(back[0], pcm[0]);  // the header samples are stored whole
  }
  EXPECT_TRUE(EncodeWav({}, {22050, 1, 512}).empty());
  EXPECT_TRUE(EncodeWav({1, 2, 3}, {22050, 2, 1024}).empty());  // half a stereo frame
  EXPECT_TRUE(EncodeWav({1, 2, 3}, {22050, 3, 1024}).empty());
  // Sizes no frame count can fill: shorter than a block header after whole blocks.
  EXPECT_FALSE(FramesForFileSize(90 + 512 + 4, 1, 512).has_value());
  EXPECT_FALSE(FramesForFileSize(80, 1, 512).has_value());
  EXPECT_EQ(FramesForFileSize(90 + 1024, 2, 1024), std::optional<std::size_t>(1012));
}

// ---- tunes -----------------------------------------------------------------------------

std::uint32_t ReadVarLen(FileBytes b, std::size_t& pos, std::size_t end) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4 && pos < end; ++i) {
    const std::uint8_t c = b[pos++];
    v = (v << 7) | (c & 0x7F);
    if (!(c & 0x80)) return v;
  }
  ADD_FAILURE() << "bad variable-length number before " << pos;
  return v;
}

struct MidiSummary {
  int format = -1, tracks = 0, division = 0;
  double seconds = 0;
  int notes = 0;
};

// Walks every event of every track; checks chunk lengths, running status, balanced notes and
// the end-of-track event closing each chunk.
MidiSummary CheckMidi(FileBytes mid) {
  MidiSummary m;
  if (mid.size() < 14 || Tag(mid, 0) != "MThd" || U32BE(mid, 4) != 6) {
    ADD_FAILURE() << "no MThd header";
    return m;
  }
  m.format = static_cast<int>(U16BE(mid, 8));
  const std::uint32_t declaredTracks = U16BE(mid, 10);
  m.division = static_cast<int>(U16BE(mid, 12));
  std::uint32_t tempo = 500000;
  std::uint32_t lastTick = 0;
  std::size_t pos = 14;
  while (pos < mid.size()) {
    if (pos + 8 > mid.size() || Tag(mid, pos) != "MTrk") {
      ADD_FAILURE() << "no MTrk chunk at " << pos;
      return m;
    }
    const std::size_t end = pos + 8 + U32BE(mid, pos + 4);
    if (end > mid.size()) {
      ADD_FAILURE() << "track chunk runs past the end of the file";
      return m;
    }
    ++m.tracks;
    std::size_t p = pos + 8;
    std::uint32_t tick = 0;
    std::uint8_t running = 0;
    int sounding[16][128] = {};
    bool ended = false;
    while (p < end && !ended) {
      tick += ReadVarLen(mid, p, end);
      if (p >= end) break;
      std::uint8_t status = mid[p];
      if (status == 0xFF) {
        const std::uint8_t type = mid[p + 1];
        p += 2;
        const std::uint32_t len = ReadVarLen(mid, p, end);
        if (type == 0x51 && len == 3) tempo = (mid[p] << 16) | (mid[p + 1] << 8) | mid[p + 2];
        if (type == 0x2F) {
          EXPECT_EQ(len, 0u);
          ended = true;
        }
        p += len;
        running = 0;
        continue;
      }
      if (status == 0xF0 || status == 0xF7) {
        p += 1;
        p += ReadVarLen(mid, p, end);
        running = 0;
        continue;
      }
      if (status & 0x80) {
        running = status;
        ++p;
      } else {
        EXPECT_NE(running, 0) << "data byte without running status at " << p;
        status = running;
      }
      const int kind = status & 0xF0, channel = status & 0x0F;
      const int length = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
      if (p + length > end) break;
      if (kind == 0x90 || kind == 0x80) {
        const int key = mid[p], velocity = mid[p + 1];
        EXPECT_LT(key, 128);
        if (kind == 0x90 && velocity > 0) {
          ++sounding[channel][key];
          ++m.notes;
        } else {
          EXPECT_GT(sounding[channel][key], 0) << "note off without note on";
          --sounding[channel][key];
        }
      }
      p += length;
    }
    EXPECT_TRUE(ended) << "track " << m.tracks << " has no end-of-track event";
    EXPECT_EQ(p, end) << "end-of-track is not the last event of track " << m.tracks;
    for (auto& channel : sounding)
      for (int n : channel) EXPECT_EQ(n, 0) << "a note is left sounding in track " << m.tracks;
    lastTick = std::max(lastTick, tick);
    pos = end;
  }
  EXPECT_EQ(static_cast<std::uint32_t>(m.tracks), declaredTracks);
  if (m.division > 0) m.seconds = double(lastTick) / m.division * tempo / 1e6;
  return m;
}

struct TuneLayout {
  int format, tracks, division;
  double seconds;
};
// Format, track count, ticks per quarter note and about how long each ring tune plays.
constexpr TuneLayout kTuneLayouts[7] = {{1, 2, 120, 3},   {0, 1, 240, 5},   {1, 2, 120, 14},
                                        {1, 7, 96, 4},    {1, 5, 480, 2.5}, {1, 7, 48, 2.5},
                                        {1, 12, 120, 7}};

TEST(MediaTunes, SevenStandardMidiFilesOfTheTableLayouts) {
  for (int n = 1; n <= media::kTuneCount; ++n) {
    SCOPED_TRACE("tune " + std::to_string(n));
    const TuneLayout& want = kTuneLayouts[n - 1];
    const MidiSummary m = CheckMidi(media::Tune(n));
    EXPECT_EQ(m.format, want.format);
    EXPECT_EQ(m.tracks, want.tracks);
    EXPECT_EQ(m.division, want.division);
    EXPECT_NEAR(m.seconds, want.seconds, want.seconds * 0.25);
    EXPECT_GE(m.notes, 8) << "a melody, not a beep";
  }
  EXPECT_TRUE(media::Tune(0).empty());
  EXPECT_TRUE(media::Tune(8).empty());
  EXPECT_TRUE(media::Tune(-1).empty());
}

TEST(MediaTunes, ScoreNotationAndWriterRejectWhatTheyCannotWrite) {
  using namespace mediagen::smf;
  const std::vector<Note> notes = ParseScore("C4:4 r:2 E4+G4:2 Bb3:1 F#-1:1", 120, 90, 1.0);
  ASSERT_EQ(notes.size(), 5u);
  EXPECT_EQ(notes[0].key, 60);
  EXPECT_EQ(notes[0].length, 120);
  EXPECT_EQ(notes[1].start, 180);  // after the rest
  EXPECT_EQ(notes[2].key, 67);
  EXPECT_EQ(notes[3].key, 58);
  EXPECT_EQ(notes[4].key, 6);
  EXPECT_EQ(ScoreTicks("C4:4 r:2 E4+G4:2 Bb3:1 F#-1:1", 120), 300);
  for (const char* bad : {"C4", "H4:2", "C4:0", "C4:x", "C4+:2", "C12:1", "G#9:1"})
    EXPECT_TRUE(ParseScore(bad, 120, 90).empty()) << bad;

  Song song{"t", 0, 120, 120, 4, {{"a", {{0, 0, 100, 64, notes}}}, {"b", {}}}, 0};
  EXPECT_TRUE(MidiFile(song).empty()) << "format 0 holds one track";
  song.tracks.pop_back();
  EXPECT_FALSE(MidiFile(song).empty());
  song.tracks[0].parts[0].channel = 16;
  EXPECT_TRUE(MidiFile(song).empty());
}

// ---- donation picture --------------------------------------------------------------------

TEST(MediaPicture, DonationPictureIsA24BitBmp) {
  const FileBytes bmp = media::DonationPicture();
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(U32(bmp, 2), bmp.size());
  EXPECT_EQ(U32(bmp, 10), 54u);
  EXPECT_EQ(U32(bmp, 14), 40u);
  const std::int32_t w = I32(bmp, 18), h = I32(bmp, 22);
  EXPECT_EQ(w, 128);
  EXPECT_EQ(h, 128);  // bottom-up
  EXPECT_EQ(U16(bmp, 26), 1u);
  EXPECT_EQ(U16(bmp, 28), 24u);
  EXPECT_EQ(U32(bmp, 30), 0u);
  const std::uint32_t row = (3u * w + 3) / 4 * 4;
  EXPECT_EQ(U32(bmp, 34), row * h);
  EXPECT_EQ(bmp.size(), 54u + row * h);
}

// ---- the embedded bytes are the generator's -------------------------------------------

TEST(MediaBuild, EmbeddedBytesAreWhatTheGeneratorMakesNow) {
  const std::vector<mediagen::MediaFile> files = mediagen::AllMedia();
  EXPECT_EQ(mediagen::CheckMedia(files), "");
  auto embedded = [](const std::string& name) -> FileBytes {
    if (name == "program.ico") return media::ProgramIcon();
    if (name == "tray.ico") return media::TrayIcon();
    if (name == "click.wav") return media::ClickSound();
    if (name == "load.wav") return media::LoadSound();
    if (name == "donation.bmp") return media::DonationPicture();
    if (name.rfind("tune", 0) == 0) return media::Tune(name[4] - '0');
    return {};
  };
  ASSERT_EQ(files.size(), 12u);
  for (const mediagen::MediaFile& f : files) {
    const FileBytes e = embedded(f.fileName);
    EXPECT_TRUE(std::equal(e.begin(), e.end(), f.bytes.begin(), f.bytes.end())) << f.fileName;
  }
}

// ---- tools we did not write ------------------------------------------------------------

bool HaveTool(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

class MediaTools : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tovenk-media-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, FileBytes bytes) {
    const fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<std::streamsize>(bytes.size()));
    return p.string();
  }
  // Runs a shell command with its output captured; the exit status, or -1.
  int Run(const std::string& command, std::string* output = nullptr) {
    const std::string out = (dir_ / "tool-output.txt").string();
    const int status = std::system((command + " >'" + out + "' 2>&1").c_str());
    if (output) {
      std::ifstream in(out, std::ios::binary);
      output->assign(std::istreambuf_iterator<char>(in), {});
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  static std::string Q(const std::string& path) { return "'" + path + "'"; }
  // A number that follows `label` in a tool's report, such as "RMS     amplitude:".
  static std::optional<double> NumberAfter(const std::string& text, const std::string& label) {
    const std::size_t at = text.find(label);
    if (at == std::string::npos) return std::nullopt;
    std::istringstream in(text.substr(at + label.size()));
    double v;
    if (in >> v) return v;
    return std::nullopt;
  }

  fs::path dir_;
};

TEST_F(MediaTools, SoxDecodesBothSounds) {
  if (!HaveTool("sox")) GTEST_SKIP() << "sox is not installed";
  for (const SoundCase& s : Sounds()) {
    SCOPED_TRACE(s.name);
    const std::string wav = Write(std::string(s.name) + ".wav", s.bytes);
    std::string info;
    ASSERT_EQ(Run("sox --i " + Q(wav), &info), 0) << info;
    EXPECT_NE(info.find("Sample Rate    : 22050"), std::string::npos) << info;
    EXPECT_NE(info.find("Channels       : " + std::to_string(s.channels)), std::string::npos) << info;
    EXPECT_NE(info.find("MS ADPCM"), std::string::npos) << info;
    std::string stat;
    ASSERT_EQ(Run("sox " + Q(wav) + " -n stat", &stat), 0) << stat;
    EXPECT_GT(NumberAfter(stat, "Maximum amplitude:").value_or(0), 0.3) << stat;
    // sox's decoder gives back the synthesised sound, sample for sample in order.
    const std::string raw = (dir_ / (std::string(s.name) + ".raw")).string();
    ASSERT_EQ(Run("sox " + Q(wav) + " -t raw -e signed-integer -b 16 -L " + Q(raw)), 0);
    std::ifstream in(raw, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<std::int16_t> decoded(bytes.size() / 2);
    for (std::size_t i = 0; i < decoded.size(); ++i)
      decoded[i] = static_cast<std::int16_t>((static_cast<std::uint8_t>(bytes[2 * i])) |
                                             (static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8));
    EXPECT_EQ(decoded.size(), s.source.size());
    EXPECT_GT(SnrDb(s.source, decoded), 20.0);
  }
}

// A General MIDI sound font for timidity, when one is installed.
std::optional<std::string> SoundFont() {
  for (const char* p : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
                        "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3"})
    if (fs::exists(p)) return std::string(p);
  return std::nullopt;
}

TEST_F(MediaTools, TimidityRendersEveryTune) {
  if (!HaveTool("timidity") || !HaveTool("sox")) GTEST_SKIP() << "timidity or sox is not installed";
  const std::optional<std::string> font = SoundFont();
  const std::string cfg = (dir_ / "timidity.cfg").string();
  std::ofstream(cfg) << (font ? "soundfont " + *font + "\n" : std::string("\n"));
  if (!font) std::cout << "[ note ] no General MIDI sound font: rendered tunes are silent, loudness not checked\n";
  for (int n = 1; n <= media::kTuneCount; ++n) {
    SCOPED_TRACE("tune " + std::to_string(n));
    const std::string mid = Write("tune" + std::to_string(n) + ".mid", media::Tune(n));
    const std::string out = (dir_ / ("tune" + std::to_string(n) + ".wav")).string();
    std::string log;
    ASSERT_EQ(Run("timidity -c " + Q(cfg) + " -Ow -o " + Q(out) + " " + Q(mid), &log), 0) << log;
    std::string duration;
    ASSERT_EQ(Run("sox --i -D " + Q(out), &duration), 0) << duration;
    const double seconds = std::stod(duration);
    const double written = kTuneLayouts[n - 1].seconds;
    // The rendering runs the whole score plus the instruments' release.
    EXPECT_GT(seconds, written * 0.75);
    EXPECT_LT(seconds, written * 1.25 + 10);
    if (font) {
      std::string stat;
      ASSERT_EQ(Run("sox " + Q(out) + " -n stat", &stat), 0) << stat;
      EXPECT_GT(NumberAfter(stat, "RMS     amplitude:").value_or(0), 0.005) << stat;
    }
  }
}

TEST_F(MediaTools, IcotoolListsTheIcons) {
  if (!HaveTool("icotool")) GTEST_SKIP() << "icotool (icoutils) is not installed";
  std::string list;
  ASSERT_EQ(Run("icotool -l " + Q(Write("tray.ico", media::TrayIcon())), &list), 0) << list;
  EXPECT_EQ(list, "--icon --index=1 --width=16 --height=16 --bit-depth=32 --palette-size=0\n");
  ASSERT_EQ(Run("icotool -l " + Q(Write("program.ico", media::ProgramIcon())), &list), 0) << list;
  EXPECT_EQ(list,
            "--icon --index=1 --width=16 --height=16 --bit-depth=32 --palette-size=0\n"
            "--icon --index=2 --width=32 --height=32 --bit-depth=32 --palette-size=0\n"
            "--icon --index=3 --width=48 --height=48 --bit-depth=32 --palette-size=0\n");
  // And it takes the images out again as pictures.
  ASSERT_EQ(Run("icotool -x -o " + Q(dir_.string()) + " " + Q((dir_ / "program.ico").string()), &list), 0)
      << list;
  EXPECT_TRUE(fs::exists(dir_ / "program_3_48x48x32.png"));
}

TEST_F(MediaTools, ImageMagickReadsTheDonationPicture) {
  if (!HaveTool("identify")) GTEST_SKIP() << "ImageMagick is not installed";
  std::string info;
  ASSERT_EQ(Run("identify -format '%m %w %h %k' " + Q(Write("donation.bmp", media::DonationPicture())), &info), 0)
      << info;
  std::istringstream in(info);
  std::string format;
  int w = 0, h = 0, colours = 0;
  in >> format >> w >> h >> colours;
  EXPECT_EQ(format.rfind("BMP", 0), 0u) << info;
  EXPECT_EQ(w, 128);
  EXPECT_EQ(h, 128);
  EXPECT_GT(colours, 8) << "a picture, not a blank";
}

}  // namespace
