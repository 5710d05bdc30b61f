#include "support/midi_songs.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace testing_support {

platform::MidiSong OneNoteSong() {
  platform::MidiSong song;
  song.length = 960;
  song.parts.push_back({0, 0, {{0, 480, 72, 110}}});
  return song;
}

platform::MidiSong EighthNotesSong() {
  platform::MidiSong song;
  song.length = 960;
  platform::MidiPart part{0, 0, {}};
  for (uint32_t t = 0; t < 960; t += 240) part.notes.push_back({t, 200, 67, 110});
  song.parts.push_back(part);
  return song;
}

namespace {

platform::MidiSong ShortNotes(uint16_t ticks_per_quarter, uint32_t micros_per_quarter, uint32_t notes) {
  platform::MidiSong song;
  song.ticks_per_quarter = ticks_per_quarter;
  song.micros_per_quarter = micros_per_quarter;
  platform::MidiPart part{0, 0, {}};
  for (uint32_t i = 0; i < notes; ++i) part.notes.push_back({2 * i, 1, static_cast<uint8_t>(48 + i % 36), 100});
  song.parts.push_back(part);
  return song;
}

}  // namespace

platform::MidiSong FloodSong(uint32_t notes) { return ShortNotes(0x7FFF, 1, notes); }

platform::MidiSong BusySong(uint32_t notes) { return ShortNotes(500, 1000, notes); }

platform::MidiSong BurstSong(uint32_t events) {
  platform::MidiSong song;
  song.length = 960;
  for (uint8_t ch = 0; ch < 16; ++ch) song.parts.push_back({ch, static_cast<uint8_t>(ch * 8), {}});
  for (uint32_t i = 16; i < events; ++i)
    song.parts[i % 16].notes.push_back({0, 480, static_cast<uint8_t>(36 + i / 16 % 60), 90});
  return song;
}


float Peak(const std::vector<float>& samples, size_t first, size_t last) {
  float peak = 0.0f;
  for (size_t i = 2 * first; i < 2 * last && i < samples.size(); ++i) peak = std::max(peak, std::fabs(samples[i]));
  return peak;
}

size_t Onset(const std::vector<float>& samples, size_t from, float threshold) {
  for (size_t i = 2 * from; i < samples.size(); ++i)
    if (std::fabs(samples[i]) > threshold) return i / 2;
  return SIZE_MAX;
}


}  // namespace testing_support
