#include "engine/sound.h"

#include <cstdlib>
#include <cstring>

#include "engine/random.h"
#include "engine/services.h"
#include "engine/sound_slots.h"
#include "platform/wave.h"

namespace elSound {

namespace slots {

bool InUse(int obj) { return obj >= 0 && obj < ObjectCount && SoundObject.InUse[obj] == 1; }

bool HasMix(int obj, int mix) {
  return InUse(obj) && mix >= 0 && mix < SoundObject.MixCount[obj] && mix < MaxMixes &&
         SoundObject.Buffers[obj][mix] != 0;
}

int SelectMixes(int obj, int mix, bool every_for_negative, int out[]) {
  if (!InUse(obj)) return 0;
  int n = 0;
  if (mix >= 0 || (mix == -2 && !every_for_negative)) {
    const int m = mix >= 0 ? mix : SoundObject.NextMix[obj];
    if (HasMix(obj, m)) out[n++] = m;
    return n;
  }
  for (int m = 0; m < SoundObject.MixCount[obj] && m < MaxMixes; ++m)
    if (HasMix(obj, m)) out[n++] = m;
  return n;
}

void ReleaseMixes(int obj) {
  for (int m = 0; m < MaxMixes; ++m) {
    platform::SoundBuffer& b = SoundObject.Buffers[obj][m];
    if (b) {
      platform::StopSoundBuffer(b);
      platform::ReleaseSoundBuffer(b);
      b = 0;
    }
  }
}

bool CreateMixes(int obj, const std::vector<uint8_t>& format, uint32_t bufferBytes, const uint8_t* data,
                 uint32_t dataBytes, int mixes, const char* location) {
  ReleaseMixes(obj);
  platform::WaveFormat wave;
  bool ok = platform::WaveFormat::DecodeBlock(format.data(), format.size(), wave) &&
            wave.format_tag == platform::WaveFormatPcm && dataBytes <= bufferBytes;
  const platform::PcmFormat pcm{wave.channels, static_cast<int>(wave.samples_per_sec), wave.bits_per_sample};
  ok = ok && pcm.Valid() && wave.block_align == pcm.BlockAlign();
  for (int m = 0; ok && m < mixes; ++m) {
    const platform::SoundBuffer b = platform::CreateSoundBuffer(pcm, bufferBytes);
    if (!b) {
      ok = false;
      break;
    }
    SoundObject.Buffers[obj][m] = b;
    if (dataBytes) {
      platform::LockedRegions r;
      if (platform::LockSoundBuffer(b, 0, dataBytes, r)) {
        std::memcpy(r.first, data, r.first_bytes);
        if (r.second) std::memcpy(r.second, data + r.first_bytes, r.second_bytes);
        platform::UnlockSoundBuffer(b);
      }
    }
    if (SoundReloading) {
      platform::SetSoundBufferVolume(b, SoundObject.Volume[obj][m]);
      platform::SetSoundBufferFrequency(b, SoundObject.Frequency[obj][m]);
      platform::SetSoundBufferPan(b, SoundObject.Pan[obj][m]);
    } else {
      SoundObject.Frequency[obj][m] = platform::SoundBufferFrequency(b);
      SoundObject.BaseFrequency[obj] = SoundObject.Frequency[obj][m];
      SoundObject.Volume[obj][m] = 0;
      SoundObject.Pan[obj][m] = 0;
    }
  }
  if (!ok) {
    // Nothing half-made is kept: the mixes made so far go too.
    ReleaseMixes(obj);
    elSystem::Error(location, "サウンドバッファが生成できません");
  }
  return ok;
}

int TakeSlot(const char* location) {
  if (SoundReloading) return ReloadSlot;
  for (int i = 0; i < ObjectCount; ++i)
    if (!SoundObject.InUse[i]) return i;
  elSystem::Error(location, "オブジェクト数が多過ぎます");
  return -1;
}

void ClearStream(int obj) { SoundStream.DataSize[obj] = 0; }

void StoreName(int obj, const char* name) {
  std::strncpy(SoundObject.Name[obj], name, NameLength);
  SoundObject.Name[obj][NameLength] = '\0';
}

int FillObject(int obj, const std::vector<uint8_t>& format, const std::vector<uint8_t>& data, int mixes,
               bool from_pack, const char* name, const char* location) {
  const int count = mixes < 0 ? -mixes : mixes;
  SoundObject.MixCount[obj] = count;
  SoundObject.EchoCount[obj] = mixes > 1 ? 0 : -1;
  if (!SoundReloading) SoundObject.NextMix[obj] = 0;
  const auto bytes = static_cast<uint32_t>(data.size());
  if (!CreateMixes(obj, format, bytes, data.data(), bytes, count, location)) {
    if (!SoundReloading) SoundObject.MixCount[obj] = 1;
    return -1;
  }
  SoundObject.InUse[obj] = 1;
  SoundObject.FromPack[obj] = from_pack ? 1 : 0;
  ClearStream(obj);
  if (!SoundReloading) StoreName(obj, name);
  return obj;
}

}  // namespace slots

namespace {

constexpr const char* kLoadObject = "elSound::LoadObject";

void EmptySlot(int i) {
  SoundObject.InUse[i] = 0;
  SoundObject.MixCount[i] = 1;
  SoundObject.NextMix[i] = 0;
  SoundObject.BaseFrequency[i] = 0;
  SoundObject.Name[i][0] = '\0';
  SoundObject.EchoCount[i] = -1;
  SoundObject.FromPack[i] = 0;
  slots::ClearStream(i);
  for (int m = 0; m < MaxMixes; ++m) {
    SoundObject.Volume[i][m] = 0;
    SoundObject.Frequency[i][m] = 0;
    SoundObject.Pan[i][m] = 0;
  }
}

// Every buffer reference is dropped (the device that held them is gone).
void ForgetBuffers() {
  for (auto& object : SoundObject.Buffers)
    for (platform::SoundBuffer& b : object) b = 0;
}

// Reloads every object in use into its own slot.
void ReloadAll() {
  SoundReloading = 1;
  for (int i = 0; i < ObjectCount; ++i) {
    if (!SoundObject.InUse[i]) continue;
    slots::ReloadSlot = i;
    const std::string name = SoundObject.Name[i];
    if (SoundStream.DataSize[i] != 0) {
      SoundPackPath = SoundStream.PackPath[i];
      LoadStream(name.c_str(), static_cast<int>(SoundStream.LoopPoint[i] - SoundStream.DataStart[i]));
    } else if (SoundObject.FromPack[i]) {
      LoadPack(name.c_str(), SoundObject.MixCount[i]);
    } else {
      LoadObject(name.c_str(), SoundObject.MixCount[i]);
    }
  }
  slots::ReloadSlot = -1;
  SoundReloading = 0;
}

void Start(int obj, int mix, bool looping) {
  const platform::SoundBuffer b = SoundObject.Buffers[obj][mix];
  platform::StopSoundBuffer(b);
  platform::SetSoundBufferPosition(b, 0);
  // A stream is rewound from its start and always plays its ring looping;
  // whether it ends is decided when its data runs out.
  if (SoundStream.DataSize[obj] != 0) {
    if (ResetStream(obj)) platform::PlaySoundBuffer(b, true);
    return;
  }
  platform::PlaySoundBuffer(b, looping);
}

void PlayAny(int obj, int mix, bool looping) {
  if (!SoundAvailable || !slots::InUse(obj)) return;
  if (mix >= 0) {
    if (!slots::HasMix(obj, mix)) return;
    Start(obj, mix, looping);
  } else {
    if (mix == -2 && SoundObject.EchoCount[obj] >= 0) {
      ResetFrequency(obj, -1);
      ResetPan(obj, -1);
      ResetVolume(obj, -1);
      SoundObject.EchoCount[obj] = 1;
      SoundObject.EchoTimer[obj] = 0.0f;
      SoundObject.EchoLooping[obj] = looping ? 1 : 0;
      SoundObject.EchoPan[obj] = static_cast<float>(SoundObject.Pan[obj][SoundObject.NextMix[obj]]);
      SoundObject.EchoPanDirection[obj] = 2 * (elRandom::Next() % 2) - 1;
    }
    const int next = SoundObject.NextMix[obj];
    if (slots::HasMix(obj, next)) Start(obj, next, looping);
    if (++SoundObject.NextMix[obj] >= SoundObject.MixCount[obj]) SoundObject.NextMix[obj] = 0;
  }
  SoundObject.Looping[obj] = looping ? 1 : 0;
}

}  // namespace

int Init() {
  SoundDevice = 0;
  PrimarySoundBuffer = 0;
  // Opening again drops the buffers of an earlier device.
  ForgetBuffers();
  if (!platform::OpenSoundDevice()) {
    SoundAvailable = 0;
    return 0;
  }
  SoundDevice = 1;
  PrimarySoundBuffer = 1;
  SoundReloading = 0;
  SoundAvailable = 1;
  return 1;
}

void EmptyObjects() {
  for (int i = 0; i < ObjectCount; ++i) EmptySlot(i);
}

void Reset() {
  platform::CloseSoundDevice();
  SoundAvailable = SoundDevice = PrimarySoundBuffer = SoundReloading = 0;
  SoundObject = SoundObjectTable{};
  SoundStream = SoundStreamTable{};
  SoundPackPath.clear();
  slots::ReloadSlot = -1;
}

void Release() {
  for (int i = 0; i < ObjectCount; ++i)
    if (SoundObject.InUse[i]) slots::ReleaseMixes(i);
  if (SoundDevice) platform::CloseSoundDevice();
  PrimarySoundBuffer = 0;
  SoundDevice = 0;
}

void Restore() {
  if (!SoundAvailable) return;
  Init();
  ReloadAll();
}

int SelectFormat(int channels, int rate, int bits) {
  if (!SoundAvailable) return 1;
  for (int i = 0; i < ObjectCount; ++i)
    if (SoundObject.InUse[i]) slots::ReleaseMixes(i);
  switch (rate) {
    case 8: rate = 8000; break;
    case 11: rate = 11025; break;
    case 22: rate = 22050; break;
    case 44: rate = 44100; break;
    default: break;
  }
  if (!platform::SetPrimaryFormat(channels, rate, bits)) {
    elSystem::Error("elSound::SelectFormat", "再生フォーマットを変更できません");
    // The objects stay in use without buffers (their plays do nothing), so
    // an id the game holds is never handed to another sound; a later
    // accepted format reloads them.
    return 0;
  }
  ReloadAll();
  return 1;
}

int ReadWave(const char* path, std::vector<uint8_t>& format, int& formatSize, std::vector<uint8_t>& data,
             int& dataSize) {
  format.clear();
  data.clear();
  formatSize = 0;
  dataSize = 0;
  platform::WaveData wave;
  if (!path || !platform::ReadWaveFile(path, wave) || wave.samples.size() > INT32_MAX) return 1;
  format = wave.format.EncodeBlock();
  formatSize = static_cast<int>(format.size());
  data = std::move(wave.samples);
  dataSize = static_cast<int>(data.size());
  return 0;
}

int LoadObject(const char* name, int mixes) {
  if (!SoundAvailable) return -1;
  if (!name) name = "";
  const int count = mixes < 0 ? -mixes : mixes;
  // An object needs at least one mix to play; none is refused like too many.
  if (count > MaxMixes || count == 0) {
    elSystem::Error(kLoadObject, "ミックス数が多過ぎます");
    return -1;
  }
  // The name is checked before a slot is taken, so a failure keeps nothing.
  if (!SoundReloading && std::strlen(name) > static_cast<size_t>(NameLength)) {
    elSystem::Error(kLoadObject, "ファイル名またはリソース名が長すぎます");
    return -1;
  }
  const int obj = slots::TakeSlot(kLoadObject);
  if (obj < 0) return -1;

  std::vector<uint8_t> format, data;
  int format_size = 0, data_size = 0;
  const std::string path = elSystem::GetPath(0) + name;
  // There are no embedded resources to fall back on.
  if (ReadWave(path.c_str(), format, format_size, data, data_size) != 0) {
    elSystem::Error(kLoadObject, "WAVEリソースが見つかりません", 0, path.c_str());
    return -1;
  }
  return slots::FillObject(obj, format, data, mixes, false, name, kLoadObject);
}

void ReleaseObject(int obj) {
  if (!slots::InUse(obj)) return;
  SoundObject.InUse[obj] = 0;
  SoundObject.BaseFrequency[obj] = 0;
  SoundObject.Name[obj][0] = '\0';
  SoundObject.FromPack[obj] = 0;
  slots::ClearStream(obj);
  for (int m = 0; m < MaxMixes; ++m) {
    SoundObject.Volume[obj][m] = 0;
    SoundObject.Frequency[obj][m] = 0;
    SoundObject.Pan[obj][m] = 0;
  }
  slots::ReleaseMixes(obj);
  SoundObject.MixCount[obj] = 1;
}

void Play(int obj, int mix) { PlayAny(obj, mix, false); }
void PlayLoop(int obj, int mix) { PlayAny(obj, mix, true); }

void Stop(int obj, int mix) {
  if (!SoundAvailable || !slots::InUse(obj)) return;
  int mixes[MaxMixes];
  const int n = slots::SelectMixes(obj, mix < 0 ? -1 : mix, true, mixes);
  for (int k = 0; k < n; ++k) {
    platform::StopSoundBuffer(SoundObject.Buffers[obj][mixes[k]]);
    platform::SetSoundBufferPosition(SoundObject.Buffers[obj][mixes[k]], 0);
  }
  if (mix < 0 && SoundObject.EchoCount[obj] >= 0) SoundObject.EchoCount[obj] = 0;
}

void PlayWaveSync(const char* path) {
  if (!SoundAvailable) return;
  Release();
  if (path) platform::PlayWaveFileSync(path);
  Restore();
}

unsigned GetPosition(int obj) {
  if (!slots::HasMix(obj, 0)) return 0;
  return platform::SoundBufferPosition(SoundObject.Buffers[obj][0]);
}

}  // namespace elSound
