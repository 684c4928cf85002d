// generators/smf.cpp
#include "smf.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace mediagen::smf {

namespace {

struct Event {
  int tick;
  int order;  // at one tick: set-up first, then note ends, then note starts
  std::vector<std::uint8_t> bytes;
};

void VarLen(ByteWriter& out, std::uint32_t v) {
  std::uint8_t buf[5];
  int n = 0;
  buf[n++] = v & 0x7F;
  while (v >>= 7) buf[n++] = static_cast<std::uint8_t>(0x80 | (v & 0x7F));
  while (n > 0) out.U8(buf[--n]);
}

Event Meta(int tick, std::uint8_t type, std::vector<std::uint8_t> data) {
  std::vector<std::uint8_t> b{0xFF, type};
  // Meta lengths here stay below 128, a one-byte variable-length number.
  b.push_back(static_cast<std::uint8_t>(data.size()));
  b.insert(b.end(), data.begin(), data.end());
  return {tick, 0, std::move(b)};
}

Event TextMeta(std::uint8_t type, const std::string& text) {
  const std::size_t n = std::min<std::size_t>(text.size(), 127);
  return Meta(0, type, std::vector<std::uint8_t>(text.begin(), text.begin() + n));
}

void ConductorEvents(const Song& s, std::vector<Event>& events) {
  const std::uint32_t usPerQuarter = static_cast<std::uint32_t>(60'000'000 / s.bpm);
  events.push_back(Meta(0, 0x58, {static_cast<std::uint8_t>(s.beatsPerBar), 2, 24, 8}));
  events.push_back(Meta(0, 0x51, {static_cast<std::uint8_t>(usPerQuarter >> 16),
                                  static_cast<std::uint8_t>(usPerQuarter >> 8),
                                  static_cast<std::uint8_t>(usPerQuarter)}));
}

bool PartEvents(const Part& p, std::vector<Event>& events) {
  if (p.channel < 0 || p.channel > 15) return false;
  const std::uint8_t ch = static_cast<std::uint8_t>(p.channel);
  auto byte = [](int v) { return static_cast<std::uint8_t>(v & 0x7F); };
  if (p.channel != 9) events.push_back({0, 0, {static_cast<std::uint8_t>(0xC0 | ch), byte(p.program)}});
  events.push_back({0, 0, {static_cast<std::uint8_t>(0xB0 | ch), 7, byte(p.volume)}});
  events.push_back({0, 0, {static_cast<std::uint8_t>(0xB0 | ch), 10, byte(p.pan)}});
  for (const Note& n : p.notes) {
    if (n.key < 0 || n.key > 127 || n.velocity < 1 || n.velocity > 127 || n.start < 0 ||
        n.length < 1)
      return false;
    const std::uint8_t on = static_cast<std::uint8_t>(0x90 | ch);
    const std::uint8_t key = static_cast<std::uint8_t>(n.key);
    events.push_back({n.start, 2, {on, key, static_cast<std::uint8_t>(n.velocity)}});
    events.push_back({n.start + n.length, 1, {on, key, 0}});
  }
  return true;
}

Bytes TrackChunk(std::vector<Event> events, int endTick) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  ByteWriter out;
  out.Tag("MTrk");
  out.U32BE(0);
  int now = 0;
  std::uint8_t running = 0;
  for (const Event& e : events) {
    VarLen(out, static_cast<std::uint32_t>(e.tick - now));
    now = e.tick;
    std::size_t from = 0;
    if (e.bytes[0] == 0xFF) {
      running = 0;  // meta events cancel running status
    } else if (e.bytes[0] == running) {
      from = 1;
    } else {
      running = e.bytes[0];
    }
    for (std::size_t i = from; i < e.bytes.size(); ++i) out.U8(e.bytes[i]);
  }
  VarLen(out, static_cast<std::uint32_t>(std::max(0, endTick - now)));
  out.U8(0xFF); out.U8(0x2F); out.U8(0x00);
  out.PatchU32BE(4, static_cast<std::uint32_t>(out.Size() - 8));
  return out.Take();
}

