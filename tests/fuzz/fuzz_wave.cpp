// Any bytes given to the WAVE reader: a parse or a clean failure, and a
// parsed sample can be handed to a buffer and mixed.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/mixer.h"
#include "platform/wave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool opened = platform::OpenSoundDevice();
  platform::WaveData wave;
  if (!platform::ParseWave(data, size, wave)) return 0;
  const std::vector<uint8_t> block = wave.format.EncodeBlock();
  platform::WaveFormat again;
  if (!platform::WaveFormat::DecodeBlock(block.data(), block.size(), again)) __builtin_trap();
  const platform::PcmFormat pcm{wave.format.channels, static_cast<int>(wave.format.samples_per_sec),
                                wave.format.bits_per_sample};
  if (!opened || wave.format.format_tag != platform::WaveFormatPcm || wave.samples.size() > (1u << 20)) return 0;
  const auto bytes = static_cast<uint32_t>(wave.samples.size());
  if (const platform::SoundBuffer b = platform::CreateSoundBuffer(pcm, bytes)) {
    platform::WriteSoundBuffer(b, 0, wave.samples.data(), bytes);
    platform::SetSoundBufferFrequency(b, static_cast<int>(wave.format.avg_bytes_per_sec % 100000));
    platform::PlaySoundBuffer(b, wave.format.block_align & 1);
    int16_t out[2 * 256];
    platform::MixerRender(out, 256);
    platform::ReleaseSoundBuffer(b);
  }
  return 0;
}
