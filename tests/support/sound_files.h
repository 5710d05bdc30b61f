// Small WAV files and sound packs made by the tests themselves, in a
// temporary folder that serves as the program folder.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/wave.h"
#include "support/temp_folder.h"

namespace testing_support {

// A temporary folder set as the program folder while it lives.
class SoundFolder {
 public:
  SoundFolder();
  ~SoundFolder();
  SoundFolder(const SoundFolder&) = delete;
  SoundFolder& operator=(const SoundFolder&) = delete;
  // Full path of a name under the folder ('/' separated).
  std::string Path(const std::string& name) const { return dir_.path + name; }
  void Write(const std::string& name, const std::vector<uint8_t>& bytes) const;
  void WriteWave(const std::string& name, const platform::WaveData& wave) const { Write(name, EncodeWave(wave)); }
  std::vector<uint8_t> Read(const std::string& name) const;

 private:
  TempFolder dir_;
};

// 16-bit PCM from samples (interleaved when stereo).
platform::WaveData Pcm16(int rate, int channels, const std::vector<int16_t>& samples);
// 8-bit unsigned PCM.
platform::WaveData Pcm8(int rate, int channels, const std::vector<uint8_t>& samples);
// One entry of a sound pack as the writer lays it out.
std::vector<uint8_t> PackEntryBytes(const std::string& name, const std::vector<uint8_t>& format,
                                    const std::vector<uint8_t>& data);

// Mixes `frames` stereo frames of the mixer.
std::vector<int16_t> RenderMix(int frames);
// Left (channel 0) or right (1) samples of a rendered stereo block.
std::vector<int16_t> Channel(const std::vector<int16_t>& stereo, int channel);

}  // namespace testing_support
