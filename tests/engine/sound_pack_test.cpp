// The sound pack: its writer, loading by name, streaming through the
// four-second ring, and the error boxes of every failure.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/sound.h"
#include "platform/mixer.h"
#include "support/sound_fixture.h"

using testing_support::Channel;
using testing_support::PackEntryBytes;
using testing_support::Pcm16;
using testing_support::Pcm8;
using testing_support::RenderMix;
namespace S = elSound;

namespace {

int16_t Signal(int i) { return static_cast<int16_t>((static_cast<uint32_t>(i) * 2654435761u) >> 16); }

std::vector<int16_t> Signals(int frames) {
  std::vector<int16_t> s(static_cast<size_t>(frames));
  for (int i = 0; i < frames; ++i) s[static_cast<size_t>(i)] = Signal(i);
  return s;
}

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> v;
  for (const auto& p : parts) v.insert(v.end(), p.begin(), p.end());
  return v;
}

std::vector<uint8_t> Entry(const std::string& name, const platform::WaveData& w) {
  return PackEntryBytes(name, w.format.EncodeBlock(), w.samples);
}

class SoundPack : public testing_support::SoundTest {
 protected:
  // Plays frame by frame as the game would: mix 1/60 s, then refill.
  std::vector<int16_t> Run(double seconds) {
    std::vector<int16_t> left;
    const int frames = static_cast<int>(seconds * 60);
    for (int f = 0; f < frames; ++f) {
      const auto l = Channel(RenderMix(735), 0);
      left.insert(left.end(), l.begin(), l.end());
      S::Streaming();
    }
    return left;
  }

  std::vector<int16_t> shot = Signals(300);
};

TEST_F(SoundPack, BuiltFromAFolderAndFoundIgnoringCase) {
  folder.WriteWave("se/shot.wav", Pcm16(44100, 1, shot));
  folder.WriteWave("se/bom.wav", Pcm16(22050, 2, {1, 2, 3, 4}));
  folder.Write("se/readme.txt", {'x'});
  ASSERT_EQ(S::BuildPack("SE.PAK", "se", 1), 1);
  // In name order, upper-cased, as the writer lays entries out.
  const auto expected = Concat({Entry("BOM.WAV", Pcm16(22050, 2, {1, 2, 3, 4})), Entry("SHOT.WAV", Pcm16(44100, 1, shot))});
  EXPECT_EQ(folder.Read("SE.PAK"), expected);
  // Building again appends, unless the pack is truncated first.
  ASSERT_EQ(S::BuildPack("SE.PAK", "se", 0), 1);
  EXPECT_EQ(folder.Read("SE.PAK").size(), 2 * expected.size());
  ASSERT_EQ(S::BuildPack("SE.PAK", "se", 1), 1);
  EXPECT_EQ(folder.Read("SE.PAK"), expected);

  S::SetPackFile("se.pak");
  const int id = S::LoadPack("shot.wav", 2);
  ASSERT_EQ(id, 0);
  EXPECT_EQ(S::SoundObject.FromPack[id], 1);
  EXPECT_EQ(S::SoundObject.MixCount[id], 2);
  EXPECT_EQ(S::SoundObject.EchoCount[id], 0);
  EXPECT_STREQ(S::SoundObject.Name[id], "shot.wav");
  S::Play(id, -1);
  const auto left = Channel(RenderMix(300), 0);
  for (int i = 0; i < 300; ++i) ASSERT_EQ(left[i], shot[i]) << i;
  EXPECT_TRUE(h.backend().boxes.empty());
}

TEST_F(SoundPack, SearchSkipsAnEntryWithALongFormatBlock) {
  platform::WaveData adpcm = Pcm16(8000, 1, {7, 7, 7});
  adpcm.format.format_tag = 2;
  adpcm.format.extra.assign(32, 0xab);
  folder.Write("A.PAK", Concat({Entry("ADPCM.WAV", adpcm), Entry("SHOT.WAV", Pcm16(44100, 1, shot))}));
  S::SetPackFile("A.PAK");
  EXPECT_EQ(S::LoadPack("SHOT.WAV", 1), 0);
  EXPECT_EQ(S::LoadPack("ADPCM.WAV", 1), -1);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"elSound::LoadPack : サウンドバッファが生成できません"});
}

