// Mixing one 512-frame block of the device with the game's 2 voices and with
// 64, resampled from 22050 Hz. "block_percent" is the mixing time in percent
// of the block's own duration (512 / 44100 s).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <vector>

#include "platform/mixer.h"

namespace {

void MixBlock(benchmark::State& state) {
  const int voices = static_cast<int>(state.range(0));
  platform::OpenSoundDevice();
  std::vector<int16_t> pcm(22050);
  for (size_t i = 0; i < pcm.size(); ++i) pcm[i] = static_cast<int16_t>((i * 37) % 20000 - 10000);
  for (int v = 0; v < voices; ++v) {
    const auto bytes = static_cast<uint32_t>(pcm.size() * 2);
    const platform::SoundBuffer b = platform::CreateSoundBuffer(platform::PcmFormat{1, 22050, 16}, bytes);
    platform::WriteSoundBuffer(b, 0, pcm.data(), bytes);
    platform::SetSoundBufferVolume(b, -100 * (v % 10));
    platform::SetSoundBufferPan(b, 300 * (v % 7) - 900);
    platform::PlaySoundBuffer(b, true);
  }
  std::vector<int16_t> out(2 * platform::MixerMaxBlock);
  double mixing_seconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    platform::MixerRender(out.data(), platform::MixerMaxBlock);
    benchmark::DoNotOptimize(out.data());
    mixing_seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  const double block_seconds = static_cast<double>(platform::MixerMaxBlock) / platform::MixerRate;
  if (state.iterations() > 0)
    state.counters["block_percent"] =
        100.0 * mixing_seconds / (static_cast<double>(state.iterations()) * block_seconds);
  platform::CloseSoundDevice();
}

}  // namespace

BENCHMARK(MixBlock)->Arg(2)->Arg(64);
BENCHMARK_MAIN();
