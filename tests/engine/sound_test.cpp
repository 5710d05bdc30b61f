// Sound objects: loading, the mixes played in turn, stopping, releasing,
// reloading, the output format and the error boxes of every failure.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/sound.h"
#include "platform/mixer.h"
#include "support/sound_fixture.h"

using testing_support::Channel;
using testing_support::Pcm16;
using testing_support::RenderMix;
namespace S = elSound;

namespace {

std::vector<int16_t> Ramp(int n, int start = 100) {
  std::vector<int16_t> s(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) s[static_cast<size_t>(i)] = static_cast<int16_t>(start + 11 * i);
  return s;
}

class SoundObjects : public testing_support::SoundTest {
 protected:
  void SetUp() override {
    folder.WriteWave("SOUND/SHOT.WAV", Pcm16(44100, 1, shot));
    SoundTest::SetUp();
  }

  std::vector<int16_t> shot = Ramp(600);
};

TEST_F(SoundObjects, OneMixObjectPlaysExactlyAndRestartsFromItsStart) {
  const int id = S::LoadObject("SOUND/SHOT.WAV", 1);
  ASSERT_EQ(id, 0);
  EXPECT_EQ(S::SoundObject.MixCount[id], 1);
  EXPECT_EQ(S::SoundObject.EchoCount[id], -1);
  EXPECT_EQ(S::SoundObject.BaseFrequency[id], 44100);
  EXPECT_EQ(S::SoundObject.Frequency[id][0], 44100);
  EXPECT_STREQ(S::SoundObject.Name[id], "SOUND/SHOT.WAV");
  EXPECT_EQ(S::SoundObject.FromPack[id], 0);

  S::Play(id, -1);
  auto left = Channel(RenderMix(400), 0);
  for (int i = 0; i < 400; ++i) ASSERT_EQ(left[i], shot[i]) << i;
  EXPECT_EQ(S::GetPosition(id), 800u);
  // The game plays every sound with -1: a sound still playing starts over.
  S::Play(id, -1);
  EXPECT_EQ(S::SoundObject.NextMix[id], 0);
  const auto out = RenderMix(700);
  left = Channel(out, 0);
  const auto right = Channel(out, 1);
  for (int i = 0; i < 600; ++i) ASSERT_EQ(left[i], shot[i]) << i;
  for (int i = 0; i < 600; ++i) ASSERT_EQ(right[i], shot[i]) << i;
  EXPECT_EQ(left[650], 0);
  EXPECT_FALSE(Playing(id, 0));
}

TEST_F(SoundObjects, MixesArePlayedInTurn) {
  const int id = S::LoadObject("SOUND/SHOT.WAV", 3);
  ASSERT_GE(id, 0);
  EXPECT_EQ(S::SoundObject.EchoCount[id], 0);
  const int expected[] = {0, 1, 2, 0};
  for (int m : expected) {
    EXPECT_EQ(S::SoundObject.NextMix[id], m);
    S::Play(id, -1);
    EXPECT_TRUE(Playing(id, m));
  }
  EXPECT_EQ(S::SoundObject.NextMix[id], 1);
  // Three overlapping plays sum; a named mix leaves the turn alone.
  RenderMix(100);
  S::Stop(id, 0);
  EXPECT_FALSE(Playing(id, 0));
  EXPECT_TRUE(Playing(id, 1));
  S::PlayLoop(id, 2);
  EXPECT_EQ(S::SoundObject.NextMix[id], 1);
  EXPECT_EQ(S::SoundObject.Looping[id], 1);
  EXPECT_EQ(platform::SoundBufferStatus(S::SoundObject.Buffers[id][2]),
            platform::SoundPlaying | platform::SoundLooping);
  S::Stop(id, -1);
  for (int m = 0; m < 3; ++m) EXPECT_FALSE(Playing(id, m));
  EXPECT_EQ(platform::SoundBufferPosition(S::SoundObject.Buffers[id][1]), 0u);
}

TEST_F(SoundObjects, NegativeMixCountGivesMixesWithoutEcho) {
  const int id = S::LoadObject("SOUND/SHOT.WAV", -3);
  ASSERT_GE(id, 0);
  EXPECT_EQ(S::SoundObject.MixCount[id], 3);
  EXPECT_EQ(S::SoundObject.EchoCount[id], -1);
  S::SetVolume(id, -10, -1);
  S::Play(id, -2);  // no echo start, so no reset of the volume
  EXPECT_EQ(S::SoundObject.Volume[id][0], -1000);
  EXPECT_EQ(S::SoundObject.EchoCount[id], -1);
  EXPECT_EQ(S::SoundObject.NextMix[id], 1);
}

TEST_F(SoundObjects, LoadFailuresReportAndKeepNothing) {
  folder.Write("SOUND/TEXT.WAV", {'h', 'e', 'l', 'l', 'o'});
  folder.WriteWave("SOUND/24BIT.WAV", [] {
    auto w = Pcm16(44100, 1, {1, 2, 3});
    w.format.bits_per_sample = 24;
    w.format.block_align = 3;
    return w;
  }());
  folder.WriteWave("SOUND/RATE0.WAV", Pcm16(0, 1, {1, 2}));
  folder.WriteWave("SOUND/EMPTY.WAV", Pcm16(44100, 1, {}));
  struct Case {
    const char* name;
    int mixes;
    const char* box;
  };
  const Case cases[] = {
      {"SOUND/SHOT.WAV", 11, "elSound::LoadObject : ミックス数が多過ぎます"},
      {"SOUND/SHOT.WAV", -11, "elSound::LoadObject : ミックス数が多過ぎます"},
      {"SOUND/SHOT.WAV", 0, "elSound::LoadObject : ミックス数が多過ぎます"},
      {"SOUND/NONE.WAV", 1, "elSound::LoadObject : WAVEリソースが見つかりません"},
      {"SOUND/TEXT.WAV", 1, "elSound::LoadObject : WAVEリソースが見つかりません"},
      {"SOUND/24BIT.WAV", 2, "elSound::LoadObject : サウンドバッファが生成できません"},
      {"SOUND/RATE0.WAV", 1, "elSound::LoadObject : サウンドバッファが生成できません"},
      {"SOUND/EMPTY.WAV", 1, "elSound::LoadObject : サウンドバッファが生成できません"},
      {"SOUND/ABCDEFGHIJKLMNOPQRSTU.WAV", 1, "elSound::LoadObject : ファイル名またはリソース名が長すぎます"},
  };
  for (const Case& c : cases) {
    h.backend().boxes.clear();
    EXPECT_EQ(S::LoadObject(c.name, c.mixes), -1) << c.name;
    ASSERT_EQ(Boxes(), std::vector<std::string>{c.box}) << c.name << " " << c.mixes;
    for (int i = 0; i < S::ObjectCount; ++i) ASSERT_EQ(S::SoundObject.InUse[i], 0) << c.name;
  }
  // Ten mixes and a 30-character name are within the limits.
  folder.WriteWave("SOUND/ABCDEFGHIJKLMNOPQRST.WAV", Pcm16(8000, 1, {1, 2}));
  EXPECT_EQ(S::LoadObject("SOUND/ABCDEFGHIJKLMNOPQRST.WAV", 10), 0);
  EXPECT_EQ(S::SoundObject.MixCount[0], 10);
}

TEST_F(SoundObjects, TheSeventyFirstObjectIsRefused) {
  for (int i = 0; i < S::ObjectCount; ++i) ASSERT_EQ(S::LoadObject("sound/shot.wav", 1), i);
  EXPECT_TRUE(h.backend().boxes.empty());
  EXPECT_EQ(S::LoadObject("SOUND/SHOT.WAV", 1), -1);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"elSound::LoadObject : オブジェクト数が多過ぎます"});
  S::ReleaseObject(33);
  EXPECT_EQ(S::LoadObject("SOUND/SHOT.WAV", 1), 33);
}

