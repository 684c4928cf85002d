// generators/ms_adpcm.cpp
#include "ms_adpcm.h"

#include <algorithm>
#include <array>
#include <limits>

namespace mediagen::adpcm {

namespace {

constexpr int kAdaptation[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                 768, 614, 512, 409, 307, 230, 230, 230};
constexpr int kMinDelta = 16;

std::int16_t Clamp16(long v) {
  return static_cast<std::int16_t>(std::clamp<long>(v, std::numeric_limits<std::int16_t>::min(),
                                                    std::numeric_limits<std::int16_t>::max()));
}

// Decoder state of one channel; Step() is the decoder, shared by the encoder's search so that
// both agree on every reconstructed sample.
struct Channel {
  int predictor = 0;
  int delta = kMinDelta;
  int sample1 = 0;  // most recent output
  int sample2 = 0;

  int Predict() const {
    const Coefficients& c = kStandardCoefficients[predictor];
    return (sample1 * c.c1 + sample2 * c.c2) >> 8;
  }
  std::int16_t Step(int code) {  // code -8..7
    const std::int16_t out = Clamp16(static_cast<long>(Predict()) + static_cast<long>(code) * delta);
    sample2 = sample1;
    sample1 = out;
    delta = std::max(kMinDelta, (kAdaptation[code & 0xF] * delta) >> 8);
    return out;
  }
  // The code whose reconstruction lands nearest `target`.
  int ChooseCode(int target) const {
    const long predicted = Predict();
    const double q = double(target - predicted) / delta;
    int best = std::clamp(static_cast<int>(q >= 0 ? q + 0.5 : q - 0.5), -8, 7);
    long bestErr = std::labs(Clamp16(predicted + long(best) * delta) - target);
    for (int alt : {best - 1, best + 1}) {
      if (alt < -8 || alt > 7) continue;
      const long err = std::labs(Clamp16(predicted + long(alt) * delta) - target);
      if (err < bestErr) best = alt, bestErr = err;
    }
    return best;
  }
};

struct ChannelPlan {
  Channel start;
  std::vector<int> codes;
};

// Tries every predictor with a range of initial deltas on one channel's block samples.
ChannelPlan PlanChannel(const std::vector<int>& samples) {
  ChannelPlan best;
  double bestErr = std::numeric_limits<double>::infinity();
  for (int p = 0; p < 7; ++p) {
    for (int delta = kMinDelta; delta <= 4096; delta *= 2) {
      for (int scaled : {delta, delta * 3 / 2}) {
        Channel ch;
        ch.predictor = p;
        ch.delta = scaled;
        ch.sample2 = samples[0];
        ch.sample1 = samples.size() > 1 ? samples[1] : samples[0];
        const Channel start = ch;
        std::vector<int> codes;
        double err = 0;
        for (std::size_t i = 2; i < samples.size() && err < bestErr; ++i) {
          const int code = ch.ChooseCode(samples[i]);
          const double d = ch.Step(code) - samples[i];
          err += d * d;
          codes.push_back(code);
        }
        if (err < bestErr) {
          bestErr = err;
          best = {start, std::move(codes)};
        }
      }
    }
  }
  return best;
}

}  // namespace

int StandardBlockAlign(int sampleRate, int channels) {
  return 256 * channels * std::max(1, sampleRate / 11025);
}

int SamplesPerBlock(int blockAlign, int channels) {
  return (blockAlign - 7 * channels) * 2 / channels + 2;
}

std::size_t DataBytesFor(std::size_t frames, int channels, int blockAlign) {
  const std::size_t perBlock = SamplesPerBlock(blockAlign, channels);
  const std::size_t whole = frames / perBlock;
  const std::size_t rest = frames % perBlock;
  std::size_t bytes = whole * blockAlign;
  if (rest > 0) {
    const std::size_t codes = (rest > 2 ? rest - 2 : 0) * channels;
    bytes += 7 * channels + (codes + 1) / 2;
  }
  return bytes;
}

std::optional<std::size_t> FramesForFileSize(std::size_t fileBytes, int channels, int blockAlign) {
  if (fileBytes < kWavHeaderBytes) return std::nullopt;
  const std::size_t data = fileBytes - kWavHeaderBytes;
  if (data % 2) return std::nullopt;  // an odd data chunk takes a pad byte
  const std::size_t perBlock = SamplesPerBlock(blockAlign, channels);
  const std::size_t rest = data % blockAlign;
  std::size_t frames = data / blockAlign * perBlock;
  if (rest == 0) return frames;
  if (rest < 7u * channels) return std::nullopt;
  frames += 2 + (rest - 7 * channels) * 2 / channels;
  if (DataBytesFor(frames, channels, blockAlign) != data) return std::nullopt;
  return frames;
}

Bytes EncodeWav(const std::vector<std::int16_t>& interleaved, const Format& f) {
  const int chans = f.channels;
  if (chans < 1 || chans > 2 || interleaved.size() % chans != 0 || interleaved.empty() ||
      f.blockAlign < 7 * chans + 1)
    return {};
  const std::size_t frames = interleaved.size() / chans;
  const int perBlock = SamplesPerBlock(f.blockAlign, chans);

  ByteWriter data;
  for (std::size_t first = 0; first < frames; first += perBlock) {
    const std::size_t count = std::min<std::size_t>(perBlock, frames - first);
    std::vector<ChannelPlan> plans;
    for (int c = 0; c < chans; ++c) {
      std::vector<int> samples(count);
      for (std::size_t i = 0; i < count; ++i) samples[i] = interleaved[(first + i) * chans + c];
      plans.push_back(PlanChannel(samples));
    }
    for (const ChannelPlan& p : plans) data.U8(p.start.predictor);
    for (const ChannelPlan& p : plans) data.I16(p.start.delta);
    for (const ChannelPlan& p : plans) data.I16(p.start.sample1);
    for (const ChannelPlan& p : plans) data.I16(p.start.sample2);
    std::vector<int> codes;  // interleaved by channel
    for (std::size_t i = 0; i + 2 < count; ++i)
      for (int c = 0; c < chans; ++c) codes.push_back(plans[c].codes[i]);
    if (codes.size() % 2) codes.push_back(0);
    for (std::size_t i = 0; i < codes.size(); i += 2)
      data.U8(((codes[i] & 0xF) << 4) | (codes[i + 1] & 0xF));
  }

  const Bytes audio = data.Take();
  ByteWriter out;
  out.Tag("RIFF");
  out.U32(0);  // patched below
  out.Tag("WAVE");
  out.Tag("fmt ");
  out.U32(50);
  out.U16(2);  // WAVE_FORMAT_ADPCM
  out.U16(chans);
  out.U32(f.sampleRate);
  out.U32(static_cast<std::uint32_t>(std::int64_t(f.sampleRate) * f.blockAlign / perBlock));
  out.U16(f.blockAlign);
  out.U16(4);   // bits per sample
  out.U16(32);  // cbSize
  out.U16(perBlock);
  out.U16(7);
  for (const Coefficients& c : kStandardCoefficients) {
    out.I16(c.c1);
    out.I16(c.c2);
  }
  out.Tag("fact");
  out.U32(4);
  out.U32(static_cast<std::uint32_t>(frames));
  out.Tag("data");
  out.U32(static_cast<std::uint32_t>(audio.size()));
  out.Append(audio);
  if (audio.size() % 2) out.U8(0);  // chunks are word-aligned
  out.PatchU32(4, static_cast<std::uint32_t>(out.Size() - 8));
  return out.Take();
}

std::vector<std::int16_t> DecodeData(const std::uint8_t* data, std::size_t size, int channels,
                                     int blockAlign, std::size_t frames) {
  std::vector<std::int16_t> out;
  const std::size_t perBlock = SamplesPerBlock(blockAlign, channels);
  auto i16 = [](const std::uint8_t* p) { return static_cast<std::int16_t>(p[0] | (p[1] << 8)); };
  for (std::size_t pos = 0; pos < size && out.size() < frames * channels; pos += blockAlign) {
    const std::size_t blockBytes = std::min<std::size_t>(blockAlign, size - pos);
    if (blockBytes < 7u * channels) break;
    const std::uint8_t* b = data + pos;
    std::array<Channel, 2> ch{};
    for (int c = 0; c < channels; ++c) {
      ch[c].predictor = std::min<int>(b[c], 6);
      ch[c].delta = i16(b + channels + 2 * c);
      ch[c].sample1 = i16(b + 3 * channels + 2 * c);
      ch[c].sample2 = i16(b + 5 * channels + 2 * c);
    }
    std::size_t blockFrames = 0;
    for (int c = 0; c < channels; ++c) out.push_back(static_cast<std::int16_t>(ch[c].sample2));
    for (int c = 0; c < channels; ++c) out.push_back(static_cast<std::int16_t>(ch[c].sample1));
    blockFrames = 2;
    int c = 0;
    for (std::size_t k = 7u * channels; k < blockBytes && blockFrames < perBlock; ++k) {
      for (int nibble : {b[k] >> 4, b[k] & 0xF}) {
        const int code = nibble >= 8 ? nibble - 16 : nibble;
        out.push_back(ch[c].Step(code));
        if (++c == channels) c = 0, ++blockFrames;
      }
    }
  }
  out.resize(std::min(out.size(), frames * channels));
  return out;
}

}  // namespace mediagen::adpcm
