// RIFF WAVE reading: the chunks found, every size checked against the image.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "platform/wave.h"
#include "support/fifo.h"
#include "support/sound_files.h"

using platform::ParseWave;
using platform::WaveData;
using testing_support::Pcm16;

namespace {

std::vector<uint8_t> Tag(const char* tag, uint32_t size) {
  std::vector<uint8_t> v(tag, tag + 4);
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(size >> (8 * i)));
  return v;
}

void Append(std::vector<uint8_t>& v, const std::vector<uint8_t>& more) { v.insert(v.end(), more.begin(), more.end()); }

void SetU32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + static_cast<size_t>(i)] = static_cast<uint8_t>(x >> (8 * i));
}

TEST(WaveReader, ReadsWhatTheWriterWrote) {
  const WaveData in = Pcm16(22050, 2, {1, -2, 300, -32768, 32767, 0});
  const std::vector<uint8_t> bytes = EncodeWave(in);
  EXPECT_EQ(bytes.size(), 44u + 12u);
  WaveData out;
  ASSERT_TRUE(ParseWave(bytes.data(), bytes.size(), out));
  EXPECT_EQ(out.format.channels, 2);
  EXPECT_EQ(out.format.samples_per_sec, 22050u);
  EXPECT_EQ(out.format.block_align, 4);
  EXPECT_EQ(out.format.bits_per_sample, 16);
  EXPECT_EQ(out.samples, in.samples);
  EXPECT_EQ(out.format.EncodeBlock().size(), 18u);
}

TEST(WaveReader, WalksPastOtherChunksWithTheirPadding) {
  // RIFF WAVE, an odd-sized LIST chunk (padded), "fmt ", another chunk, then
  // "data"; the RIFF size overstates the file as streaming writers leave it.
  const WaveData pcm = Pcm16(8000, 1, {5, 6, 7});
  std::vector<uint8_t> v = Tag("RIFF", 0xffffffffu);
  Append(v, {'W', 'A', 'V', 'E'});
  Append(v, Tag("LIST", 3));
  Append(v, {'a', 'b', 'c', 0});
  Append(v, Tag("fmt ", 16));
  const auto block = pcm.format.EncodeBlock();
  v.insert(v.end(), block.begin(), block.begin() + 16);
  Append(v, Tag("fact", 4));
  Append(v, {0, 0, 0, 0});
  Append(v, Tag("data", 6));
  Append(v, pcm.samples);
  WaveData out;
  ASSERT_TRUE(ParseWave(v.data(), v.size(), out));
  EXPECT_EQ(out.samples, pcm.samples);
  EXPECT_EQ(out.format.samples_per_sec, 8000u);
}

TEST(WaveReader, NonPcmFormatKeepsItsExtraBytes) {
  WaveData w = Pcm16(8000, 1, {1, 2});
  w.format.format_tag = 2;
  w.format.extra = {9, 8, 7, 6};
  const auto bytes = EncodeWave(w);
  WaveData out;
  ASSERT_TRUE(ParseWave(bytes.data(), bytes.size(), out));
  EXPECT_EQ(out.format.format_tag, 2);
  EXPECT_EQ(out.format.extra, w.format.extra);
  EXPECT_EQ(out.format.BlockSize(), 22u);
}