TEST_F(SoundObjects, IdsThatAreNotLoadedAreIgnoredEverywhere) {
  const int id = S::LoadObject("SOUND/SHOT.WAV", 2);
  const int ids[] = {-1, 5, 69, 70, 1000, -1000};
  for (int bad : ids) {
    S::Play(bad, -1);
    S::Play(bad, 0);
    S::PlayLoop(bad, -2);
    S::Stop(bad, -1);
    S::Pause(bad, -1);
    S::SetVolume(bad, -5, -1);
    S::AddFrequency(bad, 3, -2);
    S::SetFrequency(bad, 3, 0);
    S::ResetFrequency(bad, -1);
    S::PanLeft(bad, -1);
    S::Echo(bad, 10, 3, 10);
    S::EchoPan(bad, 10, 3, 10, 5);
    S::ReleaseObject(bad);
    EXPECT_EQ(S::GetPosition(bad), 0u);
    EXPECT_EQ(S::ResetStream(bad), 0);
  }
  // Mixes beyond the object's count are ignored too.
  S::Play(id, 2);
  S::Play(id, 9);
  S::SetVolume(id, -5, 7);
  EXPECT_FALSE(Playing(id, 0));
  EXPECT_TRUE(h.backend().boxes.empty());
}

TEST_F(SoundObjects, WithoutADeviceEverythingIsSilentAndQuiet) {
  struct NoDevice : platform::AudioOutput {
    bool Start() override { return false; }
    void Stop() override {}
  } none;
  S::Reset();
  platform::SetAudioOutput(&none);
  EXPECT_EQ(S::Init(), 0);
  EXPECT_EQ(S::SoundAvailable, 0);
  S::EmptyObjects();
  EXPECT_EQ(S::LoadObject("SOUND/SHOT.WAV", 1), -1);
  EXPECT_EQ(S::LoadObject("SOUND/SHOT.WAV", 99), -1);
  S::SetPackFile("X.PAK");
  EXPECT_EQ(S::LoadPack("SHOT.WAV", 1), -1);
  EXPECT_EQ(S::LoadStream("SHOT.WAV", 0), -1);
  EXPECT_EQ(S::SelectFormat(2, 44, 16), 1);
  EXPECT_EQ(S::Streaming(), 0);
  S::Play(-1, -1);
  S::Play(0, -1);
  S::Restore();
  S::PlayWaveSync(folder.Path("SOUND/SHOT.WAV").c_str());
  EXPECT_TRUE(h.backend().boxes.empty());
  platform::SetAudioOutput(nullptr);
}

