// A small standard MIDI file writer: tracks of timed events, written as a
// format-1 file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace assets {

class MidiTrack {
 public:
  void Note(uint32_t tick, uint32_t length, int channel, int key, int velocity);
  void Program(uint32_t tick, int channel, int program);
  void Control(uint32_t tick, int channel, int controller, int value);
  void Tempo(uint32_t tick, double bpm);
  void TimeSignature(uint32_t tick, int numerator, int denominator_log2);
  void Name(uint32_t tick, const std::string& name);
  // The track's bytes (MTrk chunk included); the end-of-track event sits at end_tick.
  std::vector<uint8_t> Encode(uint32_t end_tick) const;

 private:
  struct Event {
    uint32_t tick;
    int order;  // at one tick: note-offs first, then the rest, then note-ons
    size_t seq;
    std::vector<uint8_t> bytes;
  };
  void Add(uint32_t tick, int order, std::vector<uint8_t> bytes);
  std::vector<Event> events_;
};

std::vector<uint8_t> EncodeMidi(const std::vector<MidiTrack>& tracks, int division, uint32_t end_tick);

}  // namespace assets
