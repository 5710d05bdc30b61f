// Mix controls (pause, frequency, pan, volume) and the timed echoes.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/frame.h"
#include "engine/sound.h"
#include "platform/mixer.h"
#include "support/sound_fixture.h"

using testing_support::Channel;
using testing_support::Pcm16;
using testing_support::RenderMix;
namespace S = elSound;

namespace {

class MixControls : public testing_support::SoundTest {
 protected:
  void SetUp() override {
    folder.WriteWave("S.WAV", Pcm16(22050, 1, std::vector<int16_t>(2000, 10000)));
    // A short click: 100 frames of a constant level, then silence.
    std::vector<int16_t> click(4410, 0);
    for (int i = 0; i < 100; ++i) click[static_cast<size_t>(i)] = 20000;
    folder.WriteWave("CLICK.WAV", Pcm16(44100, 1, click));
    ASSERT_NO_FATAL_FAILURE(SoundTest::SetUp());
    id = S::LoadObject("S.WAV", 4);
    ASSERT_EQ(id, 0);
  }
  platform::SoundBuffer Buffer(int mix) { return S::SoundObject.Buffers[id][mix]; }

  int id = -1;
};

TEST_F(MixControls, ValuesAreClampedStoredAndHandedToTheBuffer) {
  struct Case {
    void (*op)(int obj, int mix);
    int frequency, pan, volume;
  };
  const Case cases[] = {
      {[](int o, int m) { S::AddFrequency(o, 1000, m); }, 100000, 0, 0},
      {[](int o, int m) { S::AddFrequency(o, -1000, m); }, 100, 0, 0},
      {[](int o, int m) { S::SetFrequency(o, -300, m); }, 100, 0, 0},
      {[](int o, int m) { S::SetFrequency(o, 5, m); }, 22550, 0, 0},
      {[](int o, int m) { S::AddFrequency(o, 3, m); }, 22350, 0, 0},
      {[](int o, int m) { S::SetVolume(o, 5, m); }, 22050, 0, 0},
      {[](int o, int m) { S::SetVolume(o, -150, m); }, 22050, 0, -10000},
      {[](int o, int m) { S::AddVolume(o, -7, m); }, 22050, 0, -700},
      {[](int o, int m) { S::AddPan(o, 150, m); }, 22050, 10000, 0},
      {[](int o, int m) { S::SetPan(o, -42, m); }, 22050, -4200, 0},
      {[](int o, int m) { S::PanLeft(o, m); }, 22050, -10000, 0},
      {[](int o, int m) { S::PanRight(o, m); }, 22050, 10000, 0},
  };
  for (const Case& c : cases) {
    for (int m = 0; m < 4; ++m) {
      S::ResetFrequency(id, m);
      S::ResetPan(id, m);
      S::ResetVolume(id, m);
    }
    c.op(id, 1);
    EXPECT_EQ(S::SoundObject.Frequency[id][1], c.frequency);
    EXPECT_EQ(S::SoundObject.Pan[id][1], c.pan);
    EXPECT_EQ(S::SoundObject.Volume[id][1], c.volume);
    EXPECT_EQ(platform::SoundBufferFrequency(Buffer(1)), c.frequency);
    EXPECT_EQ(S::SoundObject.Frequency[id][0], 22050);  // other mixes untouched
  }
}

TEST_F(MixControls, SelectorNamesOneMixTheNextOrAll) {
  S::Play(id, -1);  // next mix is now 1
  S::SetVolume(id, -1, -2);
  EXPECT_EQ(S::SoundObject.Volume[id][1], -100);
  EXPECT_EQ(S::SoundObject.Volume[id][0], 0);
  S::SetVolume(id, -2, -1);
  for (int m = 0; m < 4; ++m) EXPECT_EQ(S::SoundObject.Volume[id][m], -200);
  S::SetVolume(id, -3, -7);
  for (int m = 0; m < 4; ++m) EXPECT_EQ(S::SoundObject.Volume[id][m], -300);
}

TEST_F(MixControls, VolumeAndPanAreHeard) {
  S::SetVolume(id, -6, 0);
  S::SetPan(id, 10, 0);
  S::Play(id, 0);
  const auto out = RenderMix(4);
  EXPECT_NEAR(out[2], 10000 * std::pow(10.0, -16.0 / 20), 1.0);  // left: volume and pan
  EXPECT_NEAR(out[3], 10000 * std::pow(10.0, -6.0 / 20), 1.0);
}

TEST_F(MixControls, PauseTwiceResumesWhereItWas) {
  S::PlayLoop(id, 0);
  RenderMix(1000);  // 500 source frames at half the rate
  S::Pause(id, 0);
  EXPECT_FALSE(Playing(id, 0));
  EXPECT_EQ(S::SoundObject.PausePosition[id][0], 1000);
  RenderMix(100);
  EXPECT_EQ(platform::SoundBufferPosition(Buffer(0)), 1000u);
  S::Pause(id, 0);
  EXPECT_EQ(platform::SoundBufferStatus(Buffer(0)), platform::SoundPlaying | platform::SoundLooping);

  // Every negative mix toggles each mix by itself: the playing one stops, the
  // stopped ones start from their saved positions (0 when never paused).
  S::Play(id, 1);
  S::Pause(id, 1);
  S::Pause(id, -2);
  EXPECT_FALSE(Playing(id, 0));
  EXPECT_TRUE(Playing(id, 1));
  EXPECT_TRUE(Playing(id, 2));
  EXPECT_TRUE(Playing(id, 3));
  EXPECT_EQ(platform::SoundBufferStatus(Buffer(3)), platform::SoundPlaying);  // last started by Play
  EXPECT_EQ(platform::SoundBufferPosition(Buffer(3)), 0u);
}

TEST_F(MixControls, EchoesFollowAtTheIntervalEachQuieter) {
  const int click = S::LoadObject("CLICK.WAV", 4);
  S::SetVolume(click, -20, -1);
  S::SetPan(click, 30, -1);
  elSystem::FrameStep = 0.05f;  // 2205 output frames per call
  S::Play(click, -2);
  // The echo start puts every mix back to full volume and the centre.
  for (int m = 0; m < 4; ++m) EXPECT_EQ(S::SoundObject.Volume[click][m], 0);
  EXPECT_EQ(S::SoundObject.Pan[click][2], 0);
  EXPECT_EQ(S::SoundObject.EchoCount[click], 1);
  std::vector<int16_t> left;
  for (int call = 0; call < 10; ++call) {
    const auto l = Channel(RenderMix(2205), 0);
    left.insert(left.end(), l.begin(), l.end());
    S::Echo(click, 100, 3, 10);
  }
  // The first sound, then three echoes 100 ms apart at -10, -20 and -30 dB.
  const double levels[] = {20000, 20000 * std::pow(10.0, -0.5), 2000, 20000 * std::pow(10.0, -1.5)};
  for (int k = 0; k < 4; ++k) {
    const size_t at = static_cast<size_t>(k) * 4410;
    EXPECT_NEAR(left[at], levels[k], 1.0) << k;
    EXPECT_NEAR(left[at + 99], levels[k], 1.0) << k;
    EXPECT_EQ(left[at + 100], 0) << k;
    EXPECT_EQ(left[at - (k ? 1 : 0)], k ? 0 : left[0]) << k;
  }
  for (size_t i = 4 * 4410; i < left.size(); ++i) ASSERT_EQ(left[i], 0) << i;
  EXPECT_EQ(S::SoundObject.EchoCount[click], 0);
  EXPECT_EQ(S::SoundObject.Volume[click][3], -3000);
  EXPECT_EQ(S::SoundObject.Looping[click], 0);
}

TEST_F(MixControls, EchoNeedsAStartAndStopEndsIt) {
  elSystem::FrameStep = 1.0f;
  S::Echo(id, 10, 3, 10);  // never started
  EXPECT_FALSE(Playing(id, 0));
  S::PlayLoop(id, -2);
  EXPECT_EQ(S::SoundObject.EchoLooping[id], 1);
  S::Echo(id, 10, 0, 10);  // no repeats: nothing
  EXPECT_FALSE(Playing(id, 1));
  S::Echo(id, 10, 3, 10);
  EXPECT_EQ(platform::SoundBufferStatus(Buffer(1)), platform::SoundPlaying | platform::SoundLooping);
  S::Stop(id, -1);
  EXPECT_EQ(S::SoundObject.EchoCount[id], 0);
  S::Echo(id, 10, 3, 10);
  EXPECT_FALSE(Playing(id, 2));
  // A one-mix object cannot echo.
  const int single = S::LoadObject("S.WAV", 1);
  S::Play(single, -2);
  EXPECT_EQ(S::SoundObject.EchoCount[single], -1);
}

TEST_F(MixControls, PannedEchoMovesAndTurnsAtThirtyHundredUnits) {
  elSystem::FrameStep = 0.1f;
  S::Play(id, -2);
  const int direction = S::SoundObject.EchoPanDirection[id];
  ASSERT_TRUE(direction == 1 || direction == -1);
  // 0.1 s x 100 x 20 = 200 units of 100 per echo: clamped to 30 at once.
  S::EchoPan(id, 50, 5, 1, 20);
  EXPECT_FLOAT_EQ(S::SoundObject.EchoPan[id], 30.0f * direction);
  EXPECT_EQ(S::SoundObject.Pan[id][1], 3000 * direction);
  EXPECT_EQ(S::SoundObject.EchoPanDirection[id], -direction);
  S::EchoPan(id, 50, 5, 1, 1);  // 10 back the other way
  EXPECT_EQ(S::SoundObject.Pan[id][2], 2000 * direction);

  // With no pan speed every echo stays where the sequence started.
  S::Play(id, -2);
  for (int k = 0; k < 3; ++k) S::EchoPan(id, 50, 5, 1, 0);
  for (int m = 0; m < 4; ++m) EXPECT_EQ(S::SoundObject.Pan[id][m], 0);
}

}  // namespace
