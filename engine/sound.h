// Sound objects: 70 slots of 1 to 10 mixes each (separate buffers holding the
// same sample, so plays of one sound can overlap), loaded from WAV files or
// from a sound pack, or streamed from the pack through a four-second ring;
// play, stop, pause, frequency, pan, volume and timed echoes per mix.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/mixer.h"

namespace elSound {

constexpr int ObjectCount = 70;
constexpr int MaxMixes = 10;
constexpr int NameLength = 30;  // characters a stored name may have

// Engine state.
inline int SoundAvailable = 0;
inline int SoundDevice = 0;         // 1 while the device exists
inline int PrimarySoundBuffer = 0;  // 1 while the primary buffer exists
inline int SoundReloading = 0;

// The object table: parallel tables indexed by id (and mix).
struct SoundObjectTable {
  int InUse[ObjectCount];
  int MixCount[ObjectCount];
  int NextMix[ObjectCount];
  char Name[ObjectCount][NameLength + 1];
  int EchoCount[ObjectCount];
  int BaseFrequency[ObjectCount];
  int FromPack[ObjectCount];
  platform::SoundBuffer Buffers[ObjectCount][MaxMixes];
  int Frequency[ObjectCount][MaxMixes];
  int Pan[ObjectCount][MaxMixes];
  int Volume[ObjectCount][MaxMixes];
  int Looping[ObjectCount];
  int PausePosition[ObjectCount][MaxMixes];
  float EchoTimer[ObjectCount];
  int EchoLooping[ObjectCount];
  float EchoPan[ObjectCount];
  int EchoPanDirection[ObjectCount];
};
inline SoundObjectTable SoundObject{};

// The stream record of every slot; DataSize is nonzero only for a stream.
struct SoundStreamTable {
  uint32_t DataStart[ObjectCount];
  uint32_t LoopPoint[ObjectCount];
  uint32_t ReadPosition[ObjectCount];
  uint32_t DataSize[ObjectCount];
  uint32_t Consumed[ObjectCount];
  uint32_t FillMark[ObjectCount];
  uint32_t WritePosition[ObjectCount];
  uint32_t HalfSize[ObjectCount];
  uint32_t BufferSize[ObjectCount];
  int64_t WrapPlay[ObjectCount];
  uint32_t LastPlay[ObjectCount];
  uint8_t EndCountdown[ObjectCount];
  std::string PackPath[ObjectCount];
};
inline SoundStreamTable SoundStream{};

inline std::string SoundPackPath;

// Start-up: creates the device; 1 when it exists, 0 when there is none (the
// game then runs silent).
int Init();
// Empties every slot to its start values (what the screen set-up does right
// after Init).
void EmptyObjects();
// Puts the whole sound engine back to its state at program start, releasing
// every buffer and the device.
void Reset();
// Releases every buffer and the device; the slots keep their settings so
// that Restore can reload them.
void Release();
void Restore();
int SelectFormat(int channels, int rate, int bits);

int LoadObject(const char* name, int mixes);
// 0 when the file was read, 1 on any failure. The format block and the data
// are returned with their sizes in bytes.
int ReadWave(const char* path, std::vector<uint8_t>& format, int& formatSize, std::vector<uint8_t>& data,
             int& dataSize);
void ReleaseObject(int obj);

void Play(int obj, int mix);
void PlayLoop(int obj, int mix);
void Stop(int obj, int mix);
void PlayWaveSync(const char* path);
unsigned GetPosition(int obj);

// Sound pack and streaming.
void SetPackFile(const char* name);
int LoadPack(const char* name, int mixes);
int LoadStream(const char* name, int loopOffset);
int Streaming();
int ResetStream(int obj);
int BuildPack(const char* pack, const char* folder, int truncate);
int AppendPack(const char* pack, const char* path);

// An entry of the pack, found by its upper-cased name: where its format block
// and its data lie. FindPackEntry leaves the file at the format block.
struct PackEntry {
  uint32_t dataSize = 0;
  uint32_t formatSize = 0;
  long formatOffset = 0;
  long dataOffset = 0;
};
bool FindPackEntry(std::FILE* file, const char* upperName, PackEntry& entry);
// Reads the entry's format block and data; false when the file ends early.
bool ReadPackEntry(std::FILE* file, const PackEntry& entry, std::vector<uint8_t>& format,
                   std::vector<uint8_t>& data);

// Mix controls and echo.
void Pause(int obj, int mix);
void AddFrequency(int obj, int n, int mix);
void SetFrequency(int obj, int n, int mix);
void ResetFrequency(int obj, int mix);
void AddPan(int obj, int n, int mix);
void SetPan(int obj, int n, int mix);
void ResetPan(int obj, int mix);
void PanLeft(int obj, int mix);
void PanRight(int obj, int mix);
void AddVolume(int obj, int n, int mix);
void SetVolume(int obj, int n, int mix);
void ResetVolume(int obj, int mix);
void Echo(int obj, int interval, int repeats, int step);
void EchoPan(int obj, int interval, int repeats, int step, int panSpeed);

}  // namespace elSound
