#include "platform/midi_file.h"

#include <algorithm>

#include "platform/bytes.h"

namespace platform {
namespace {

// Tick positions stay well inside an int, which is what the player counts in.
constexpr uint64_t MaxTick = 0x0FFFFFFF;
// The player reads the track count's low byte as a signed char, so 128 or more
// would turn into no tracks at all.
constexpr size_t MaxTracks = 127;

struct TimedEvent {
  uint32_t tick;
  int order;  // at one tick: set-up first, then note-offs, then note-ons
  uint8_t bytes[6];
  uint8_t size;
};

void AppendChunk(std::vector<uint8_t>& out, std::vector<TimedEvent> events, uint32_t end_tick) {
  std::stable_sort(events.begin(), events.end(), [](const TimedEvent& a, const TimedEvent& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<uint8_t> body;
  uint32_t now = 0;
  for (const TimedEvent& e : events) {
    PutVarLen(body, e.tick - now);
    now = e.tick;
    body.insert(body.end(), e.bytes, e.bytes + e.size);
  }
  PutVarLen(body, std::max(end_tick, now) - now);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  out.insert(out.end(), {'M', 'T', 'r', 'k'});
  PutBe32(out, static_cast<uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
}

TimedEvent TempoEvent(uint32_t micros) {
  micros = std::clamp<uint32_t>(micros, 1, 0xFFFFFF);
  return TimedEvent{0, 0, {0xFF, 0x51, 0x03, uint8_t(micros >> 16), uint8_t(micros >> 8), uint8_t(micros)}, 6};
}

uint32_t ClampTick(uint64_t t) { return static_cast<uint32_t>(std::min(t, MaxTick)); }

// The part's events; also raises last_tick to its last note-off.
std::vector<TimedEvent> PartEvents(const MidiPart& part, uint32_t& last_tick) {
  const uint8_t ch = part.channel & 0x0F;
  std::vector<TimedEvent> events;
  events.push_back(TimedEvent{0, 0, {uint8_t(0xC0 | ch), uint8_t(part.program & 0x7F)}, 2});
  for (const MidiControl& c : part.controls)
    events.push_back(TimedEvent{0, 0, {uint8_t(0xB0 | ch), uint8_t(c.controller & 0x7F), uint8_t(c.value & 0x7F)}, 3});
  for (const MidiNote& n : part.notes) {
    const uint32_t on = ClampTick(n.start);
    const uint32_t off = ClampTick(uint64_t{n.start} + n.length);
    // A note of no length (or cut to none at the longest song) is left out:
    // its note-off would sort before its note-on and leave it sounding.
    if (off == on) continue;
    const uint8_t key = n.key & 0x7F;
    const uint8_t velocity = std::clamp<uint8_t>(n.velocity & 0x7F, 1, 127);
    events.push_back(TimedEvent{on, 2, {uint8_t(0x90 | ch), key, velocity}, 3});
    events.push_back(TimedEvent{off, 1, {uint8_t(0x80 | ch), key, 0x40}, 3});
    last_tick = std::max(last_tick, off);
  }
  return events;
}

// Reads a variable-length quantity of at most four bytes inside [p, end).
bool ReadVarLen(const uint8_t*& p, const uint8_t* end, uint32_t& value) {
  value = 0;
  for (int i = 0; i < 4; ++i) {
    if (p >= end) return false;
    const uint8_t b = *p++;
    value = (value << 7) | (b & 0x7F);
    if (!(b & 0x80)) return true;
  }
  return false;
}

bool Fail(std::string* problem, const char* why) {
  if (problem) *problem = why;
  return false;
}

// Walks one track's events; `song_end` is raised to the length the player
// sees in this track: the tick of its last channel message, tempo change or
// end of track. The player drops the other meta events (their delta times
// carry over to the next event it keeps), so a song whose time lies only in
// those would be empty for it, and an empty song makes it loop on the spot
// for ever.
bool CheckTrack(const uint8_t* p, const uint8_t* end, uint64_t& song_end, std::string* problem) {
  uint64_t tick = 0;
  int running = 0;  // the running status; 0 when none applies
  const auto keep = [&] { song_end = std::max(song_end, tick); };
  while (p < end) {
    uint32_t delta;
    if (!ReadVarLen(p, end, delta)) return Fail(problem, "bad delta time");
    tick += delta;
    if (tick > MaxTick) return Fail(problem, "song too long");
    if (p >= end) return Fail(problem, "event cut off at the end of its track");
    int status = *p;
    if (status & 0x80) {
      ++p;
    } else if (running) {
      status = running;
    } else {
      return Fail(problem, "data byte without a status");
    }

    if (status == 0xFF) {  // meta event
      running = 0;
      if (p >= end) return Fail(problem, "meta event cut off");
      const uint8_t type = *p++;
      uint32_t length;
      if (!ReadVarLen(p, end, length) || length > static_cast<size_t>(end - p))
        return Fail(problem, "meta event runs past its track");
      const uint8_t* data = p;
      p += length;
      struct FixedLength {
        uint8_t type;
        uint32_t length;
      };
      static constexpr FixedLength kFixed[] = {{0x2F, 0}, {0x51, 3}, {0x54, 5}, {0x58, 4}, {0x59, 2}};
      for (const FixedLength& f : kFixed)
        if (type == f.type && length != f.length) return Fail(problem, "meta event of the wrong length");
      if (type == 0x51 && (data[0] | data[1] | data[2]) == 0) return Fail(problem, "tempo of zero");
      if (type == 0x51) keep();
      if (type == 0x2F) {
        keep();
        return true;  // the rest of the chunk is ignored
      }
    } else if (status == 0xF0) {  // system exclusive
      running = 0;
      uint32_t length;
      if (!ReadVarLen(p, end, length) || length > static_cast<size_t>(end - p))
        return Fail(problem, "system exclusive runs past its track");
      p += length;
    } else if (status >= 0xF0) {
      return Fail(problem, "unsupported system message");
    } else {  // channel message
      running = status;
      const int type = status & 0xF0;
      const int data_bytes = (type == 0xC0 || type == 0xD0) ? 1 : 2;
      if (end - p < data_bytes) return Fail(problem, "channel message cut off");
      for (int i = 0; i < data_bytes; ++i)
        if (*p++ & 0x80) return Fail(problem, "channel message data out of range");
      keep();
    }
  }
  return true;
}

}  // namespace

std::vector<uint8_t> WriteMidiFile(const MidiSong& song) {
  const unsigned division = std::clamp<unsigned>(song.ticks_per_quarter, 1, 0x7FFF);
  const size_t parts = std::min(song.parts.size(), MaxTracks - 1);  // and the tempo track
  uint32_t last_tick = 0;
  std::vector<std::vector<TimedEvent>> tracks;
  for (size_t i = 0; i < parts; ++i) tracks.push_back(PartEvents(song.parts[i], last_tick));
  const uint32_t end_tick = song.length ? ClampTick(song.length) : last_tick;

  std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
  if (tracks.size() <= 1) {
    PutBe16(out, 0);
    PutBe16(out, 1);
    PutBe16(out, division);
    std::vector<TimedEvent> events = tracks.empty() ? std::vector<TimedEvent>{} : tracks[0];
    events.insert(events.begin(), TempoEvent(song.micros_per_quarter));
    AppendChunk(out, events, end_tick);
  } else {
    PutBe16(out, 1);
    PutBe16(out, static_cast<unsigned>(tracks.size() + 1));
    PutBe16(out, division);
    AppendChunk(out, {TempoEvent(song.micros_per_quarter)}, end_tick);
    for (const auto& t : tracks) AppendChunk(out, t, end_tick);
  }
  return out;
}

bool CheckMidiFile(const uint8_t* data, size_t size, std::string* problem) {
  if (!data || size < 14) return Fail(problem, "too short for a MIDI file");
  if (size > MaxMidiFileBytes) return Fail(problem, "file too large");
  if (data[0] != 'M' || data[1] != 'T' || data[2] != 'h' || data[3] != 'd')
    return Fail(problem, "not a MIDI file");
  if (GetBe32(data + 4) != 6) return Fail(problem, "unexpected header length");
  const unsigned format = GetBe16(data + 8);
  const unsigned tracks = GetBe16(data + 10);
  const unsigned division = GetBe16(data + 12);
  if (format > 2) return Fail(problem, "unknown format");
  if (tracks == 0 || tracks > MaxTracks) return Fail(problem, "unsupported number of tracks");
  if (format == 0 && tracks != 1) return Fail(problem, "format 0 with more than one track");
  if (division & 0x8000) return Fail(problem, "time code division is not supported");
  if (division == 0) return Fail(problem, "division of zero");

  const uint8_t* p = data + 14;
  const uint8_t* const end = data + size;
  uint64_t song_end = 0;
  unsigned found = 0;
  while (found < tracks) {
    if (end - p < 8) return Fail(problem, "track chunk missing");
    // The player cannot step over foreign chunks between the tracks it reads.
    if (p[0] != 'M' || p[1] != 'T' || p[2] != 'r' || p[3] != 'k') return Fail(problem, "unexpected chunk");
    const uint32_t length = GetBe32(p + 4);
    p += 8;
    if (length > static_cast<size_t>(end - p)) return Fail(problem, "track runs past the end of the file");
    if (!CheckTrack(p, p + length, song_end, problem)) return false;
    ++found;
    p += length;
  }
  if (song_end == 0) return Fail(problem, "nothing to play");
  return true;
}

}  // namespace platform
