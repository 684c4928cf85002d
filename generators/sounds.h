// generators/sounds.h
// The program's two sounds, synthesised and stored as 22050 Hz MS ADPCM WAV files of fixed
// sizes: a short stereo click (1192 bytes) for picking an item and a mono rising chime
// (9156 bytes) for a reloaded item grid.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "byte_writer.h"
#include "ms_adpcm.h"

namespace mediagen {

inline constexpr int kSoundRate = 22050;
inline constexpr std::size_t kClickFileBytes = 1192;
inline constexpr std::size_t kLoadFileBytes = 9156;

adpcm::Format ClickFormat();  // stereo, standard block size
adpcm::Format LoadFormat();   // mono, standard block size

// The sounds before encoding (interleaved 16-bit samples), exactly as many frames as fill the
// file sizes above; whatever lies past the last whole block is silent, so a player that drops a
// short final block loses nothing.
std::vector<std::int16_t> ClickSamples();
std::vector<std::int16_t> LoadSamples();

Bytes ClickSoundFile();
Bytes LoadSoundFile();

}  // namespace mediagen
