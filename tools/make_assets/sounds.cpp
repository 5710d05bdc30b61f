#include "sounds.h"

#include <algorithm>
#include <cmath>

#include "files.h"
#include "platform/system.h"
#include "platform/bytes.h"
#include "platform/wave.h"
#include "rng.h"

namespace assets {

namespace {

constexpr double kTau = 6.283185307179586;

std::vector<int16_t> ToPcm(const std::vector<double>& v, double peak) {
  double m = 1e-9;
  for (double s : v) m = std::max(m, std::fabs(s));
  std::vector<int16_t> out(v.size());
  for (size_t i = 0; i < v.size(); ++i) out[i] = static_cast<int16_t>(std::lround(v[i] / m * peak * 32767.0));
  return out;
}

std::vector<uint8_t> EncodeMono16(const std::vector<int16_t>& samples) {
  platform::WaveData wave;
  wave.format = platform::WaveFormat::Pcm(kSoundRate, 1, 16);
  wave.samples.reserve(samples.size() * 2);
  for (int16_t s : samples) platform::PutLe16(wave.samples, static_cast<uint16_t>(s));
  return platform::EncodeWave(wave);
}

// Linear fade over the last n samples, so the sound ends on silence.
void FadeTail(std::vector<double>& v, size_t n) {
  n = std::min(n, v.size());
  for (size_t i = 0; i < n; ++i) v[v.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(n);
}

}  // namespace

std::vector<int16_t> SynthShot() {
  // 70 ms: the next shot cuts it after about four frames anyway.
  const size_t n = kSoundRate * 70 / 1000;
  std::vector<double> v(n);
  Rng rng(11);
  double phase = 0, lp = 0;
  for (size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kSoundRate;
    double f = 420 + 1300 * std::exp(-t / 0.016);
    phase += f / kSoundRate;
    phase -= std::floor(phase);
    // A triangle with a little sine: a soft blip rather than a buzz.
    double triangle = 1 - 4 * std::fabs(phase - 0.5);
    double tone = 0.7 * triangle + 0.3 * std::sin(kTau * phase);
    double noise = (rng.Unit() * 2 - 1) * std::exp(-t / 0.004);
    double env = std::min(1.0, t / 0.002) * std::exp(-t / 0.022);
    double x = (tone * 0.9 + noise * 0.25) * env;
    lp += (x - lp) * 0.3;  // rounds off what is left of the edges
    v[i] = lp;
  }
  FadeTail(v, kSoundRate * 8 / 1000);
  // Held fire repeats it every few frames: it stays well under the music.
  return ToPcm(v, 0.17);
}

std::vector<int16_t> SynthExplosion() {
  const size_t n = kSoundRate * 1100 / 1000;
  std::vector<double> v(n);
  Rng rng(23);
  double lp1 = 0, lp2 = 0, lp3 = 0, phase = 0;
  for (size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kSoundRate;
    double white = rng.Unit() * 2 - 1;
    // Three poles that close over time: a dull boom, then a low rumble,
    // with nothing left high enough to hiss.
    double cutoff = 0.025 + 0.17 * std::exp(-t / 0.06);
    lp1 += (white - lp1) * cutoff;
    lp2 += (lp1 - lp2) * cutoff;
    lp3 += (lp2 - lp3) * cutoff;
    double noise_env = std::min(1.0, t / 0.004) * (0.7 * std::exp(-t / 0.09) + 0.4 * std::exp(-t / 0.4));
    double f = 38 + 60 * std::exp(-t / 0.1);
    phase += f / kSoundRate;
    double thump = std::sin(kTau * phase) * std::min(1.0, t / 0.003) * std::exp(-t / 0.28);
    double x = lp3 * 4.0 * noise_env + thump * 0.9;
    v[i] = std::tanh(x * 1.2);
  }
  FadeTail(v, kSoundRate * 60 / 1000);
  // Every exploding craft restarts it: it leaves room for the music.
  return ToPcm(v, 0.28);
}

bool WriteSounds(const std::string& folder) {
  if (!MakeFolder(folder)) return false;
  return platform::WriteFileBytes(folder + "/SHOT.WAV", EncodeMono16(SynthShot())) &&
         platform::WriteFileBytes(folder + "/BOM.WAV", EncodeMono16(SynthExplosion()));
}

}  // namespace assets
