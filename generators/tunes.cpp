// generators/tunes.cpp
// Scores: "key:sixteenths" tokens, '+' joins a chord, 'r' rests, '|' marks bars for the reader.
// General MIDI programs are 0-based; percussion is channel 9 (C2 kick, D2 snare, F#2 closed
// hat, C#3 crash, A5 open triangle, E5/F5 high and low wood block).
#include "tunes.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace mediagen {

namespace {

struct Voice {
  std::string_view name;  // empty: shares the track of the voice before it
  int channel, program, volume, pan, velocity;
  std::string_view score;
  double gate = 0.9;
};

smf::Song Compose(std::string_view title, int format, int division, int bpm, int beatsPerBar,
                  int tailSixteenths, std::initializer_list<Voice> voices) {
  smf::Song song{std::string(title), format, division, bpm, beatsPerBar, {}, 0};
  int end = 0;
  for (const Voice& v : voices) {
    smf::Part part{v.channel, v.program, v.volume, v.pan,
                   smf::ParseScore(v.score, division, v.velocity, v.gate)};
    if (part.notes.empty()) return {};  // a score that does not read spoils the tune
    end = std::max(end, smf::ScoreTicks(v.score, division));
    if (!song.tracks.empty() && (format == 0 || v.name.empty())) {
      song.tracks.front().parts.push_back(std::move(part));
    } else {
      song.tracks.push_back({std::string(v.name), {std::move(part)}});
    }
  }
  song.endTick = end + tailSixteenths * division / 4;
  return song;
}

// 1: a music-box waltz figure rising to a high C, over two vibraphone chords.
smf::Song Tune1() {
  return Compose("Tovenk tune 1: Morning Box", 1, 120, 120, 3, 2, {
      {"Music box", 0, 10, 110, 64, 96,
       "C6:2 E6:2 G6:2 E6:2 C6:2 G5:2 | D6:2 B5:2 G6:4 C7:4"},
      {"", 1, 11, 80, 64, 64, "C4+G4+E5:12 | G3+F4+B4:6 C4+G4+E5:6", 1.0},
  });
}

// 2 (format 0): a marimba tune in F with bass and hi-hat, three bars.
smf::Song Tune2() {
  return Compose("Tovenk tune 2: Marimba Walk", 0, 240, 140, 4, 2, {
      {"Marimba", 0, 12, 110, 56, 100,
       "F5:2 A5:2 C6:2 A5:2 Bb5:2 G5:2 E5:4 | G5:2 Bb5:2 D6:2 Bb5:2 C6:2 A5:2 F5:4 |"
       " A5:2 C6:2 F6:4 E6:2 C6:2 F6:4"},
      {"Bass", 1, 32, 100, 72, 90, "F2:8 C3:8 | G2:8 C3:8 | F2:4 A2:4 C3:4 F2:4"},
      {"Hi-hat", 9, 0, 70, 80, 60,
       "r:2 F#2:2 r:2 F#2:2 r:2 F#2:2 r:2 F#2:2 | r:2 F#2:2 r:2 F#2:2 r:2 F#2:2 r:2 F#2:2 |"
       " r:2 F#2:2 r:2 F#2:2 r:2 F#2:2 C#3:2", 0.5},
  });
}

// 3: a slow flute air, four long bars.
smf::Song Tune3() {
  return Compose("Tovenk tune 3: Slow Air", 1, 120, 66, 4, 0, {
      {"Flute", 0, 73, 105, 64, 88,
       "E5:8 G5:4 A5:4 | G5:8 E5:4 D5:4 | C5:4 D5:4 E5:4 G5:4 | C5:16"},
  });
}

// 4: a two-bar brass fanfare with strings, bass, timpani and drums.
smf::Song Tune4() {
  return Compose("Tovenk tune 4: Fanfare", 1, 96, 120, 4, 2, {
      {"Trumpet", 0, 56, 115, 60, 110,
       "G4:2 G4:1 G4:1 C5:4 E5:2 E5:1 E5:1 G5:4 | E5:2 G5:2 C6:8 r:4"},
      {"Horn", 1, 60, 95, 44, 90,
       "E4:2 E4:1 E4:1 G4:4 C5:2 C5:1 C5:1 E5:4 | C5:2 E5:2 G5:8 r:4"},
      {"Strings", 2, 48, 80, 84, 70, "C4+E4+G4:8 E4+G4+C5:8 | G3+C4+E4:4 C4+E4+G4:8 r:4", 1.0},
      {"Tuba", 3, 58, 100, 64, 95, "C3:4 G2:4 C3:4 G2:4 | C3:4 C2:8 r:4"},
      {"Timpani", 4, 47, 100, 70, 100,
       "C3:2 r:2 G2:2 r:2 C3:2 r:2 G2:1 G2:1 G2:2 | C3:4 C3:8 r:4"},
      {"Drums", 9, 0, 90, 64, 100, "C2:4 D2:4 C2:4 D2:2 D2:1 D2:1 | C#3+C2:12 r:4", 0.5},
  });
}

// 5: a quick xylophone alert in 3/4, answered by glockenspiel, bass and wood blocks.
smf::Song Tune5() {
  return Compose("Tovenk tune 5: Alert", 1, 480, 144, 3, 0, {
      {"Xylophone", 0, 13, 115, 56, 105, "E6:2 C6:2 E6:2 C6:2 G6:4 | E6:2 C6:2 G6:8"},
      {"Glockenspiel", 1, 9, 90, 76, 80, "r:8 G6:4 | r:8 C7:4"},
      {"Bass", 2, 33, 100, 64, 95, "C3:4 G3:4 C3:4 | C3:4 G2:4 C3:4"},
      {"Wood block", 9, 0, 85, 64, 90, "E5:2 F5:2 E5:2 F5:2 E5:4 | E5:2 F5:2 E5:8", 0.5},
  });
}

// 6: one bar of sparkle: celesta and harp arpeggios over strings, bass, bells and triangle.
smf::Song Tune6() {
  return Compose("Tovenk tune 6: Sparkle", 1, 48, 96, 4, 0, {
      {"Celesta", 0, 8, 110, 50, 100, "C6:1 E6:1 G6:1 C7:1 E7:4 r:8"},
      {"Harp", 1, 46, 100, 78, 90, "C4:1 G4:1 C5:1 E5:1 G5:4 r:8"},
      {"Strings", 2, 49, 75, 64, 64, "C4+E4+G4:12 r:4", 1.0},
      {"Bass", 3, 32, 95, 64, 90, "C2:8 r:8"},
      {"Bells", 4, 14, 85, 64, 85, "r:4 C6:8 r:4"},
      {"Triangle", 9, 0, 80, 90, 80, "A5:4 r:4 A5:4 r:4", 0.5},
  });
}

// 7: a small march in G for woodwinds, strings, harp and drums, three bars.
smf::Song Tune7() {
  return Compose("Tovenk tune 7: Little March", 1, 120, 103, 4, 0, {
      {"Flute", 0, 73, 110, 60, 100,
       "D5:2 G5:2 B5:2 A5:2 G5:4 D5:4 | E5:2 G5:2 C6:2 B5:2 A5:4 F#5:4 | G5:2 B5:2 D6:4 C6:2 A5:2 G5:4"},
      {"Clarinet", 1, 71, 90, 70, 80, "B4:8 D5:8 | C5:8 D5:8 | B4:4 B4:4 A4:4 B4:4"},
      {"Violins I", 2, 48, 75, 40, 64, "D4:16 | E4:8 F#4:8 | D4:8 F#4:4 D4:4", 1.0},
      {"Violins II", 3, 48, 70, 52, 60, "B3:16 | C4:8 D4:8 | B3:8 D4:4 B3:4", 1.0},
      {"Violas", 4, 48, 70, 76, 60, "G3:16 | G3:8 A3:8 | G3:8 A3:4 G3:4", 1.0},
      {"Cellos", 5, 42, 85, 88, 76, "G2:8 D3:8 | C3:8 D3:8 | G2:8 D3:4 G2:4"},
      {"Basses", 6, 45, 95, 64, 90,
       "G2:4 D2:4 G2:4 D2:4 | C2:4 G2:4 D2:4 A2:4 | G2:4 D2:4 D2:4 G1:4", 0.6},
      {"Harp", 7, 46, 80, 96, 70,
       "G3:2 B3:2 D4:2 G4:2 G3:2 B3:2 D4:2 G4:2 | C4:2 E4:2 G4:2 C5:2 D4:2 F#4:2 A4:2 D5:2 |"
       " G3:2 B3:2 D4:2 G4:2 D4:2 F#4:2 G4:4"},
      {"Kick", 9, 0, 95, 64, 100, "C2:4 r:4 C2:4 r:4 | C2:4 r:4 C2:4 r:4 | C2:4 r:4 C2:4 C2:4", 0.5},
      {"Snare", 9, 0, 90, 64, 90, "r:4 D2:4 r:4 D2:4 | r:4 D2:4 r:4 D2:4 | r:4 D2:4 D2:2 D2:2 D2:4", 0.5},
      {"Cymbals", 9, 0, 75, 64, 70,
       "F#2:2 F#2:2 F#2:2 F#2:2 F#2:2 F#2:2 F#2:2 F#2:2 | F#2:2 F#2:2 F#2:2 F#2:2 F#2:2 F#2:2 F#2:2 F#2:2 |"
       " F#2:2 F#2:2 F#2:2 F#2:2 F#2:2 F#2:2 C#3:4", 0.5},
  });
}

}  // namespace

smf::Song TuneSong(int number) {
  switch (number) {
    case 1: return Tune1();
    case 2: return Tune2();
    case 3: return Tune3();
    case 4: return Tune4();
    case 5: return Tune5();
    case 6: return Tune6();
    case 7: return Tune7();
    default: return {};
  }
}

Bytes TuneFile(int number) {
  const smf::Song song = TuneSong(number);
  return song.tracks.empty() ? Bytes{} : smf::MidiFile(song);
}

double SongSeconds(const smf::Song& song) {
  if (song.division <= 0 || song.bpm <= 0) return 0;
  return double(smf::SongEnd(song)) / song.division * 60.0 / song.bpm;
}

}  // namespace mediagen
