#include "platform/wave.h"

#include <cstdio>
#include <cstring>

#include "platform/bytes.h"
#include "platform/file_replace.h"
#include "platform/system.h"

namespace platform {
namespace {

struct Chunk {
  size_t data = 0;  // offset of the chunk's contents
  size_t size = 0;  // declared size, already known to fit in the image
};

// Walks the sub-chunks in [begin, end) for `tag`. A chunk whose declared size
// runs past `end` ends the walk: it is returned (fits = false) when it is the
// one asked for, so the caller can report a truncated chunk.
bool FindChunk(const uint8_t* bytes, size_t begin, size_t end, const char* tag, Chunk& out, bool& fits) {
  size_t pos = begin;
  while (end - pos >= 8) {
    const uint32_t size = GetLe32(bytes + pos + 4);
    const bool match = std::memcmp(bytes + pos, tag, 4) == 0;
    const size_t body = pos + 8;
    if (size > end - body) {
      if (match) {
        out = {body, end - body};
        fits = false;
        return true;
      }
      return false;
    }
    if (match) {
      out = {body, size};
      fits = true;
      return true;
    }
    // Chunks are padded to an even size.
    const size_t next = body + size + (size & 1u);
    if (next > end) return false;
    pos = next;
  }
  return false;
}

}  // namespace

std::vector<uint8_t> WaveFormat::EncodeBlock() const {
  std::vector<uint8_t> v;
  v.reserve(BlockSize());
  PutLe16(v, format_tag);
  PutLe16(v, channels);
  PutLe32(v, samples_per_sec);
  PutLe32(v, avg_bytes_per_sec);
  PutLe16(v, block_align);
  PutLe16(v, bits_per_sample);
  PutLe16(v, static_cast<uint32_t>(extra.size()));
  v.insert(v.end(), extra.begin(), extra.end());
  return v;
}

bool WaveFormat::DecodeBlock(const uint8_t* bytes, size_t size, WaveFormat& out) {
  if (!bytes || size < 16) return false;
  out = WaveFormat{};
  out.format_tag = GetLe16(bytes);
  out.channels = GetLe16(bytes + 2);
  out.samples_per_sec = GetLe32(bytes + 4);
  out.avg_bytes_per_sec = GetLe32(bytes + 8);
  out.block_align = GetLe16(bytes + 12);
  out.bits_per_sample = GetLe16(bytes + 14);
  if (size >= 18) {
    const size_t extra = GetLe16(bytes + 16);
    if (extra > size - 18) return false;
    out.extra.assign(bytes + 18, bytes + 18 + extra);
  }
  return true;
}

WaveFormat WaveFormat::Pcm(uint32_t rate, uint16_t channels, uint16_t bits) {
  WaveFormat f;
  f.format_tag = WaveFormatPcm;
  f.channels = channels;
  f.samples_per_sec = rate;
  f.block_align = static_cast<uint16_t>(channels * (bits / 8));
  f.avg_bytes_per_sec = rate * f.block_align;
  f.bits_per_sample = bits;
  return f;
}

bool ParseWave(const uint8_t* bytes, size_t size, WaveData& out) {
  out = WaveData{};
  if (!bytes || size < 12) return false;
  if (std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) return false;
  // Writers that stream often leave the RIFF size wrong; the image's end is
  // the real limit.
  const uint64_t riff_end = 8ull + GetLe32(bytes + 4);
  const size_t end = riff_end < size ? static_cast<size_t>(riff_end) : size;
  if (end < 12) return false;

  Chunk fmt;
  bool fits = false;
  if (!FindChunk(bytes, 12, end, "fmt ", fmt, fits) || !fits || fmt.size < 16) return false;
  // A PCM format is its 16 fixed bytes, whatever follows them in the chunk;
  // other formats carry their extra size and bytes inside the chunk.
  const bool pcm = GetLe16(bytes + fmt.data) == WaveFormatPcm;
  if (!pcm && fmt.size < 18) return false;
  WaveFormat format;
  if (!WaveFormat::DecodeBlock(bytes + fmt.data, pcm ? 16 : fmt.size, format)) return false;

  Chunk data;
  if (!FindChunk(bytes, 12, end, "data", data, fits) || !fits) return false;
  out.format = std::move(format);
  out.samples.assign(bytes + data.data, bytes + data.data + data.size);
  return true;
}

bool ReadWaveFile(const std::string& path, WaveData& out) {
  out = WaveData{};
  std::vector<uint8_t> bytes;
  return ReadWholeRegularFile(path, MaxWaveFileBytes, bytes) && ParseWave(bytes.data(), bytes.size(), out);
}

std::vector<uint8_t> EncodeWave(const WaveData& wave) {
  const std::vector<uint8_t> block = wave.format.EncodeBlock();
  // A PCM "fmt " chunk holds only the 16 fixed bytes.
  const size_t fmt_size = wave.format.format_tag == WaveFormatPcm ? 16 : block.size();
  const size_t fmt_padded = fmt_size + (fmt_size & 1u);
  std::vector<uint8_t> v;
  PutTag(v, "RIFF");
  PutLe32(v, static_cast<uint32_t>(4 + 8 + fmt_padded + 8 + wave.samples.size() + (wave.samples.size() & 1u)));
  PutTag(v, "WAVE");
  PutTag(v, "fmt ");
  PutLe32(v, static_cast<uint32_t>(fmt_size));
  v.insert(v.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(fmt_size));
  if (fmt_size & 1u) v.push_back(0);
  PutTag(v, "data");
  PutLe32(v, static_cast<uint32_t>(wave.samples.size()));
  v.insert(v.end(), wave.samples.begin(), wave.samples.end());
  if (wave.samples.size() & 1u) v.push_back(0);
  return v;
}

}  // namespace platform
