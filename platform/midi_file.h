// Standard MIDI files: a small writer (notes to bytes) for the music we make
// ourselves, and a strict checker that every file passes before the
// synthesiser's player is allowed to parse it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform {

struct MidiNote {
  uint32_t start = 0;   // ticks from the start of the song
  uint32_t length = 0;  // ticks; a note of no length is not written
  uint8_t key = 60;
  uint8_t velocity = 100;
};

// A controller set when the part starts (7 volume, 10 pan, 91 reverb ...).
struct MidiControl {
  uint8_t controller = 0;
  uint8_t value = 0;
};

// One instrument on one channel.
struct MidiPart {
  // Spelled out so that a part may be given without its controls.
  MidiPart(uint8_t channel = 0, uint8_t program = 0, std::vector<MidiNote> notes = {},
           std::vector<MidiControl> controls = {})
      : channel(channel), program(program), notes(std::move(notes)), controls(std::move(controls)) {}

  uint8_t channel = 0;  // 0..15 (9 is percussion in General MIDI)
  uint8_t program = 0;  // General MIDI program 0..127
  std::vector<MidiNote> notes;
  std::vector<MidiControl> controls;  // after the program change, in this order
};

struct MidiSong {
  uint16_t ticks_per_quarter = 480;
  uint32_t micros_per_quarter = 500000;  // 120 beats per minute
  // Where the song ends (and a loop restarts), in ticks; 0 ends it with the
  // last note-off.
  uint32_t length = 0;
  std::vector<MidiPart> parts;
};

// Format 0 for a single part, format 1 (a tempo track, then one track per
// part) otherwise.
std::vector<uint8_t> WriteMidiFile(const MidiSong& song);

// The largest file the music player takes.
constexpr size_t MaxMidiFileBytes = 2 * 1024 * 1024;

// True when the bytes are a complete, well-formed standard MIDI file with
// something to play: header, every announced track chunk inside the file
// (with no foreign chunk before them), every event inside its chunk, lengths
// and status bytes valid, a non-zero tempo and a song longer than zero ticks.
// This is at least as strict as the player's own parser, which on a file it
// cannot read would retry it forever. Otherwise false, with the reason in
// `problem` (when given).
bool CheckMidiFile(const uint8_t* data, size_t size, std::string* problem = nullptr);

}  // namespace platform
