// generators/smf.h
// Standard MIDI File writer (format 0 or 1) and a compact score notation for the ring tunes.
// Format 1 songs get a conductor track first (title, time signature, tempo); format 0 songs
// carry those in their single track. Channel messages use running status; a note ends with a
// note-on of velocity 0; every track ends with the end-of-track meta event at the song's end.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "byte_writer.h"

namespace mediagen::smf {

struct Note {
  int start = 0;   // ticks
  int length = 0;  // ticks
  int key = 60;    // MIDI key, 60 = middle C (C4)
  int velocity = 90;
};

// One instrument on one channel (channel 9 is the percussion kit, where program is ignored).
struct Part {
  int channel = 0;
  int program = 0;    // General MIDI program, 0-based
  int volume = 100;   // controller 7
  int pan = 64;       // controller 10
  std::vector<Note> notes;
};

struct Track {
  std::string name;
  std::vector<Part> parts;
};

struct Song {
  std::string title;
  int format = 1;
  int division = 120;  // ticks per quarter note
  int bpm = 120;
  int beatsPerBar = 4;
  std::vector<Track> tracks;  // format 0: exactly one
  int endTick = 0;            // 0: the end of the last note
};

// Notes from a score: space-separated tokens "key:sixteenths", where key is a note name with
// octave (C4, F#5, Bb3), several joined with '+' for a chord, or 'r' for a rest. Each note
// sounds for `gate` of its written length. Empty when a token does not read.
std::vector<Note> ParseScore(std::string_view score, int division, int velocity,
                             double gate = 0.9);

// Ticks a score spans (its written lengths added up), 0 when it does not read.
int ScoreTicks(std::string_view score, int division);

// The file bytes; empty when the song breaks the layout (format 0 with other than one track,
// a note off the 0..127 key or velocity range, a channel outside 0..15).
Bytes MidiFile(const Song& song);

// Ticks at which the song ends: `endTick` or else the end of its last note.
int SongEnd(const Song& song);

}  // namespace mediagen::smf