TEST_F(SoundPack, LoadFailuresReportAndKeepNothing) {
  const auto good = Entry("SHOT.WAV", Pcm16(44100, 1, shot));
  auto cut = Entry("CUT.WAV", Pcm16(44100, 1, shot));
  cut.resize(cut.size() - 2);
  auto mismatch = Pcm16(44100, 1, Signals(44100 * 6));
  mismatch.format.avg_bytes_per_sec = 0;
  folder.Write("A.PAK", Concat({good, Entry("ZERO.WAV", mismatch), cut}));
  struct Case {
    const char* pack;  // nullptr: no pack set
    bool stream;
    const char* name;
    int arg;
    const char* box;
  };
  const Case cases[] = {
      {nullptr, false, "SHOT.WAV", 1, "elSound::LoadPack : パックファイル名が指定されていません"},
      {nullptr, true, "SHOT.WAV", 0, "elSound::LoadStream : パックファイル名が指定されていません"},
      {"NONE.PAK", false, "SHOT.WAV", 1, "elSound::LoadPack : パックファイル名が指定されていません"},
      {"A.PAK", false, "BOM.WAV", 1, "elSound::LoadPack : WAVEファイルを読み込めません"},
      {"A.PAK", true, "BOM.WAV", 0, "elSound::LoadStream : WAVEファイルを読み込めません"},
      {"A.PAK", false, "CUT.WAV", 1, "elSound::LoadPack : WAVEファイルを読み込めません"},
      {"A.PAK", false, "SHOT.WAV", 11, "elSound::LoadPack : ミックス数が多過ぎます"},
      {"A.PAK", false, "SHOT.WAV", 0, "elSound::LoadPack : ミックス数が多過ぎます"},
      {"A.PAK", false, "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234.WAV", 1, "elSound::LoadPack : ファイル名が長すぎます"},
      {"A.PAK", true, "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234.WAV", 0, "elSound::LoadStream : ファイル名が長すぎます"},
      {"A.PAK", true, "ZERO.WAV", 0, "elSound::LoadStream : サウンドバッファが生成できません"},
  };
  for (const Case& c : cases) {
    S::SoundPackPath.clear();
    if (c.pack) S::SetPackFile(c.pack);
    EXPECT_EQ(c.stream ? S::LoadStream(c.name, c.arg) : S::LoadPack(c.name, c.arg), -1) << c.name;
    EXPECT_EQ(Boxes(), std::vector<std::string>{c.box}) << c.name;
    for (int i = 0; i < S::ObjectCount; ++i) ASSERT_EQ(S::SoundObject.InUse[i], 0) << c.name;
  }
}

TEST_F(SoundPack, FinderSurvivesBrokenEntries) {
  static const std::string long_text(200, 'A');
  const char* kLongName = long_text.c_str();
  const auto good = Entry("SHOT.WAV", Pcm16(44100, 1, shot));
  std::vector<uint8_t> long_name = PackEntryBytes(std::string(200, 'A'), {1, 2}, {3});
  std::vector<uint8_t> huge = {0xff, 0xff, 0xff, 0xff, 'X', 0, 0xff, 0xff, 0xff, 0xff};
  std::vector<uint8_t> unended = {4, 0, 0, 0, 'S', 'H', 'O'};
  struct Case {
    std::vector<uint8_t> bytes;
    const char* wanted;
    bool found;
  };
  const Case cases[] = {
      {Concat({long_name, good}), "SHOT.WAV", true},
      {Concat({long_name, good}), kLongName, false},
      {Concat({huge, good}), "SHOT.WAV", false},
      {unended, "SHO", false},
      {{}, "SHOT.WAV", false},
      {{1, 0}, "SHOT.WAV", false},
  };
  for (const Case& c : cases) {
    folder.Write("T.PAK", c.bytes);
    std::FILE* f = std::fopen(folder.Path("T.PAK").c_str(), "rb");
    S::PackEntry e;
    EXPECT_EQ(S::FindPackEntry(f, c.wanted, e), c.found) << c.bytes.size();
    if (c.found) {
      std::vector<uint8_t> format, data;
      EXPECT_TRUE(S::ReadPackEntry(f, e, format, data));
      EXPECT_EQ(data.size(), 600u);
    }
    std::fclose(f);
  }
}