TEST_F(SoundObjects, ReleaseObjectFreesTheSlot) {
  const int id = S::LoadObject("SOUND/SHOT.WAV", 2);
  const platform::SoundBuffer b = S::SoundObject.Buffers[id][1];
  S::SetPan(id, 10, -1);
  S::ReleaseObject(id);
  EXPECT_EQ(S::SoundObject.InUse[id], 0);
  EXPECT_EQ(S::SoundObject.MixCount[id], 1);
  EXPECT_EQ(S::SoundObject.BaseFrequency[id], 0);
  EXPECT_STREQ(S::SoundObject.Name[id], "");
  EXPECT_EQ(S::SoundObject.Pan[id][1], 0);
  EXPECT_EQ(S::SoundObject.Buffers[id][1], 0u);
  EXPECT_FALSE(platform::SoundBufferValid(b));
}

TEST_F(SoundObjects, RestoreReloadsEveryObjectWithItsSettings) {
  const int a = S::LoadObject("SOUND/SHOT.WAV", 3);
  const int b = S::LoadObject("SOUND/SHOT.WAV", 1);
  S::SetFrequency(a, 10, 1);
  S::SetVolume(a, -20, 1);
  S::PanRight(a, 1);
  S::Play(a, -1);
  S::Play(a, -1);
  S::Release();
  EXPECT_EQ(S::SoundDevice, 0);
  EXPECT_EQ(S::SoundObject.InUse[a], 1);
  EXPECT_EQ(S::SoundObject.Buffers[a][0], 0u);
  S::Play(b, -1);  // nothing to play, nothing breaks
  S::Restore();
  EXPECT_EQ(S::SoundDevice, 1);
  for (int m = 0; m < 3; ++m) EXPECT_TRUE(platform::SoundBufferValid(S::SoundObject.Buffers[a][m]));
  EXPECT_EQ(S::SoundObject.NextMix[a], 2);
  EXPECT_EQ(S::SoundObject.BaseFrequency[a], 44100);
  EXPECT_EQ(platform::SoundBufferFrequency(S::SoundObject.Buffers[a][1]), 45100);
  EXPECT_EQ(S::SoundObject.Volume[a][1], -2000);
  EXPECT_EQ(S::SoundObject.Pan[a][1], 10000);
  EXPECT_EQ(S::SoundObject.EchoCount[a], 0);
  EXPECT_TRUE(platform::SoundBufferValid(S::SoundObject.Buffers[b][0]));
  // A reloaded mix plays its sample again.
  S::Play(b, -1);
  const auto left = Channel(RenderMix(10), 0);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(left[i], shot[i]);
  EXPECT_TRUE(h.backend().boxes.empty());
}

