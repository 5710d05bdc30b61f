// Per-mix controls of sound objects: pause and resume, frequency, pan and
// volume in steps of 100 units, and the timed echoes.
#include <algorithm>

#include "engine/frame.h"
#include "engine/sound.h"
#include "engine/sound_slots.h"
#include "engine/whole.h"

namespace elSound {

namespace {

enum class Control { Frequency, Pan, Volume };

// Stores the value for every named mix and hands it to the buffer.
template <typename NewValue>
void Apply(int obj, int mix, Control control, NewValue value) {
  if (!SoundAvailable) return;
  int mixes[MaxMixes];
  const int n = slots::SelectMixes(obj, mix, false, mixes);
  for (int k = 0; k < n; ++k) {
    const int m = mixes[k];
    const platform::SoundBuffer b = SoundObject.Buffers[obj][m];
    switch (control) {
      case Control::Frequency:
        SoundObject.Frequency[obj][m] = value(SoundObject.Frequency[obj][m]);
        platform::SetSoundBufferFrequency(b, SoundObject.Frequency[obj][m]);
        break;
      case Control::Pan:
        SoundObject.Pan[obj][m] = value(SoundObject.Pan[obj][m]);
        platform::SetSoundBufferPan(b, SoundObject.Pan[obj][m]);
        break;
      case Control::Volume:
        SoundObject.Volume[obj][m] = value(SoundObject.Volume[obj][m]);
        platform::SetSoundBufferVolume(b, SoundObject.Volume[obj][m]);
        break;
    }
  }
}

using elDraw::Clamp;
int Hz(long long v) { return Clamp(v, platform::FrequencyMin, platform::FrequencyMax); }
int PanUnits(long long v) { return Clamp(v, platform::PanLeft, platform::PanRight); }
int VolumeUnits(long long v) { return Clamp(v, platform::VolumeMin, platform::VolumeMax); }

void EchoStep(int obj, int interval, int repeats, int step, const int* panSpeed) {
  if (!SoundAvailable || !slots::InUse(obj)) return;
  if (SoundObject.EchoCount[obj] < 1 || repeats < 1) return;
  SoundObject.EchoTimer[obj] += elSystem::FrameStep * 1000.0f;
  if (SoundObject.EchoTimer[obj] < static_cast<float>(interval)) return;
  SoundObject.EchoTimer[obj] = 0.0f;
  if (panSpeed) {
    float& pan = SoundObject.EchoPan[obj];
    pan += static_cast<float>(SoundObject.EchoPanDirection[obj]) * elSystem::FrameStep * 100.0f *
           static_cast<float>(*panSpeed);
    if (pan < -30.0f) {
      pan = -30.0f;
      SoundObject.EchoPanDirection[obj] = -SoundObject.EchoPanDirection[obj];
    } else if (pan > 30.0f) {
      pan = 30.0f;
      SoundObject.EchoPanDirection[obj] = -SoundObject.EchoPanDirection[obj];
    }
    SetPan(obj, static_cast<int>(pan), -2);
  }
  SetVolume(obj, Clamp(-static_cast<long long>(SoundObject.EchoCount[obj]) * step, -100000, 100000), -2);
  if (SoundObject.EchoLooping[obj] == 1) PlayLoop(obj, -3);
  else Play(obj, -3);
  if (++SoundObject.EchoCount[obj] > repeats) SoundObject.EchoCount[obj] = 0;
}

}  // namespace

void Pause(int obj, int mix) {
  if (!SoundAvailable) return;
  int mixes[MaxMixes];
  const int n = slots::SelectMixes(obj, mix < 0 ? -1 : mix, true, mixes);
  for (int k = 0; k < n; ++k) {
    const int m = mixes[k];
    const platform::SoundBuffer b = SoundObject.Buffers[obj][m];
    if (platform::SoundBufferStatus(b) & platform::SoundPlaying) {
      SoundObject.PausePosition[obj][m] = static_cast<int>(platform::SoundBufferPosition(b));
      platform::StopSoundBuffer(b);
    } else {
      platform::SetSoundBufferPosition(b, static_cast<uint32_t>(SoundObject.PausePosition[obj][m]));
      // A stream's ring always plays looping, or it would end after four
      // seconds.
      const bool looping = SoundObject.Looping[obj] == 1 || SoundStream.DataSize[obj] != 0;
      platform::PlaySoundBuffer(b, looping);
    }
  }
}

void AddFrequency(int obj, int n, int mix) {
  Apply(obj, mix, Control::Frequency, [n](int f) { return Hz(f + 100LL * n); });
}
void SetFrequency(int obj, int n, int mix) {
  if (!slots::InUse(obj)) return;
  const long long base = SoundObject.BaseFrequency[obj];
  Apply(obj, mix, Control::Frequency, [base, n](int) { return Hz(base + 100LL * n); });
}
void ResetFrequency(int obj, int mix) {
  if (!slots::InUse(obj)) return;
  const int base = SoundObject.BaseFrequency[obj];
  Apply(obj, mix, Control::Frequency, [base](int) { return base; });
}
void AddPan(int obj, int n, int mix) {
  Apply(obj, mix, Control::Pan, [n](int p) { return PanUnits(p + 100LL * n); });
}
void SetPan(int obj, int n, int mix) {
  Apply(obj, mix, Control::Pan, [n](int) { return PanUnits(100LL * n); });
}
void ResetPan(int obj, int mix) {
  Apply(obj, mix, Control::Pan, [](int) { return 0; });
}
void PanLeft(int obj, int mix) {
  Apply(obj, mix, Control::Pan, [](int) { return platform::PanLeft; });
}
void PanRight(int obj, int mix) {
  Apply(obj, mix, Control::Pan, [](int) { return platform::PanRight; });
}
void AddVolume(int obj, int n, int mix) {
  Apply(obj, mix, Control::Volume, [n](int v) { return VolumeUnits(v + 100LL * n); });
}
void SetVolume(int obj, int n, int mix) {
  Apply(obj, mix, Control::Volume, [n](int) { return VolumeUnits(100LL * n); });
}
void ResetVolume(int obj, int mix) {
  Apply(obj, mix, Control::Volume, [](int) { return 0; });
}

void Echo(int obj, int interval, int repeats, int step) { EchoStep(obj, interval, repeats, step, nullptr); }

void EchoPan(int obj, int interval, int repeats, int step, int panSpeed) {
  EchoStep(obj, interval, repeats, step, &panSpeed);
}

}  // namespace elSound
