// generators/tunes.h
// The seven ring tunes of the reminders, composed here as scores and written as Standard MIDI
// Files. Their layouts follow the program's tune table: format, track count and ticks per
// quarter note per tune, each a few seconds long (tune 3, a slow air, about 14 s).
#pragma once
#include "byte_writer.h"
#include "smf.h"

namespace mediagen {

inline constexpr int kTuneCount = 7;

// Tune `number` (1..7) as a song; an empty song (no tracks) for other numbers.
smf::Song TuneSong(int number);
Bytes TuneFile(int number);

// Playing time of a song in seconds (one tempo throughout).
double SongSeconds(const smf::Song& song);

}  // namespace mediagen
