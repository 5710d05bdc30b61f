// The software mixer that stands in for the sound card's buffers: an output
// device, a primary format, and secondary sound buffers with their own PCM
// format that play once or looping with frequency, volume and pan. The output
// (the SDL audio callback, or a test rendering offline) pulls 44100 Hz stereo
// 16-bit blocks through MixerRender; the music source is added to every block.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

constexpr int MixerRate = 44100;
constexpr int MixerMaxBlock = 512;  // frames per block the device asks for

// Where the mix goes. The SDL back end installs one; without one (tests,
// benchmarks) the device opens with nothing pulling, and MixerRender is
// called by hand.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Starts pulling MixerRender; false when there is no device to play on.
  virtual bool Start() = 0;
  virtual void Stop() = 0;
};
void SetAudioOutput(AudioOutput* output);  // nullptr: none

// The device: false when the output cannot start (a machine without sound).
// Opening again first closes the open device. Closing releases every buffer.
bool OpenSoundDevice();
void CloseSoundDevice();
bool SoundDeviceOpen();

// The primary format: 1 or 2 channels, 8 or 16 bits, 100 to 100000 Hz. The
// device itself always mixes at MixerRate in stereo; a format outside what a
// primary buffer could take is refused.
bool SetPrimaryFormat(int channels, int rate, int bits);

// PCM of a secondary buffer: 8-bit unsigned or 16-bit signed, mono or stereo,
// 100 to 100000 Hz, block align = channels * bits / 8.
struct PcmFormat {
  int channels = 0;
  int rate = 0;
  int bits = 0;
  int BlockAlign() const { return channels * (bits / 8); }
  bool Valid() const;
};

constexpr int FrequencyMin = 100;
constexpr int FrequencyMax = 100000;
constexpr int VolumeMin = -10000;  // hundredths of a decibel
constexpr int VolumeMax = 0;
constexpr int PanLeft = -10000;
constexpr int PanRight = 10000;

// A buffer handle; 0 is none. A released handle is never valid again.
using SoundBuffer = uint32_t;

// A buffer of `bytes` bytes (at least one block), filled with silence; 0 when
// the device is closed or the format or size cannot be played.
SoundBuffer CreateSoundBuffer(const PcmFormat& format, uint32_t bytes);
void ReleaseSoundBuffer(SoundBuffer buffer);
bool SoundBufferValid(SoundBuffer buffer);
uint32_t SoundBufferBytes(SoundBuffer buffer);
uint32_t SoundBufferBlockAlign(SoundBuffer buffer);  // bytes per frame

// Locking: up to two regions, the second when the range wraps past the end.
// The mix waits while a buffer is locked, so lock briefly and always unlock.
struct LockedRegions {
  uint8_t* first = nullptr;
  uint32_t first_bytes = 0;
  uint8_t* second = nullptr;
  uint32_t second_bytes = 0;
};
bool LockSoundBuffer(SoundBuffer buffer, uint32_t offset, uint32_t bytes, LockedRegions& regions);
void UnlockSoundBuffer(SoundBuffer buffer);
// Lock, copy (or fill with the format's silence when data is nullptr), unlock.
bool WriteSoundBuffer(SoundBuffer buffer, uint32_t offset, const void* data, uint32_t bytes);

bool PlaySoundBuffer(SoundBuffer buffer, bool looping);
// Stops where it is; the cursor stays.
bool StopSoundBuffer(SoundBuffer buffer);
// Play cursor in bytes from the start of the buffer.
bool SetSoundBufferPosition(SoundBuffer buffer, uint32_t bytes);
uint32_t SoundBufferPosition(SoundBuffer buffer);

constexpr unsigned SoundPlaying = 1;
constexpr unsigned SoundLooping = 4;
unsigned SoundBufferStatus(SoundBuffer buffer);

// Frequency in Hz (FrequencyMin..FrequencyMax); the buffer starts at its
// format's rate. Volume and pan in hundredths of a decibel; values out of
// range are refused.
bool SetSoundBufferFrequency(SoundBuffer buffer, int hz);
int SoundBufferFrequency(SoundBuffer buffer);
bool SetSoundBufferVolume(SoundBuffer buffer, int volume);
bool SetSoundBufferPan(SoundBuffer buffer, int pan);

// Mixes `frames` interleaved stereo frames at MixerRate: every playing buffer
// and the music, clamped to 16 bits. Silence while nothing plays.
void MixerRender(int16_t* out, int frames);

// Plays a WAV file from start to end and returns when it has ended, the
// device opened for it alone when it is closed. With nothing pulling the mix
// (no output installed) it is rendered offline at once. Returns the frames
// played, or -1 when the file cannot be read or played.
long PlayWaveFileSync(const std::string& path);
// The error box's beep: a short tone played the same way. Returns the frames
// played, or -1 on a machine without sound.
long PlayBeep();

}  // namespace platform
