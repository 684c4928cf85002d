// generators/ms_adpcm.h
// Microsoft ADPCM (WAVE_FORMAT_ADPCM, format tag 2) encoder and its RIFF WAVE container:
// "RIFF" + "WAVE", a 50-byte "fmt " chunk (WAVEFORMATEX with cbSize 32: samples per block,
// the 7 standard coefficient pairs), a "fact" chunk with the frame count, then "data".
// Each block starts with a header per channel (predictor index, initial delta, second sample,
// first sample) followed by 4-bit codes, high nibble first; in stereo a byte holds the left
// code (high nibble) and the right code (low nibble). The last block may be shorter.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "byte_writer.h"

namespace mediagen::adpcm {

struct Coefficients {
  int c1, c2;
};
inline constexpr Coefficients kStandardCoefficients[7] = {
    {256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}};

// Bytes in front of the audio data: RIFF header, fmt, fact and the data chunk header.
inline constexpr std::size_t kWavHeaderBytes = 12 + (8 + 50) + (8 + 4) + 8;

// Block size Windows' encoder picks: 256 bytes per channel per 11025 Hz of rate.
int StandardBlockAlign(int sampleRate, int channels);
// Frames one full block holds: its two header samples plus two codes per byte.
int SamplesPerBlock(int blockAlign, int channels);

// Audio bytes for `frames` frames: whole blocks, then a short block for the rest.
std::size_t DataBytesFor(std::size_t frames, int channels, int blockAlign);
// The frame count whose WAV file is exactly `fileBytes` long, if there is one.
std::optional<std::size_t> FramesForFileSize(std::size_t fileBytes, int channels, int blockAlign);

struct Format {
  int sampleRate = 22050;
  int channels = 1;
  int blockAlign = 512;
};

// Encodes interleaved 16-bit samples (frames x channels); per block and channel it picks the
// predictor and initial delta that give the least squared error. In a short last block of a mono
// file an odd number of codes is padded with a zero code (a decoder may play one extra sample).
// Empty when the layout is not one channel or two, or the samples do not fill whole frames.
Bytes EncodeWav(const std::vector<std::int16_t>& interleaved, const Format& format);

// The samples a standard decoder reproduces from an encoded data chunk (interleaved), for
// checking the encoder: arithmetic shift prediction, delta floor 16.
std::vector<std::int16_t> DecodeData(const std::uint8_t* data, std::size_t size, int channels,
                                     int blockAlign, std::size_t frames);

}  // namespace mediagen::adpcm
