// The MIDI file checker, and behind it the player: whatever the checker lets
// through is played for a moment, so a file that would trouble the player
// (a crash, a hang, a read out of bounds) shows up here.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/midi_file.h"
#include "platform/midi_sequencer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string problem;
  if (!platform::CheckMidiFile(data, size, &problem)) return 0;

  static platform::MidiSequencer* const sequencer = [] {
    platform::SetSoundFontPaths({"/nonexistent/fuzz.sf2"});  // timing only, fast
    return new platform::MidiSequencer;
  }();
  if (!sequencer->Open(std::vector<uint8_t>(data, data + size), &problem)) return 0;
  sequencer->Play(0);
  std::vector<float> block(2 * 512);
  for (int i = 0; i < 8; ++i) sequencer->Render(block.data(), 512, 44100);
  sequencer->Close();
  return 0;
}
