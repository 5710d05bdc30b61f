// RIFF WAVE files: the "fmt " and "data" chunks, read from memory or a file,
// and the PCM formats the mixer can play.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The format block as the file stores it (a WAVEFORMATEX): the 16 fixed
// bytes, the extra size, then the extra bytes.
struct WaveFormat {
  uint16_t format_tag = 0;
  uint16_t channels = 0;
  uint32_t samples_per_sec = 0;
  uint32_t avg_bytes_per_sec = 0;
  uint16_t block_align = 0;
  uint16_t bits_per_sample = 0;
  std::vector<uint8_t> extra;

  // 18 + the extra bytes.
  size_t BlockSize() const { return 18 + extra.size(); }
  std::vector<uint8_t> EncodeBlock() const;
  // Reads a format block of `size` bytes; false when it is shorter than the
  // 16 fixed bytes or its extra size runs past its end.
  static bool DecodeBlock(const uint8_t* bytes, size_t size, WaveFormat& out);
  // Plain PCM of whole bytes a sample: block align and byte rate follow.
  static WaveFormat Pcm(uint32_t rate, uint16_t channels, uint16_t bits);
};

constexpr uint16_t WaveFormatPcm = 1;

struct WaveData {
  WaveFormat format;
  std::vector<uint8_t> samples;
};

// Parses a whole RIFF WAVE image. Every chunk size is checked against the
// image; a "data" chunk that runs past the end is a failure.
bool ParseWave(const uint8_t* bytes, size_t size, WaveData& out);
// The largest sound file read, far above any sound of ours (six minutes of
// CD-quality stereo); a larger one is a bad file, refused before it is read.
constexpr size_t MaxWaveFileBytes = size_t{64} * 1024 * 1024;

// Reads the file (found case-insensitively, as OpenFile does; only a regular
// file, never waiting on a FIFO or a device) and parses it.
bool ReadWaveFile(const std::string& path, WaveData& out);
// A canonical 44-byte-header file for a PCM sample (extra bytes go into the
// "fmt " chunk).
std::vector<uint8_t> EncodeWave(const WaveData& wave);

}  // namespace platform