TEST_F(SoundObjects, ARefusedFormatKeepsTheObjectsUntilAnAcceptedOneReloadsThem) {
  const int id = S::LoadObject("SOUND/SHOT.WAV", 2);
  S::AddVolume(id, -3, 0);
  EXPECT_EQ(S::SelectFormat(2, 22, 16), 1);
  EXPECT_TRUE(platform::SoundBufferValid(S::SoundObject.Buffers[id][1]));
  EXPECT_EQ(S::SoundObject.Volume[id][0], -300);
  EXPECT_TRUE(h.backend().boxes.empty());

  EXPECT_EQ(S::SelectFormat(2, 44, 12), 0);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"elSound::SelectFormat : 再生フォーマットを変更できません"});
  // The id stays taken, without buffers: its plays are silent and the next
  // load gets a slot of its own.
  EXPECT_EQ(S::SoundObject.InUse[id], 1);
  EXPECT_EQ(S::SoundObject.Buffers[id][0], 0u);
  S::Play(id, -1);
  EXPECT_EQ(Channel(RenderMix(10), 0), std::vector<int16_t>(10, 0));
  const std::vector<int16_t> bom = Ramp(300, -2000);
  folder.WriteWave("SOUND/BOM.WAV", Pcm16(44100, 1, bom));
  const int other = S::LoadObject("SOUND/BOM.WAV", 1);
  EXPECT_EQ(other, id + 1);

  // An accepted format brings the first object back with its own sample.
  EXPECT_EQ(S::SelectFormat(2, 44, 16), 1);
  EXPECT_TRUE(platform::SoundBufferValid(S::SoundObject.Buffers[id][1]));
  EXPECT_EQ(S::SoundObject.Volume[id][0], -300);
  S::Play(id, 1);
  const auto left = Channel(RenderMix(10), 0);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(left[i], shot[i]) << i;
  EXPECT_TRUE(h.backend().boxes.empty());
}

TEST_F(SoundObjects, ABrokenFileAtReloadKeepsTheObjectSilent) {
  const int id = S::LoadObject("SOUND/SHOT.WAV", 1);
  folder.Write("SOUND/SHOT.WAV", {'R', 'I', 'F', 'F'});
  S::Restore();
  EXPECT_EQ(Boxes(), std::vector<std::string>{"elSound::LoadObject : WAVEリソースが見つかりません"});
  EXPECT_EQ(S::SoundObject.Buffers[id][0], 0u);
  S::Play(id, -1);
  EXPECT_EQ(S::GetPosition(id), 0u);
}

TEST_F(SoundObjects, SynchronousPlayLeavesTheObjectsPlayable) {
  const int id = S::LoadObject("SOUND/SHOT.WAV", 1);
  S::PlayWaveSync(folder.Path("SOUND/SHOT.WAV").c_str());
  EXPECT_EQ(S::SoundDevice, 1);
  EXPECT_TRUE(platform::SoundDeviceOpen());
  S::Play(id, -1);
  EXPECT_EQ(Channel(RenderMix(3), 0), std::vector<int16_t>(shot.begin(), shot.begin() + 3));
  S::PlayWaveSync("/nonexistent.wav");
  EXPECT_TRUE(platform::SoundBufferValid(S::SoundObject.Buffers[id][0]));
}

}  // namespace