TEST_F(SoundPack, WriterNeverWritesABrokenEntry) {
  folder.WriteWave("se/a.wav", Pcm16(8000, 1, {1, 2}));
  folder.Write("se/b.wav", {'R', 'I', 'F', 'F', 0, 0});
  folder.WriteWave("se/c.wav", Pcm16(8000, 1, {3}));
  EXPECT_EQ(S::AppendPack("X.PAK", "se\\b.wav"), 0);
  EXPECT_FALSE(std::filesystem::exists(folder.Path("X.PAK")));
  EXPECT_EQ(S::AppendPack("X.PAK", "se\\a.wav"), 1);
  EXPECT_EQ(folder.Read("X.PAK"), Entry("A.WAV", Pcm16(8000, 1, {1, 2})));
  // One bad file fails the build; the good ones are written.
  EXPECT_EQ(S::BuildPack("Y.PAK", "se", 1), 0);
  EXPECT_EQ(folder.Read("Y.PAK"), Concat({Entry("A.WAV", Pcm16(8000, 1, {1, 2})), Entry("C.WAV", Pcm16(8000, 1, {3}))}));
  EXPECT_EQ(S::BuildPack("Z.PAK", "nothing", 1), 1);
  EXPECT_FALSE(std::filesystem::exists(folder.Path("Z.PAK")));
}

TEST_F(SoundPack, AShortEntryIsLoadedWholeInsteadOfStreamed) {
  folder.Write("A.PAK", Entry("FOUR.WAV", Pcm16(8000, 1, Signals(8000 * 4 + 7999))));
  S::SetPackFile("A.PAK");
  const int id = S::LoadStream("four.wav", 0);
  ASSERT_EQ(id, 0);
  EXPECT_EQ(S::SoundStream.DataSize[id], 0u);
  EXPECT_EQ(S::SoundObject.FromPack[id], 1);
  EXPECT_EQ(S::SoundObject.MixCount[id], 1);
  EXPECT_EQ(platform::SoundBufferBytes(S::SoundObject.Buffers[id][0]), 2u * (8000 * 4 + 7999));
}

class Streams : public SoundPack {
 protected:
  void SetUp() override {
    SoundPack::SetUp();
    folder.Write("M.PAK", Concat({Entry("SHOT.WAV", Pcm16(44100, 1, shot)),
                                  Entry("LONG.WAV", Pcm16(44100, 1, Signals(kFrames)))}));
    S::SetPackFile("M.PAK");
  }
  static constexpr int kFrames = 44100 * 11 + 441;  // the last chunks split unevenly
};

TEST_F(Streams, APlayOnceStreamPlaysItsDataThenSilenceAndStops) {
  const int id = S::LoadStream("LONG.WAV", 0);
  ASSERT_EQ(id, 0);
  EXPECT_EQ(S::SoundStream.HalfSize[id], 176400u);
  EXPECT_EQ(S::SoundStream.BufferSize[id], 352800u);
  EXPECT_EQ(S::SoundStream.DataSize[id], 2u * kFrames);
  EXPECT_EQ(S::SoundObject.EchoCount[id], -1);
  S::Play(id, -1);
  const auto left = Run(16);
  for (int i = 0; i < kFrames; ++i) ASSERT_EQ(left[static_cast<size_t>(i)], Signal(i)) << i;
  for (size_t i = kFrames; i < left.size(); ++i) ASSERT_EQ(left[i], 0) << i;
  EXPECT_FALSE(Playing(id));
  EXPECT_TRUE(h.backend().boxes.empty());
}

