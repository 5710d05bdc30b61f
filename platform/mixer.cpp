#include "platform/mixer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <numbers>
#include <thread>
#include <vector>

#include "platform/music_source.h"
#include "platform/wave.h"

namespace platform {
namespace {

struct Voice {
  PcmFormat format;
  uint32_t block = 0;
  std::vector<uint8_t> data;
  uint32_t frames = 0;  // whole frames in data
  bool playing = false;
  bool looping = false;
  uint64_t position = 0;  // frames, 32.32 fixed point
  uint64_t step = 0;      // frames advanced per output frame, 32.32
  int frequency = 0;
  int volume = 0;
  int pan = 0;
  float gain_left = 1.0f;
  float gain_right = 1.0f;
};

struct Slot {
  std::unique_ptr<Voice> voice;
  uint16_t generation = 1;
};

// One lock guards every voice: the output thread holds it while it mixes a
// block, and the game's calls hold it while they change a buffer. It is
// recursive so that a locked buffer's owner may still query the mixer.
std::recursive_mutex g_mutex;
std::vector<Slot> g_slots;
std::vector<uint32_t> g_free;
AudioOutput* g_output = nullptr;
bool g_open = false;
bool g_output_running = false;
int g_locked = 0;  // buffers locked by LockSoundBuffer, not yet unlocked
PcmFormat g_primary{2, MixerRate, 16};
std::vector<float> g_mix;  // float mix of one block, reused

constexpr int kIndexBits = 16;
constexpr uint32_t kIndexMask = (1u << kIndexBits) - 1;

Voice* Find(SoundBuffer handle) {
  const uint32_t index = handle & kIndexMask;
  if (index == 0 || index > g_slots.size()) return nullptr;
  Slot& slot = g_slots[index - 1];
  if (!slot.voice || slot.generation != (handle >> kIndexBits)) return nullptr;
  return slot.voice.get();
}

float Gain(int hundredths_db) { return static_cast<float>(std::pow(10.0, hundredths_db / 2000.0)); }

void UpdateGains(Voice& v) {
  const float gain = Gain(v.volume);
  // The side the pan moves away from is attenuated by the pan's amount.
  v.gain_left = gain * (v.pan > 0 ? Gain(-v.pan) : 1.0f);
  v.gain_right = gain * (v.pan < 0 ? Gain(v.pan) : 1.0f);
}

void UpdateStep(Voice& v) { v.step = (static_cast<uint64_t>(v.frequency) << 32) / MixerRate; }

uint8_t SilenceByte(const PcmFormat& f) { return f.bits == 8 ? 0x80 : 0x00; }

void ReleaseAllLocked() {
  for (Slot& slot : g_slots) {
    if (slot.voice) {
      slot.voice.reset();
      ++slot.generation;
    }
  }
  g_free.clear();
  for (uint32_t i = static_cast<uint32_t>(g_slots.size()); i > 0; --i) g_free.push_back(i);
}

// Reads frame i of a voice as two floats at full scale +-1.
template <int Bits, int Channels>
inline void Frame(const uint8_t* data, uint32_t i, float& l, float& r) {
  if constexpr (Bits == 8) {
    const uint8_t* p = data + static_cast<size_t>(i) * Channels;
    l = (static_cast<int>(p[0]) - 128) * (1.0f / 128.0f);
    r = Channels == 2 ? (static_cast<int>(p[1]) - 128) * (1.0f / 128.0f) : l;
  } else {
    const uint8_t* p = data + static_cast<size_t>(i) * 2 * Channels;
    int16_t s0, s1;
    std::memcpy(&s0, p, 2);
    l = s0 * (1.0f / 32768.0f);
    if constexpr (Channels == 2) {
      std::memcpy(&s1, p + 2, 2);
      r = s1 * (1.0f / 32768.0f);
    } else {
      r = l;
    }
  }
}

// Adds the voice into out, interpolating linearly between frames; a one-shot
// voice stops at its end and its cursor goes back to the start.
template <int Bits, int Channels>
void MixVoice(Voice& v, float* out, int frames) {
  const uint8_t* data = v.data.data();
  const uint32_t count = v.frames;
  const uint64_t end = static_cast<uint64_t>(count) << 32;
  uint64_t pos = v.position;
  const uint64_t step = v.step;
  const float gl = v.gain_left, gr = v.gain_right;
  for (int n = 0; n < frames; ++n) {
    if (pos >= end) {
      if (!v.looping) {
        v.playing = false;
        pos = 0;
        break;
      }
      pos %= end;
    }
    const uint32_t i = static_cast<uint32_t>(pos >> 32);
    float l0, r0;
    Frame<Bits, Channels>(data, i, l0, r0);
    const uint32_t frac = static_cast<uint32_t>(pos);
    if (frac != 0) {
      uint32_t j = i + 1;
      if (j >= count) j = v.looping ? 0 : i;
      float l1, r1;
      Frame<Bits, Channels>(data, j, l1, r1);
      const float t = static_cast<float>(frac) * (1.0f / 4294967296.0f);
      l0 += (l1 - l0) * t;
      r0 += (r1 - r0) * t;
    }
    out[2 * n] += l0 * gl;
    out[2 * n + 1] += r0 * gr;
    pos += step;
  }
  if (v.playing && pos >= end) {
    if (v.looping) {
      pos %= end;
    } else {
      v.playing = false;
      pos = 0;
    }
  }
  v.position = pos;
}

void Mix(Voice& v, float* out, int frames) {
  if (v.format.bits == 8) {
    if (v.format.channels == 1) MixVoice<8, 1>(v, out, frames);
    else MixVoice<8, 2>(v, out, frames);
  } else {
    if (v.format.channels == 1) MixVoice<16, 1>(v, out, frames);
    else MixVoice<16, 2>(v, out, frames);
  }
}

}  // namespace

bool PcmFormat::Valid() const {
  return (channels == 1 || channels == 2) && (bits == 8 || bits == 16) && rate >= FrequencyMin &&
         rate <= FrequencyMax;
}

void SetAudioOutput(AudioOutput* output) {
  CloseSoundDevice();
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  g_output = output;
}

bool OpenSoundDevice() {
  CloseSoundDevice();
  AudioOutput* output = nullptr;
  {
    std::lock_guard<std::recursive_mutex> lock(g_mutex);
    output = g_output;
    g_primary = PcmFormat{2, MixerRate, 16};
    g_open = true;
  }
  // The output thread takes the lock as soon as it starts, so it is started
  // outside it.
  if (output && !output->Start()) {
    std::lock_guard<std::recursive_mutex> lock(g_mutex);
    g_open = false;
    return false;
  }
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  g_output_running = output != nullptr;
  return true;
}

void CloseSoundDevice() {
  AudioOutput* running = nullptr;
  {
    std::lock_guard<std::recursive_mutex> lock(g_mutex);
    if (g_output_running) running = g_output;
    g_output_running = false;
  }
  if (running) running->Stop();
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  ReleaseAllLocked();
  g_open = false;
}

bool SoundDeviceOpen() {
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  return g_open;
}

bool SetPrimaryFormat(int channels, int rate, int bits) {
  const PcmFormat f{channels, rate, bits};
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  if (!g_open || !f.Valid()) return false;
  g_primary = f;
  return true;
}

SoundBuffer CreateSoundBuffer(const PcmFormat& format, uint32_t bytes) {
  if (!format.Valid()) return 0;
  const uint32_t block = static_cast<uint32_t>(format.BlockAlign());
  if (bytes < block) return 0;
  auto voice = std::make_unique<Voice>();
  voice->format = format;
  voice->block = block;
  voice->data.assign(bytes, SilenceByte(format));
  voice->frames = bytes / block;
  voice->frequency = format.rate;
  UpdateStep(*voice);
  UpdateGains(*voice);
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  if (!g_open) return 0;
  uint32_t index;
  if (!g_free.empty()) {
    index = g_free.back();
    g_free.pop_back();
  } else {
    if (g_slots.size() >= kIndexMask) return 0;
    g_slots.emplace_back();
    index = static_cast<uint32_t>(g_slots.size());
  }
  Slot& slot = g_slots[index - 1];
  slot.voice = std::move(voice);
  return (static_cast<uint32_t>(slot.generation) << kIndexBits) | index;
}

void ReleaseSoundBuffer(SoundBuffer buffer) {
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  if (!Find(buffer)) return;
  const uint32_t index = buffer & kIndexMask;
  Slot& slot = g_slots[index - 1];
  slot.voice.reset();
  ++slot.generation;
  if (slot.generation == 0) slot.generation = 1;
  g_free.push_back(index);
}

bool SoundBufferValid(SoundBuffer buffer) {
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  return Find(buffer) != nullptr;
}

uint32_t SoundBufferBytes(SoundBuffer buffer) {
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  const Voice* v = Find(buffer);
  return v ? static_cast<uint32_t>(v->data.size()) : 0;
}

uint32_t SoundBufferBlockAlign(SoundBuffer buffer) {
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  const Voice* v = Find(buffer);
  return v ? v->block : 0;
}

bool LockSoundBuffer(SoundBuffer buffer, uint32_t offset, uint32_t bytes, LockedRegions& regions) {
  regions = LockedRegions{};
  g_mutex.lock();
  Voice* v = Find(buffer);
  const uint32_t size = v ? static_cast<uint32_t>(v->data.size()) : 0;
  if (!v || bytes == 0 || offset >= size || bytes > size) {
    g_mutex.unlock();
    return false;
  }
  const uint32_t first = std::min(bytes, size - offset);
  regions.first = v->data.data() + offset;
  regions.first_bytes = first;
  if (first < bytes) {
    regions.second = v->data.data();
    regions.second_bytes = bytes - first;
  }
  ++g_locked;  // the mutex stays held until UnlockSoundBuffer
  return true;
}

void UnlockSoundBuffer(SoundBuffer) {
  // Only a successful lock holds the mutex; an unpaired unlock does nothing.
  if (!g_mutex.try_lock()) return;  // held by the output thread: not ours
  if (g_locked > 0) {
    --g_locked;
    g_mutex.unlock();
  }
  g_mutex.unlock();
}

bool WriteSoundBuffer(SoundBuffer buffer, uint32_t offset, const void* data, uint32_t bytes) {
  LockedRegions r;
  if (!LockSoundBuffer(buffer, offset, bytes, r)) return false;
  const uint8_t silence = SilenceByte(Find(buffer)->format);
  const auto* src = static_cast<const uint8_t*>(data);
  if (src) {
    std::memcpy(r.first, src, r.first_bytes);
    if (r.second) std::memcpy(r.second, src + r.first_bytes, r.second_bytes);
  } else {
    std::memset(r.first, silence, r.first_bytes);
    if (r.second) std::memset(r.second, silence, r.second_bytes);
  }
  UnlockSoundBuffer(buffer);
  return true;
}

bool PlaySoundBuffer(SoundBuffer buffer, bool looping) {
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  Voice* v = Find(buffer);
  if (!v) return false;
  v->playing = true;
  v->looping = looping;
  return true;
}

bool StopSoundBuffer(SoundBuffer buffer) {
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  Voice* v = Find(buffer);
  if (!v) return false;
  v->playing = false;
  return true;
}

bool SetSoundBufferPosition(SoundBuffer buffer, uint32_t bytes) {
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  Voice* v = Find(buffer);
  if (!v || bytes >= v->data.size()) return false;
  v->position = static_cast<uint64_t>(bytes / v->block) << 32;
  return true;
}

uint32_t SoundBufferPosition(SoundBuffer buffer) {
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  const Voice* v = Find(buffer);
  if (!v) return 0;
  return static_cast<uint32_t>(v->position >> 32) * v->block;
}

unsigned SoundBufferStatus(SoundBuffer buffer) {
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  const Voice* v = Find(buffer);
  if (!v || !v->playing) return 0;
  return SoundPlaying | (v->looping ? SoundLooping : 0u);
}

bool SetSoundBufferFrequency(SoundBuffer buffer, int hz) {
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  Voice* v = Find(buffer);
  if (!v || hz < FrequencyMin || hz > FrequencyMax) return false;
  v->frequency = hz;
  UpdateStep(*v);
  return true;
}

int SoundBufferFrequency(SoundBuffer buffer) {
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  const Voice* v = Find(buffer);
  return v ? v->frequency : 0;
}

bool SetSoundBufferVolume(SoundBuffer buffer, int volume) {
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  Voice* v = Find(buffer);
  if (!v || volume < VolumeMin || volume > VolumeMax) return false;
  v->volume = volume;
  UpdateGains(*v);
  return true;
}

bool SetSoundBufferPan(SoundBuffer buffer, int pan) {
  std::lock_guard<std::recursive_mutex> lock(g_mutex);
  Voice* v = Find(buffer);
  if (!v || pan < PanLeft || pan > PanRight) return false;
  v->pan = pan;
  UpdateGains(*v);
  return true;
}

void MixerRender(int16_t* out, int frames) {
  while (frames > 0) {
    const int n = std::min(frames, MixerMaxBlock);
    float mix[2 * MixerMaxBlock];
    std::fill(mix, mix + 2 * n, 0.0f);
    {
      std::lock_guard<std::recursive_mutex> lock(g_mutex);
      for (Slot& slot : g_slots)
        if (slot.voice && slot.voice->playing) Mix(*slot.voice, mix, n);
    }
    RenderMusic(mix, n, MixerRate);
    for (int i = 0; i < 2 * n; ++i) {
      const float s = std::nearbyint(mix[i] * 32768.0f);
      out[i] = static_cast<int16_t>(std::clamp(s, -32768.0f, 32767.0f));
    }
    out += 2 * n;
    frames -= n;
  }
}

namespace {

// Plays PCM from start to end on the device, opened for it alone when it is
// closed; returns the output frames played, or -1.
long PlaySamplesSync(const PcmFormat& format, const std::vector<uint8_t>& samples) {
  if (!format.Valid() || samples.size() > UINT32_MAX) return -1;
  const bool opened_here = !SoundDeviceOpen();
  if (opened_here && !OpenSoundDevice()) return -1;
  long frames = -1;
  const auto bytes = static_cast<uint32_t>(samples.size());
  const SoundBuffer buffer = CreateSoundBuffer(format, bytes);
  if (buffer && WriteSoundBuffer(buffer, 0, samples.data(), bytes) && PlaySoundBuffer(buffer, false)) {
    const uint32_t source_frames = bytes / static_cast<uint32_t>(format.BlockAlign());
    frames = static_cast<long>((static_cast<uint64_t>(source_frames) * MixerRate + format.rate - 1) / format.rate);
    bool pulled;
    {
      std::lock_guard<std::recursive_mutex> lock(g_mutex);
      pulled = g_output_running;
    }
    if (pulled) {
      // The device plays it; give up a second after it should have ended.
      const long limit_ms = frames * 1000 / MixerRate + 1000;
      for (long waited = 0; (SoundBufferStatus(buffer) & SoundPlaying) && waited < limit_ms; waited += 5)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } else {
      int16_t block[2 * MixerMaxBlock];
      while (SoundBufferStatus(buffer) & SoundPlaying) MixerRender(block, MixerMaxBlock);
    }
  }
  ReleaseSoundBuffer(buffer);
  if (opened_here) CloseSoundDevice();
  return frames;
}

}  // namespace

long PlayWaveFileSync(const std::string& path) {
  WaveData wave;
  if (!ReadWaveFile(path, wave) || wave.format.format_tag != WaveFormatPcm) return -1;
  const PcmFormat format{wave.format.channels, static_cast<int>(wave.format.samples_per_sec),
                         wave.format.bits_per_sample};
  if (!format.Valid() || wave.format.block_align != format.BlockAlign()) return -1;
  return PlaySamplesSync(format, wave.samples);
}

long PlayBeep() {
  // A tenth of a second of 880 Hz at a quarter of full scale, faded in and
  // out over 5 ms so that it starts and ends without a click.
  constexpr int Rate = 22050, Frames = Rate / 10, Fade = Rate / 200;
  constexpr double Pitch = 880.0, Level = 0.25 * 32767.0;
  std::vector<uint8_t> samples(2 * Frames);
  for (int i = 0; i < Frames; ++i) {
    const double envelope = std::min({1.0, static_cast<double>(i) / Fade, static_cast<double>(Frames - 1 - i) / Fade});
    const double wave = std::sin(2.0 * std::numbers::pi * Pitch * i / Rate);
    const auto s = static_cast<int16_t>(std::lround(Level * envelope * wave));
    std::memcpy(&samples[2 * static_cast<size_t>(i)], &s, 2);
  }
  return PlaySamplesSync(PcmFormat{1, Rate, 16}, samples);
}

}  // namespace platform
