// Small songs for the music tests, and what to measure in rendered audio.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/midi_file.h"

#include "support/temp_folder.h"

namespace testing_support {

// One second at 120 beats per minute (480 ticks a quarter): a note of a
// quarter at the start, then rest to the end of the second.
platform::MidiSong OneNoteSong();
// One second of eighth notes, each sounding 200 ticks of its 240.
platform::MidiSong EighthNotesSong();
// A hostile song: `notes` notes of a tick each, one after another, at the
// finest division and fastest tempo a file can give (32767 ticks a quarter
// note of a microsecond), so that the whole song, 2 * notes events, lasts a
// few microseconds and loops in a fraction of one synthesiser block.
platform::MidiSong FloodSong(uint32_t notes);
// A busy song that stays under the synthesiser's bound of events: notes of a
// tick, one after another, at 500 ticks a millisecond, so that every block of
// 64 frames gives it between 500 and 1000 events; `notes` / 250 milliseconds.
platform::MidiSong BusySong(uint32_t notes);
// A song whose first instant gives the synthesiser `events` events (16 or
// more): sixteen instruments, each with its program, striking notes all at
// once that end half a second later; a second long.
platform::MidiSong BurstSong(uint32_t events);


// Stereo interleaved frames [first, last) of samples: the largest magnitude.
float Peak(const std::vector<float>& samples, size_t first, size_t last);
// The first frame at or after `from` whose magnitude exceeds threshold, or
// SIZE_MAX.
size_t Onset(const std::vector<float>& samples, size_t from, float threshold);


}  // namespace testing_support
