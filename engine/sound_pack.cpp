// The sound pack: entries of (data size, name, format size, format block,
// data) one after another; static objects loaded from it by name, streams
// refilled from it two seconds at a time, and the writer that builds it.
#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/services.h"
#include "engine/sound.h"
#include "engine/sound_slots.h"
#include "platform/bytes.h"
#include "platform/file_replace.h"
#include "platform/system.h"
#include "platform/wave.h"

namespace elSound {

namespace {

constexpr const char* kLoadPack = "elSound::LoadPack";
constexpr const char* kLoadStream = "elSound::LoadStream";
constexpr const char* kStreaming = "elSound::Streaming";
constexpr const char* kResetStream = "elSound::ResetStream";
constexpr const char* kNoPack = "パックファイル名が指定されていません";
constexpr const char* kNotFound = "WAVEファイルを読み込めません";
constexpr const char* kCannotStream = "ストリーミング再生できません";
constexpr size_t kPackNameMax = 127;  // bytes of a name, without its NUL
constexpr uint32_t kFormatMax = 18 + 0xffff;

bool Read32(std::FILE* f, uint32_t& v) {
  uint8_t b[4];
  if (std::fread(b, 1, 4, f) != 4) return false;
  v = platform::GetLe32(b);
  return true;
}

long FileSize(std::FILE* f) {
  const long here = std::ftell(f);
  if (here < 0 || std::fseek(f, 0, SEEK_END) != 0) return -1;
  const long size = std::ftell(f);
  if (std::fseek(f, here, SEEK_SET) != 0) return -1;
  return size;
}

std::string Upper(const char* s) {
  std::string u = s ? s : "";
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

int CountOf(int mixes) { return mixes < 0 ? -mixes : mixes; }

// Opens `path` and finds the entry `name`; a missing pack or entry is
// reported under `location`. On success the file is left open at the entry's format block.
std::FILE* OpenEntry(const std::string& path, const char* name, const char* location, PackEntry& entry) {
  std::FILE* f = path.empty() ? nullptr : platform::OpenRegularFile(path);
  if (!f) {
    elSystem::Error(location, kNoPack, 0, path.c_str());
    return nullptr;
  }
  if (!FindPackEntry(f, Upper(name).c_str(), entry)) {
    std::fclose(f);
    elSystem::Error(location, kNotFound, 0, (path + ": " + Upper(name)).c_str());
    return nullptr;
  }
  return f;
}

// A stream's refill or rewind failed: reported once, and the stream stops,
// since it could only repeat stale sound.
int StreamFault(int obj, const char* location, const char* message) {
  elSystem::Error(location, message);
  Stop(obj, -1);
  return 0;
}

}  // namespace

bool FindPackEntry(std::FILE* file, const char* upperName, PackEntry& entry) {
  entry = PackEntry{};
  if (!file || !upperName) return false;
  const long size = FileSize(file);
  if (size < 0) return false;
  const size_t wanted = std::strlen(upperName);
  char name[kPackNameMax + 1];
  for (;;) {
    uint32_t data_size = 0, format_size = 0;
    if (!Read32(file, data_size)) return false;
    // The name up to its NUL; a longer name than a reader can hold is read
    // past but never matches.
    size_t length = 0;
    for (;;) {
      const int c = std::fgetc(file);
      if (c == EOF) return false;
      if (c == 0) break;
      if (length < kPackNameMax) name[length] = static_cast<char>(c);
      ++length;
    }
    if (!Read32(file, format_size)) return false;
    const long here = std::ftell(file);
    if (here < 0) return false;
    if (length == wanted && length <= kPackNameMax && std::memcmp(name, upperName, length) == 0) {
      entry.dataSize = data_size;
      entry.formatSize = format_size;
      entry.formatOffset = here;
      entry.dataOffset = here + static_cast<long>(format_size);
      return true;
    }
    // A skip past the end of the file ends the search.
    const uint64_t next = static_cast<uint64_t>(here) + format_size + data_size;
    if (next > static_cast<uint64_t>(size)) return false;
    if (std::fseek(file, static_cast<long>(next), SEEK_SET) != 0) return false;
  }
}

bool ReadPackEntry(std::FILE* file, const PackEntry& entry, std::vector<uint8_t>& format,
                   std::vector<uint8_t>& data) {
  format.clear();
  data.clear();
  if (!file || entry.formatSize < 16 || entry.formatSize > kFormatMax) return false;
  const long size = FileSize(file);
  if (size < 0 || static_cast<uint64_t>(entry.formatOffset) + entry.formatSize + entry.dataSize >
                      static_cast<uint64_t>(size))
    return false;
  if (std::fseek(file, entry.formatOffset, SEEK_SET) != 0) return false;
  format.resize(entry.formatSize);
  data.resize(entry.dataSize);
  return std::fread(format.data(), 1, format.size(), file) == format.size() &&
         (data.empty() || std::fread(data.data(), 1, data.size(), file) == data.size());
}

void SetPackFile(const char* name) { SoundPackPath = elSystem::GetPath(0) + (name ? name : ""); }

int LoadPack(const char* name, int mixes) {
  if (!SoundAvailable) return -1;
  if (!name) name = "";
  const int count = CountOf(mixes);
  if (count > MaxMixes || count == 0) {
    elSystem::Error(kLoadPack, "ミックス数が多過ぎます");
    return -1;
  }
  if (!SoundReloading && std::strlen(name) > static_cast<size_t>(NameLength)) {
    elSystem::Error(kLoadPack, "ファイル名が長すぎます");
    return -1;
  }
  const int obj = slots::TakeSlot(kLoadPack);
  if (obj < 0) return -1;
  PackEntry entry;
  std::FILE* f = OpenEntry(SoundPackPath, name, kLoadPack, entry);
  if (!f) return -1;
  std::vector<uint8_t> format, data;
  const bool read = ReadPackEntry(f, entry, format, data);
  std::fclose(f);
  if (!read) {
    elSystem::Error(kLoadPack, kNotFound);
    return -1;
  }
  return slots::FillObject(obj, format, data, mixes, true, name, kLoadPack);
}

int LoadStream(const char* name, int loopOffset) {
  if (!SoundAvailable) return -1;
  if (!name) name = "";
  if (!SoundReloading && std::strlen(name) > static_cast<size_t>(NameLength)) {
    elSystem::Error(kLoadStream, "ファイル名が長すぎます");
    return -1;
  }
  const int obj = slots::TakeSlot(kLoadStream);
  if (obj < 0) return -1;
  const std::string path = SoundPackPath;
  PackEntry entry;
  std::FILE* f = OpenEntry(path, name, kLoadStream, entry);
  if (!f) return -1;

  // The format block first: it decides whether the sample is long enough to
  // stream.
  std::vector<uint8_t> format(std::min(entry.formatSize, kFormatMax));
  platform::WaveFormat wave;
  if (entry.formatSize > kFormatMax || std::fread(format.data(), 1, format.size(), f) != format.size() ||
      !platform::WaveFormat::DecodeBlock(format.data(), format.size(), wave)) {
    std::fclose(f);
    elSystem::Error(kLoadStream, kNotFound);
    return -1;
  }
  // A short sample is loaded whole; the length in seconds needs a byte rate.
  const uint32_t avg = wave.avg_bytes_per_sec;
  if (avg != 0 && entry.dataSize / avg < 5) {
    std::fclose(f);
    return LoadPack(name, 1);
  }
  // The ring's halves are counted in seconds of the format, so it must be a
  // playable PCM format whose byte rate agrees with it.
  const platform::PcmFormat pcm{wave.channels, static_cast<int>(wave.samples_per_sec), wave.bits_per_sample};
  if (wave.format_tag != platform::WaveFormatPcm || !pcm.Valid() || wave.block_align != pcm.BlockAlign() ||
      avg != static_cast<uint32_t>(pcm.BlockAlign() * pcm.rate)) {
    std::fclose(f);
    elSystem::Error(kLoadStream, "サウンドバッファが生成できません");
    return -1;
  }
  if (loopOffset < 0 || static_cast<uint32_t>(loopOffset) >= entry.dataSize) {
    std::fclose(f);
    elSystem::Error(kLoadStream, kCannotStream);
    return -1;
  }
  const long size = FileSize(f);
  const uint32_t half = 2 * avg;
  std::vector<uint8_t> first(half);
  const uint64_t data_end = static_cast<uint64_t>(entry.dataOffset) + entry.dataSize;
  const bool read = size >= 0 && data_end <= static_cast<uint64_t>(size) && data_end <= UINT32_MAX &&
                    std::fseek(f, entry.dataOffset, SEEK_SET) == 0 &&
                    std::fread(first.data(), 1, half, f) == half;
  std::fclose(f);
  if (!read) {
    elSystem::Error(kLoadStream, kNotFound);
    return -1;
  }

  SoundObject.MixCount[obj] = 1;
  SoundObject.EchoCount[obj] = -1;
  if (!SoundReloading) SoundObject.NextMix[obj] = 0;
  if (!slots::CreateMixes(obj, format, 2 * half, first.data(), half, 1, kLoadStream)) return -1;

  const auto start = static_cast<uint32_t>(entry.dataOffset);
  SoundStream.PackPath[obj] = path;
  SoundStream.DataSize[obj] = entry.dataSize;
  SoundStream.BufferSize[obj] = 2 * half;
  SoundStream.HalfSize[obj] = half;
  SoundStream.FillMark[obj] = 0;
  SoundStream.WritePosition[obj] = half;
  SoundStream.DataStart[obj] = start;
  SoundStream.LoopPoint[obj] = start + static_cast<uint32_t>(loopOffset);
  SoundStream.ReadPosition[obj] = start + half;
  SoundStream.Consumed[obj] = half;
  SoundStream.WrapPlay[obj] = -1;
  SoundStream.LastPlay[obj] = 0;
  SoundStream.EndCountdown[obj] = 0;
  SoundObject.InUse[obj] = 1;
  SoundObject.FromPack[obj] = 1;
  if (!SoundReloading) slots::StoreName(obj, name);
  return obj;
}

int ResetStream(int obj) {
  if (!SoundAvailable || !slots::HasMix(obj, 0) || SoundStream.DataSize[obj] == 0) return 0;
  std::FILE* f = platform::OpenRegularFile(SoundStream.PackPath[obj]);
  if (!f) {
    elSystem::Error(kResetStream, kNoPack);
    return 0;
  }
  const uint32_t half = SoundStream.HalfSize[obj];
  std::vector<uint8_t> chunk(half);
  const bool ok = std::fseek(f, static_cast<long>(SoundStream.DataStart[obj]), SEEK_SET) == 0 &&
                  std::fread(chunk.data(), 1, half, f) == half;
  std::fclose(f);
  if (!ok) {
    elSystem::Error(kResetStream, kCannotStream);
    return 0;
  }
  SoundStream.FillMark[obj] = 0;
  SoundStream.WritePosition[obj] = half;
  SoundStream.ReadPosition[obj] = SoundStream.DataStart[obj] + half;
  SoundStream.Consumed[obj] = half;
  SoundStream.WrapPlay[obj] = -1;
  SoundStream.LastPlay[obj] = 0;
  SoundStream.EndCountdown[obj] = 0;
  platform::WriteSoundBuffer(SoundObject.Buffers[obj][0], 0, chunk.data(), half);
  return 1;
}

int Streaming() {
  if (!SoundAvailable) return 0;
  std::vector<uint8_t> chunk;
  for (int obj = 0; obj < ObjectCount; ++obj) {
    if (SoundStream.DataSize[obj] == 0 || !slots::HasMix(obj, 0)) continue;
    const platform::SoundBuffer b = SoundObject.Buffers[obj][0];
    if (!(platform::SoundBufferStatus(b) & platform::SoundPlaying)) continue;

    const uint32_t p = platform::SoundBufferPosition(b);
    const uint32_t t = SoundStream.FillMark[obj];
    const uint32_t l = SoundStream.LastPlay[obj];
    const int64_t q = SoundStream.WrapPlay[obj];
    // Due once the cursor has entered the half written last (or wrapped past
    // the end of the buffer since the last refill).
    bool due;
    if (q == -1) due = p >= t || p < l;
    else if (t < q) due = t <= p && p < q;
    else due = p >= t;
    if (!due) continue;
    SoundStream.LastPlay[obj] = p;

    if (SoundStream.EndCountdown[obj] > 0 && --SoundStream.EndCountdown[obj] == 0) {
      Stop(obj, -1);
      continue;
    }

    std::FILE* f = platform::OpenRegularFile(SoundStream.PackPath[obj]);
    if (!f) return StreamFault(obj, kStreaming, kNoPack);
    if (std::fseek(f, static_cast<long>(SoundStream.ReadPosition[obj]), SEEK_SET) != 0) {
      std::fclose(f);
      return StreamFault(obj, kStreaming, kCannotStream);
    }
    const uint32_t size = SoundStream.DataSize[obj];
    const uint32_t consumed = SoundStream.Consumed[obj];
    const uint32_t rest = size - consumed;
    uint32_t n = SoundStream.HalfSize[obj];
    if (n > rest) {
      n = rest;
    } else if (rest - n < n) {
      // The last two chunks share what is left, split on a whole frame so
      // that the ring stays frame-aligned.
      const uint32_t align = std::max(1u, platform::SoundBufferBlockAlign(b));
      n = rest / 2 / align * align;
    }
    chunk.resize(n);
    const bool read = std::fread(chunk.data(), 1, n, f) == n;
    std::fclose(f);
    if (!read) return StreamFault(obj, kStreaming, kCannotStream);
    SoundStream.ReadPosition[obj] += n;
    SoundStream.Consumed[obj] += n;
    if (SoundStream.Consumed[obj] >= size) {
      SoundStream.ReadPosition[obj] = SoundStream.LoopPoint[obj];
      SoundStream.Consumed[obj] = SoundStream.LoopPoint[obj] - SoundStream.DataStart[obj];
      if (SoundObject.Looping[obj] == 0) SoundStream.EndCountdown[obj] = 2;
    }
    const uint32_t write = SoundStream.WritePosition[obj];
    const uint32_t ring = SoundStream.BufferSize[obj];
    platform::WriteSoundBuffer(b, write, SoundStream.EndCountdown[obj] == 1 ? nullptr : chunk.data(), n);
    SoundStream.WrapPlay[obj] = write < t ? static_cast<int64_t>(p) : -1;
    SoundStream.FillMark[obj] = write > ring ? write - ring : write;
    SoundStream.WritePosition[obj] = write + n >= ring ? write + n - ring : write + n;
  }
  return 1;
}

int AppendPack(const char* pack, const char* path) {
  std::vector<uint8_t> format, data;
  int format_size = 0, data_size = 0;
  const std::string source = elSystem::GetPath(0) + (path ? path : "");
  // An unreadable file gives no entry (and a failed result): an entry
  // without format or data could never be loaded.
  if (ReadWave(source.c_str(), format, format_size, data, data_size) != 0) return 0;
  std::string base = path ? path : "";
  const size_t slash = base.find_last_of("\\/");
  if (slash != std::string::npos) base = base.substr(slash + 1);
  // Readers find entries by their upper-cased names.
  base = Upper(base.c_str());
  if (base.empty() || base.size() > kPackNameMax) return 0;

  std::vector<uint8_t> entry;
  entry.reserve(13 + base.size() + format.size() + data.size());
  platform::PutLe32(entry, static_cast<uint32_t>(data.size()));
  entry.insert(entry.end(), base.begin(), base.end());
  entry.push_back(0);
  platform::PutLe32(entry, static_cast<uint32_t>(format.size()));
  entry.insert(entry.end(), format.begin(), format.end());
  entry.insert(entry.end(), data.begin(), data.end());

  std::FILE* f = platform::OpenFile(elSystem::GetPath(0) + (pack ? pack : ""), "ab");
  if (!f) return 0;
  // Unbuffered, so that nothing is left to flush after a failed write is cut.
  std::setvbuf(f, nullptr, _IONBF, 0);
  const long before = FileSize(f);
  bool ok = before >= 0 && std::fwrite(entry.data(), 1, entry.size(), f) == entry.size();
  // A partly written entry is cut off again, so the pack stays readable.
  if (!ok && before >= 0 && ftruncate(fileno(f), before) != 0) std::fputs("sound pack left damaged\n", stderr);
  if (std::fclose(f) != 0) ok = false;
  return ok ? 1 : 0;
}

int BuildPack(const char* pack, const char* folder, int truncate) {
  const std::string sub = folder ? folder : "";
  if (truncate) std::remove(platform::ResolvePath(elSystem::GetPath(0) + (pack ? pack : "")).c_str());
  const std::string dir = platform::ResolvePath(elSystem::GetPath(0) + sub);
  std::vector<std::string> files;
  if (DIR* d = opendir(dir.empty() ? "." : dir.c_str())) {
    while (dirent* e = readdir(d)) {
      const std::string file = e->d_name;
      if (file.size() > 4 && Upper(file.substr(file.size() - 4).c_str()) == ".WAV") files.push_back(file);
    }
    closedir(d);
  }
  std::sort(files.begin(), files.end());
  int ok = 1;
  for (const std::string& file : files) {
    const std::string relative = Upper((sub.empty() ? file : sub + "\\" + file).c_str());
    if (!AppendPack(pack, relative.c_str())) ok = 0;
  }
  return ok;
}

}  // namespace elSound