TEST_F(Streams, ALoopingStreamGoesOnFromItsLoopOffset) {
  const int loop = 44100 * 3;
  const int id = S::LoadStream("LONG.WAV", 2 * loop);
  ASSERT_GE(id, 0);
  S::PlayLoop(id, -1);
  const auto left = Run(30);
  for (size_t k = 0; k < left.size(); ++k) {
    const int i = k < kFrames ? static_cast<int>(k) : loop + static_cast<int>(k - kFrames) % (kFrames - loop);
    ASSERT_EQ(left[k], Signal(i)) << k;
  }
  EXPECT_TRUE(Playing(id));
  // A new play starts it over from the beginning.
  S::Play(id, -1);
  const auto again = Channel(RenderMix(100), 0);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(again[static_cast<size_t>(i)], Signal(i));
}

TEST_F(Streams, AnEightBitStreamEndsInRealSilence) {
  std::vector<uint8_t> pcm(8000 * 6);
  for (size_t i = 0; i < pcm.size(); ++i) pcm[i] = static_cast<uint8_t>(100 + i % 50);
  folder.Write("E.PAK", Entry("E.WAV", Pcm8(8000, 1, pcm)));
  S::SetPackFile("E.PAK");
  const int id = S::LoadStream("E.WAV", 0);
  S::Play(id, -1);
  const auto left = Run(10);
  EXPECT_NE(left[44100 * 5], 0);
  for (size_t i = 44100 * 6 + 10; i < left.size(); ++i) ASSERT_EQ(left[i], 0) << i;
  EXPECT_FALSE(Playing(id));
}

TEST_F(Streams, BadLoopOffsetsAreRefused) {
  for (int offset : {2 * kFrames, 2 * kFrames + 10, -2}) {
    EXPECT_EQ(S::LoadStream("LONG.WAV", offset), -1);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"elSound::LoadStream : ストリーミング再生できません"});
    EXPECT_EQ(S::SoundObject.InUse[0], 0);
  }
  EXPECT_EQ(S::LoadStream("LONG.WAV", 2 * kFrames - 2), 0);
}

TEST_F(Streams, ALostPackIsReportedOnceAndTheStreamStops) {
  const int id = S::LoadStream("LONG.WAV", 0);
  S::PlayLoop(id, -1);
  Run(1);
  std::filesystem::remove(folder.Path("M.PAK"));
  Run(8);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"elSound::Streaming : パックファイル名が指定されていません"});
  EXPECT_FALSE(Playing(id));
  S::Play(id, -1);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"elSound::ResetStream : パックファイル名が指定されていません"});
  EXPECT_FALSE(Playing(id));
  EXPECT_EQ(S::ResetStream(id), 0);
}

TEST_F(Streams, ATruncatedPackIsReportedOnceAndTheStreamStops) {
  const int id = S::LoadStream("LONG.WAV", 0);
  S::PlayLoop(id, -1);
  std::filesystem::resize_file(folder.Path("M.PAK"), 700000);
  Run(8);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"elSound::Streaming : ストリーミング再生できません"});
  EXPECT_FALSE(Playing(id));
}

TEST_F(Streams, RestoreReloadsPackObjectsAndStreamsFromTheirPacks) {
  const int shot_id = S::LoadPack("SHOT.WAV", 1);
  const int stream = S::LoadStream("LONG.WAV", 100);
  S::SetVolume(stream, -5, 0);
  folder.Write("OTHER.PAK", Entry("SHOT.WAV", Pcm16(44100, 1, {9})));
  S::SetPackFile("OTHER.PAK");
  S::Restore();
  EXPECT_TRUE(h.backend().boxes.empty());
  EXPECT_EQ(S::SoundStream.DataSize[stream], 2u * kFrames);
  EXPECT_EQ(S::SoundStream.LoopPoint[stream] - S::SoundStream.DataStart[stream], 100u);
  EXPECT_EQ(S::SoundObject.Volume[stream][0], -500);
  // Slots reload in id order: the shot from the pack set at the time, then
  // the stream from its own pack, which becomes the pack again.
  EXPECT_EQ(platform::SoundBufferBytes(S::SoundObject.Buffers[shot_id][0]), 2u);
  EXPECT_EQ(S::SoundPackPath, folder.Path("M.PAK"));
  S::PlayLoop(stream, -1);
  const auto left = Run(1);
  for (int i = 0; i < 100; ++i) ASSERT_NEAR(left[static_cast<size_t>(i)], Signal(i) * 0.56234, 1.0);
}

}  // namespace