std::optional<int> KeyOf(std::string_view name) {
  static constexpr int kPitch[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') return std::nullopt;
  int key = kPitch[name[0] - 'A'];
  std::size_t i = 1;
  if (name[i] == '#') ++key, ++i;
  else if (name[i] == 'b') --key, ++i;
  bool negative = false;
  if (i < name.size() && name[i] == '-') negative = true, ++i;
  if (i + 1 != name.size() || name[i] < '0' || name[i] > '9') return std::nullopt;
  const int octave = (negative ? -1 : 1) * (name[i] - '0');
  key += 12 * (octave + 1);
  if (key < 0 || key > 127) return std::nullopt;
  return key;
}

// Calls `each(keys, start, length)` per token; false when one does not read.
template <typename F>
bool WalkScore(std::string_view score, int division, F each) {
  const int sixteenth = division / 4;
  int tick = 0;
  std::size_t pos = 0;
  while (pos < score.size()) {
    if (score[pos] == ' ' || score[pos] == '|' || score[pos] == '\n') { ++pos; continue; }
    std::size_t end = score.find_first_of(" |\n", pos);
    if (end == std::string_view::npos) end = score.size();
    const std::string_view token = score.substr(pos, end - pos);
    pos = end;
    const std::size_t colon = token.find(':');
    if (colon == std::string_view::npos) return false;
    int steps = 0;
    for (char c : token.substr(colon + 1)) {
      if (c < '0' || c > '9') return false;
      steps = steps * 10 + (c - '0');
    }
    if (steps <= 0 || steps > 256) return false;
    std::vector<int> keys;
    const std::string_view names = token.substr(0, colon);
    if (names != "r") {
      std::size_t from = 0;
      while (from <= names.size()) {
        std::size_t plus = names.find('+', from);
        if (plus == std::string_view::npos) plus = names.size();
        const std::optional<int> key = KeyOf(names.substr(from, plus - from));
        if (!key) return false;
        keys.push_back(*key);
        from = plus + 1;
      }
    }
    each(keys, tick, steps * sixteenth);
    tick += steps * sixteenth;
  }
  return true;
}

}  // namespace

std::vector<Note> ParseScore(std::string_view score, int division, int velocity, double gate) {
  std::vector<Note> notes;
  const bool ok = WalkScore(score, division, [&](const std::vector<int>& keys, int start, int length) {
    const int sounding = std::max(1, static_cast<int>(std::lround(length * gate)));
    for (int key : keys) notes.push_back({start, sounding, key, velocity});
  });
  return ok ? notes : std::vector<Note>{};
}

int ScoreTicks(std::string_view score, int division) {
  int total = 0;
  const bool ok = WalkScore(score, division, [&](const std::vector<int>&, int start, int length) {
    total = start + length;
  });
  return ok ? total : 0;
}

int SongEnd(const Song& song) {
  if (song.endTick > 0) return song.endTick;
  int end = 0;
  for (const Track& t : song.tracks)
    for (const Part& p : t.parts)
      for (const Note& n : p.notes) end = std::max(end, n.start + n.length);
  return end;
}

Bytes MidiFile(const Song& song) {
  if ((song.format != 0 && song.format != 1) || song.tracks.empty() ||
      (song.format == 0 && song.tracks.size() != 1) || song.division < 4 || song.division > 0x7FFF ||
      song.bpm < 4)
    return {};
  const int end = SongEnd(song);
  std::vector<Bytes> chunks;
  if (song.format == 1) {
    std::vector<Event> conductor{TextMeta(0x03, song.title)};
    ConductorEvents(song, conductor);
    chunks.push_back(TrackChunk(std::move(conductor), end));
  }
  for (const Track& t : song.tracks) {
    std::vector<Event> events{TextMeta(0x03, song.format == 0 ? song.title : t.name)};
    if (song.format == 0) ConductorEvents(song, events);
    for (const Part& p : t.parts)
      if (!PartEvents(p, events)) return {};
    chunks.push_back(TrackChunk(std::move(events), end));
  }
  ByteWriter out;
  out.Tag("MThd");
  out.U32BE(6);
  out.U16BE(song.format);
  out.U16BE(static_cast<std::uint32_t>(chunks.size()));
  out.U16BE(song.division);
  for (const Bytes& c : chunks) out.Append(c);
  return out.Take();
}

}  // namespace mediagen::smf
