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
    double f = 520 + 2300 * std::exp(-t / 0.018);
    phase += f / kSoundRate;
    phase -= std::floor(phase);
    double square = phase < 0.5 ? 1.0 : -1.0, saw = 2 * phase - 1;
    double tone = 0.55 * square + 0.45 * saw;
    double noise = (rng.Unit() * 2 - 1) * std::exp(-t / 0.006);
    double env = std::min(1.0, t / 0.001) * std::exp(-t / 0.028);
    double x = (tone * 0.8 + noise * 0.6) * env;
    lp += (x - lp) * 0.55;  // takes the edge off the square wave
    v[i] = lp;
  }
  FadeTail(v, kSoundRate * 6 / 1000);
  // Quiet enough that a volley of shots over the music does not clip.
  return ToPcm(v, 0.35);
}

std::vector<int16_t> SynthExplosion() {
  const size_t n = kSoundRate * 1100 / 1000;
  std::vector<double> v(n);
  Rng rng(23);
  double lp1 = 0, lp2 = 0, phase = 0;
  for (size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kSoundRate;
    double white = rng.Unit() * 2 - 1;
    // The filter closes over time: a bright crack at once, then rumble.
    double cutoff = 0.08 + 0.7 * std::exp(-t / 0.05);
    lp1 += (white - lp1) * cutoff;
    lp2 += (lp1 - lp2) * cutoff;
    double noise_env = 0.75 * std::exp(-t / 0.07) + 0.45 * std::exp(-t / 0.4);
    double f = 32 + 70 * std::exp(-t / 0.12);
    phase += f / kSoundRate;
    double thump = std::sin(kTau * phase) * std::exp(-t / 0.3);
    double crackle = (t < 0.25 && rng.Chance(0.004f)) ? (rng.Unit() * 2 - 1) * 1.5 * (1 - t / 0.25) : 0;
    double x = lp2 * 2.6 * noise_env + thump * 0.8 + crackle;
    v[i] = std::tanh(x * 1.6);
  }
  FadeTail(v, kSoundRate * 40 / 1000);
  // Every exploding craft restarts it: it leaves room for the music.
  return ToPcm(v, 0.5);
}

bool WriteSounds(const std::string& folder) {
  if (!MakeFolder(folder)) return false;
  return platform::WriteFileBytes(folder + "/SHOT.WAV", EncodeMono16(SynthShot())) &&
         platform::WriteFileBytes(folder + "/BOM.WAV", EncodeMono16(SynthExplosion()));
}

}  // namespace assets
