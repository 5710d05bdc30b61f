// The sequencer rendering one 512-frame block of the mixer with the General
// MIDI soundfont, for a busy song of our kind, for a song that keeps the
// synthesiser near its bound of events in every block, for the block in which
// the largest burst that is not a flood starts (a block's share of events and
// a full backlog at one instant), and for the block in which a 2 MB flood
// starts (262,000 notes a tick apart at the finest division and fastest
// tempo, a song some 16 microseconds long) and is stopped.
// "block_percent" is the rendering time in percent of the block's own
// duration (512 / 44100 s); "synth_block_ms" is the mean time of one
// synthesiser block of 64 frames in it, which is as long as a command may
// have to wait for the sequencer.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

#include "platform/midi_file.h"
#include "platform/midi_sequencer.h"
#include "platform/mixer.h"
#include "support/midi_songs.h"

namespace {

constexpr int Block = platform::MixerMaxBlock;

// Sixteen instruments striking a chord of a dozen notes on every beat.
platform::MidiSong ChordsSong() {
  platform::MidiSong song;
  song.length = 8 * 480;
  for (uint8_t ch = 0; ch < 16; ++ch) {
    platform::MidiPart part{ch, static_cast<uint8_t>(ch * 8), {}, {{7, 100}, {10, 64}}};
    for (uint32_t beat = 0; beat < 8; ++beat)
      for (uint8_t k = 0; k < 12; ++k) part.notes.push_back({beat * 480, 400, static_cast<uint8_t>(48 + 3 * k), 90});
    song.parts.push_back(part);
  }
  return song;
}

// Renders a block of the song each time round, from its start again when
// `restart` is set; the song stays open throughout.
void Render(benchmark::State& state, const platform::MidiSong& song, bool restart) {
  const std::vector<uint8_t> file = platform::WriteMidiFile(song);
  if (!platform::CheckMidiFile(file.data(), file.size())) {
    state.SkipWithError("the song does not pass the checker");
    return;
  }
  platform::MidiSequencer sequencer;
  if (!sequencer.Open(file, nullptr) || !sequencer.HasSoundFont()) {
    state.SkipWithError("no synthesiser or no General MIDI soundfont");
    return;
  }
  sequencer.Play(0);
  std::vector<float> out(2 * Block);
  double seconds = 0;
  for (auto _ : state) {
    if (restart) {
      state.PauseTiming();
      sequencer.SeekToStart();
      sequencer.Play(0);
      state.ResumeTiming();
    }
    std::fill(out.begin(), out.end(), 0.0f);
    const auto start = std::chrono::steady_clock::now();
    sequencer.Render(out.data(), Block, platform::MixerRate);
    benchmark::DoNotOptimize(out.data());
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  const double iterations = static_cast<double>(state.iterations());
  if (iterations > 0) {
    const double block_seconds = static_cast<double>(Block) / platform::MixerRate;
    state.counters["block_percent"] = 100.0 * seconds / (iterations * block_seconds);
    state.counters["synth_block_ms"] = 1000.0 * seconds / iterations / (Block / 64);
  }
  sequencer.Close();
}

void Chords(benchmark::State& state) { Render(state, ChordsSong(), false); }
// 500 ticks a millisecond: note-ons and note-offs a tick apart give the
// synthesiser 500 to 1000 events a block (the player moves on by whole
// milliseconds) for a second.
void NearTheBound(benchmark::State& state) { Render(state, testing_support::BusySong(250000), false); }
// MaxBlockEvents + MaxBacklogEvents events at the first instant, nearly all
// of them note-ons: the mixer's block gives the synthesiser 8 blocks' share
// of them, 8192, and the last 1024 are given in the next.
void LargestBurst(benchmark::State& state) {
  Render(state, testing_support::BurstSong(platform::MaxBlockEvents + platform::MaxBacklogEvents), true);
}
// 2,096,044 bytes, about the largest flood the checker lets in.
void FloodStart(benchmark::State& state) { Render(state, testing_support::FloodSong(262000), true); }

}  // namespace

// Within the songs' first pass: four seconds of chords, one near the bound.
BENCHMARK(Chords)->Iterations(200);
BENCHMARK(NearTheBound)->Iterations(40);
BENCHMARK(LargestBurst)->Iterations(20);
BENCHMARK(FloodStart)->Iterations(20);
BENCHMARK_MAIN();