TEST(WaveReader, BrokenImagesAreFailuresNeverReads) {
  const std::vector<uint8_t> good = EncodeWave(Pcm16(8000, 1, {1, 2, 3, 4}));
  // Offsets of the canonical header: 4 RIFF size, 8 "WAVE", 12 "fmt ",
  // 16 fmt size, 20 format tag, 36 "data", 40 data size.
  struct Case {
    const char* what;
    void (*spoil)(std::vector<uint8_t>&);
  };
  const Case cases[] = {
      {"not RIFF", [](std::vector<uint8_t>& v) { v[0] = 'X'; }},
      {"not WAVE", [](std::vector<uint8_t>& v) { v[8] = 'X'; }},
      {"no fmt chunk", [](std::vector<uint8_t>& v) { v[12] = 'X'; }},
      {"fmt shorter than 16", [](std::vector<uint8_t>& v) { SetU32(v, 16, 14); }},
      {"fmt runs past the end", [](std::vector<uint8_t>& v) { SetU32(v, 16, 0x7ffffff0u); }},
      {"no data chunk", [](std::vector<uint8_t>& v) { v[36] = 'X'; }},
      {"data runs past the end", [](std::vector<uint8_t>& v) { SetU32(v, 40, 9); }},
      {"data size wraps", [](std::vector<uint8_t>& v) { SetU32(v, 40, 0xfffffffcu); }},
      {"header cut", [](std::vector<uint8_t>& v) { v.resize(30); }},
      {"only RIFF", [](std::vector<uint8_t>& v) { v.resize(11); }},
      {"non-PCM without extra size", [](std::vector<uint8_t>& v) { v[20] = 2; }},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> v = good;
    c.spoil(v);
    WaveData out;
    EXPECT_FALSE(ParseWave(v.data(), v.size(), out)) << c.what;
    EXPECT_TRUE(out.samples.empty()) << c.what;
  }
  WaveData out;
  EXPECT_FALSE(ParseWave(nullptr, 0, out));
}

TEST(WaveReader, ExtraSizeBeyondTheFormatChunkFails) {
  WaveData w = Pcm16(8000, 1, {1});
  w.format.format_tag = 2;
  w.format.extra = {1, 2};
  auto v = EncodeWave(w);
  v[20 + 16] = 200;  // extra size 200 in an 20-byte chunk
  WaveData out;
  EXPECT_FALSE(ParseWave(v.data(), v.size(), out));
  platform::WaveFormat f;
  EXPECT_FALSE(platform::WaveFormat::DecodeBlock(v.data() + 20, 20, f));
  EXPECT_FALSE(platform::WaveFormat::DecodeBlock(v.data() + 20, 15, f));
  // PCM is read as its 16 fixed bytes: what follows them is not looked at.
  v[20] = 1;
  ASSERT_TRUE(ParseWave(v.data(), v.size(), out));
  EXPECT_EQ(out.format.format_tag, 1);
  EXPECT_TRUE(out.format.extra.empty());
}

TEST(WaveReader, FileIsFoundIgnoringCase) {
  testing_support::SoundFolder folder;
  folder.WriteWave("sound/shot.wav", Pcm16(11025, 1, {1, 2, 3}));
  WaveData out;
  EXPECT_TRUE(platform::ReadWaveFile(folder.Path("SOUND/SHOT.WAV"), out));
  EXPECT_EQ(out.samples.size(), 6u);
  EXPECT_FALSE(platform::ReadWaveFile(folder.Path("SOUND/NONE.WAV"), out));
  folder.Write("SOUND/EMPTY.WAV", {});
  EXPECT_FALSE(platform::ReadWaveFile(folder.Path("SOUND/EMPTY.WAV"), out));
}

// A sound is read only from a regular file of a sane size: a FIFO in its
// place would hang the start, and a huge (sparse) file would take all memory
// before being refused. Both are bad files.
TEST(WaveReader, FifoAndHugeFilesAreBadFilesNotHangsOrAborts) {
  testing_support::SoundFolder folder;
  folder.WriteWave("SOUND/SHOT.WAV", Pcm16(11025, 1, {1, 2, 3}));
  WaveData out;
  ASSERT_EQ(mkfifo(folder.Path("SOUND/FIFO.WAV").c_str(), 0600), 0);
  bool read = true;
  EXPECT_TRUE(testing_support::ReturnsDespiteFifo(folder.Path("SOUND/FIFO.WAV"), [&] {
    read = platform::ReadWaveFile(folder.Path("SOUND/FIFO.WAV"), out);
  })) << "reading the FIFO blocked";
  EXPECT_FALSE(read);

  // A real header, then a size far past any sound: 64 GB, and just past the cap.
  for (const off_t size : {off_t{64} << 30, static_cast<off_t>(platform::MaxWaveFileBytes) + 1}) {
    ASSERT_EQ(truncate(folder.Path("SOUND/SHOT.WAV").c_str(), size), 0);
    EXPECT_FALSE(platform::ReadWaveFile(folder.Path("SOUND/SHOT.WAV"), out)) << size;
    EXPECT_TRUE(out.samples.empty());
  }
}

}  // namespace
