// generators/sounds.cpp
#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mediagen {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

std::size_t FramesOf(std::size_t fileBytes, const adpcm::Format& f) {
  return adpcm::FramesForFileSize(fileBytes, f.channels, f.blockAlign).value_or(0);
}

// Frames in whole blocks: the audible part ends there.
std::size_t WholeBlockFrames(std::size_t frames, const adpcm::Format& f) {
  const std::size_t perBlock = adpcm::SamplesPerBlock(f.blockAlign, f.channels);
  return std::max(frames / perBlock * perBlock, std::min(frames, perBlock));
}

// Scales to `peak` of full scale and rounds to 16 bits.
std::vector<std::int16_t> ToPcm(const std::vector<double>& signal, double peak) {
  double max = 0;
  for (double v : signal) max = std::max(max, std::abs(v));
  const double gain = max > 0 ? peak * 32767 / max : 0;
  std::vector<std::int16_t> out;
  out.reserve(signal.size());
  for (double v : signal) out.push_back(static_cast<std::int16_t>(std::lround(v * gain)));
  return out;
}

// One plucked bell-like note: a fast attack, exponential decay, two soft overtones.
double Chime(double t, double freq, double decay) {
  if (t < 0) return 0;
  const double env = (1 - std::exp(-t / 0.0025)) * std::exp(-t / decay);
  return env * (std::sin(kTwoPi * freq * t) + 0.28 * std::sin(kTwoPi * 2 * freq * t) +
                0.07 * std::sin(kTwoPi * 3 * freq * t));
}

}  // namespace

adpcm::Format ClickFormat() {
  return {kSoundRate, 2, adpcm::StandardBlockAlign(kSoundRate, 2)};
}

adpcm::Format LoadFormat() {
  return {kSoundRate, 1, adpcm::StandardBlockAlign(kSoundRate, 1)};
}

// A dry wooden tick: a high damped tone over a lower, slightly longer body, the right
// channel a touch later and softer than the left.
std::vector<std::int16_t> ClickSamples() {
  const adpcm::Format f = ClickFormat();
  const std::size_t frames = FramesOf(kClickFileBytes, f);
  const std::size_t audible = WholeBlockFrames(frames, f);
  auto tick = [](double t) {
    if (t < 0) return 0.0;
    const double attack = 1 - std::exp(-t / 0.00015);
    return attack * (std::exp(-t / 0.0028) * std::sin(kTwoPi * 2350 * t) +
                     0.55 * std::exp(-t / 0.0075) * std::sin(kTwoPi * 820 * t));
  };
  std::vector<double> signal(frames * 2, 0.0);
  for (std::size_t i = 0; i < audible; ++i) {
    const double t = double(i) / kSoundRate;
    const double fade = std::min(1.0, double(audible - i) / 200);  // reaches zero at the end
    signal[2 * i] = tick(t) * fade;
    signal[2 * i + 1] = 0.9 * tick(t - 0.00018) * fade;
  }
  return ToPcm(signal, 0.6);
}

// Four rising chimes, G5 C6 E6 G6, the last one left to ring out.
std::vector<std::int16_t> LoadSamples() {
  const adpcm::Format f = LoadFormat();
  const std::size_t frames = FramesOf(kLoadFileBytes, f);
  const std::size_t audible = WholeBlockFrames(frames, f);
  struct Note { double start, freq, decay, level; };
  const Note notes[] = {{0.00, 783.99, 0.10, 0.80},
                        {0.085, 1046.50, 0.10, 0.80},
                        {0.17, 1318.51, 0.11, 0.85},
                        {0.255, 1567.98, 0.20, 1.00}};
  const std::size_t fadeFrames = kSoundRate / 6;
  std::vector<double> signal(frames, 0.0);
  for (std::size_t i = 0; i < audible; ++i) {
    const double t = double(i) / kSoundRate;
    double v = 0;
    for (const Note& n : notes) v += n.level * Chime(t - n.start, n.freq, n.decay);
    const std::size_t left = audible - i;
    if (left < fadeFrames) v *= 0.5 - 0.5 * std::cos(std::numbers::pi * double(left) / fadeFrames);
    signal[i] = v;
  }
  return ToPcm(signal, 0.7);
}

Bytes ClickSoundFile() { return adpcm::EncodeWav(ClickSamples(), ClickFormat()); }

Bytes LoadSoundFile() { return adpcm::EncodeWav(LoadSamples(), LoadFormat()); }

}  // namespace mediagen
