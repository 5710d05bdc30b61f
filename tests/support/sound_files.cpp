#include "support/sound_files.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/bytes.h"
#include "platform/mixer.h"
#include "platform/system.h"

namespace testing_support {

SoundFolder::SoundFolder() { platform::SetProgramFolder(dir_.path); }

SoundFolder::~SoundFolder() { platform::SetProgramFolder(""); }

void SoundFolder::Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
  WriteBytes(Path(name), bytes);
}

std::vector<uint8_t> SoundFolder::Read(const std::string& name) const {
  std::ifstream in(Path(name), std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

platform::WaveData Pcm16(int rate, int channels, const std::vector<int16_t>& samples) {
  platform::WaveData w;
  w.format = platform::WaveFormat::Pcm(static_cast<uint32_t>(rate), static_cast<uint16_t>(channels), 16);
  w.samples.resize(samples.size() * 2);
  if (!samples.empty()) std::memcpy(w.samples.data(), samples.data(), w.samples.size());
  return w;
}

platform::WaveData Pcm8(int rate, int channels, const std::vector<uint8_t>& samples) {
  platform::WaveData w;
  w.format = platform::WaveFormat::Pcm(static_cast<uint32_t>(rate), static_cast<uint16_t>(channels), 8);
  w.samples = samples;
  return w;
}

std::vector<uint8_t> PackEntryBytes(const std::string& name, const std::vector<uint8_t>& format,
                                    const std::vector<uint8_t>& data) {
  std::vector<uint8_t> v;
  v.reserve(9 + name.size() + format.size() + data.size());
  platform::PutLe32(v, static_cast<uint32_t>(data.size()));
  v.insert(v.end(), name.begin(), name.end());
  v.push_back(0);
  platform::PutLe32(v, static_cast<uint32_t>(format.size()));
  v.insert(v.end(), format.begin(), format.end());
  v.insert(v.end(), data.begin(), data.end());
  return v;
}

std::vector<int16_t> RenderMix(int frames) {
  std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
  platform::MixerRender(out.data(), frames);
  return out;
}

std::vector<int16_t> Channel(const std::vector<int16_t>& stereo, int channel) {
  std::vector<int16_t> out;
  out.reserve(stereo.size() / 2);
  for (size_t i = static_cast<size_t>(channel); i < stereo.size(); i += 2) out.push_back(stereo[i]);
  return out;
}

}  // namespace testing_support
