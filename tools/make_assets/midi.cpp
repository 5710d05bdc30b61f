#include "midi.h"

#include <algorithm>
#include <cmath>

namespace assets {

namespace {

void PutVarLen(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t buf[5];
  int n = 0;
  buf[n++] = static_cast<uint8_t>(v & 0x7F);
  while (v >>= 7) buf[n++] = static_cast<uint8_t>((v & 0x7F) | 0x80);
  while (n > 0) out.push_back(buf[--n]);
}

void PutBig(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
}

uint8_t Clamp7(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 127)); }

}  // namespace

void MidiTrack::Add(uint32_t tick, int order, std::vector<uint8_t> bytes) {
  events_.push_back({tick, order, events_.size(), std::move(bytes)});
}

void MidiTrack::Note(uint32_t tick, uint32_t length, int channel, int key, int velocity) {
  if (length == 0) return;
  uint8_t ch = static_cast<uint8_t>(channel & 0x0F);
  Add(tick, 2, {static_cast<uint8_t>(0x90 | ch), Clamp7(key), static_cast<uint8_t>(std::clamp(velocity, 1, 127))});
  Add(tick + length, 0, {static_cast<uint8_t>(0x80 | ch), Clamp7(key), 0});
}

void MidiTrack::Program(uint32_t tick, int channel, int program) {
  Add(tick, 1, {static_cast<uint8_t>(0xC0 | (channel & 0x0F)), Clamp7(program)});
}

void MidiTrack::Control(uint32_t tick, int channel, int controller, int value) {
  Add(tick, 1, {static_cast<uint8_t>(0xB0 | (channel & 0x0F)), Clamp7(controller), Clamp7(value)});
}

void MidiTrack::Tempo(uint32_t tick, double bpm) {
  uint32_t us = static_cast<uint32_t>(std::lround(60000000.0 / bpm));
  Add(tick, 1, {0xFF, 0x51, 0x03, static_cast<uint8_t>(us >> 16), static_cast<uint8_t>(us >> 8), static_cast<uint8_t>(us)});
}

void MidiTrack::TimeSignature(uint32_t tick, int numerator, int denominator_log2) {
  Add(tick, 1, {0xFF, 0x58, 0x04, Clamp7(numerator), Clamp7(denominator_log2), 24, 8});
}

void MidiTrack::Name(uint32_t tick, const std::string& name) {
  std::vector<uint8_t> b{0xFF, 0x03};
  PutVarLen(b, static_cast<uint32_t>(name.size()));
  for (char ch : name) b.push_back(static_cast<uint8_t>(ch));
  Add(tick, 1, std::move(b));
}

std::vector<uint8_t> MidiTrack::Encode(uint32_t end_tick) const {
  std::vector<Event> sorted;
  for (Event e : events_) {
    if (e.tick > end_tick) {
      if (e.order != 0) continue;  // nothing starts past the loop point
      e.tick = end_tick;           // and whatever sounds is released there
    }
    sorted.push_back(std::move(e));
  }
  std::sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    if (a.tick != b.tick) return a.tick < b.tick;
    if (a.order != b.order) return a.order < b.order;
    return a.seq < b.seq;
  });
  std::vector<uint8_t> body;
  uint32_t now = 0;
  for (const Event& e : sorted) {
    PutVarLen(body, e.tick - now);
    body.insert(body.end(), e.bytes.begin(), e.bytes.end());
    now = e.tick;
  }
  PutVarLen(body, end_tick - now);
  body.push_back(0xFF), body.push_back(0x2F), body.push_back(0x00);
  std::vector<uint8_t> out{'M', 'T', 'r', 'k'};
  PutBig(out, static_cast<uint32_t>(body.size()), 4);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

std::vector<uint8_t> EncodeMidi(const std::vector<MidiTrack>& tracks, int division, uint32_t end_tick) {
  std::vector<uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  PutBig(out, static_cast<uint32_t>(tracks.size()), 2);
  PutBig(out, static_cast<uint32_t>(division), 2);
  for (const MidiTrack& t : tracks) {
    std::vector<uint8_t> chunk = t.Encode(end_tick);
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

}  // namespace assets
