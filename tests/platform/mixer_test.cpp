// The software mixer rendered offline: exact samples, gains, resampling,
// looping, cursors, locking, the music and a machine without sound.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/mixer.h"
#include "platform/music_source.h"
#include "support/sound_files.h"

using namespace platform;
using testing_support::Channel;
using testing_support::RenderMix;

namespace {

class Mixer : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(OpenSoundDevice()); }
  void TearDown() override { CloseSoundDevice(); }

  static SoundBuffer Mono16(const std::vector<int16_t>& s, int rate = MixerRate) {
    const auto bytes = static_cast<uint32_t>(s.size() * 2);
    const SoundBuffer b = CreateSoundBuffer(PcmFormat{1, rate, 16}, bytes);
    EXPECT_TRUE(WriteSoundBuffer(b, 0, s.data(), bytes));
    return b;
  }
};

std::vector<int16_t> Ramp(int n) {
  std::vector<int16_t> s(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) s[static_cast<size_t>(i)] = static_cast<int16_t>(i * 37 - 9000);
  return s;
}

TEST_F(Mixer, PlaysSampleExactAtFullVolumeAndCentreThenStops) {
  const auto samples = Ramp(700);
  const SoundBuffer b = Mono16(samples);
  ASSERT_TRUE(PlaySoundBuffer(b, false));
  EXPECT_EQ(SoundBufferStatus(b), SoundPlaying);
  const auto out = RenderMix(1000);  // crosses a 512-frame block
  const auto left = Channel(out, 0), right = Channel(out, 1);
  for (int i = 0; i < 700; ++i) {
    ASSERT_EQ(left[i], samples[i]) << i;
    ASSERT_EQ(right[i], samples[i]) << i;
  }
  for (int i = 700; i < 1000; ++i) ASSERT_EQ(left[i], 0) << i;
  EXPECT_EQ(SoundBufferStatus(b), 0u);
  EXPECT_EQ(SoundBufferPosition(b), 0u);
}

TEST_F(Mixer, EightBitAndStereoFormatsAreConverted) {
  const SoundBuffer b = CreateSoundBuffer(PcmFormat{2, MixerRate, 8}, 4);
  const uint8_t pcm[4] = {192, 64, 128, 0};
  ASSERT_TRUE(WriteSoundBuffer(b, 0, pcm, 4));
  PlaySoundBuffer(b, false);
  const auto out = RenderMix(3);
  EXPECT_EQ(out[0], 16384);
  EXPECT_EQ(out[1], -16384);
  EXPECT_EQ(out[2], 0);
  EXPECT_EQ(out[3], -32768);
  EXPECT_EQ(out[4], 0);
}

TEST_F(Mixer, VolumeAndPanSetTheGainOfEachSide) {
  struct Case {
    int volume, pan;
    double left_db, right_db;  // expected attenuation in decibels
  };
  const Case cases[] = {
      {0, 0, 0, 0},       {-600, 0, -6, -6},    {0, -1000, 0, -10},  {0, 2000, -20, 0},
      {-300, 500, -8, -3}, {0, 10000, -100, 0}, {-10000, 0, -100, -100},
  };
  for (const Case& c : cases) {
    const SoundBuffer b = Mono16(std::vector<int16_t>(64, 16000));
    ASSERT_TRUE(SetSoundBufferVolume(b, c.volume));
    ASSERT_TRUE(SetSoundBufferPan(b, c.pan));
    PlaySoundBuffer(b, false);
    const auto out = RenderMix(1);
    EXPECT_NEAR(out[0], 16000 * std::pow(10.0, c.left_db / 20), 1.0) << c.volume << " " << c.pan;
    EXPECT_NEAR(out[1], 16000 * std::pow(10.0, c.right_db / 20), 1.0) << c.volume << " " << c.pan;
    ReleaseSoundBuffer(b);
  }
}

TEST_F(Mixer, FrequencySetsTheRateWithInterpolation) {
  const SoundBuffer fast = Mono16(Ramp(400));
  ASSERT_TRUE(SetSoundBufferFrequency(fast, 2 * MixerRate));
  EXPECT_EQ(SoundBufferFrequency(fast), 2 * MixerRate);
  PlaySoundBuffer(fast, false);
  auto left = Channel(RenderMix(400), 0);
  EXPECT_EQ(left[0], Ramp(400)[0]);
  EXPECT_EQ(left[1], Ramp(400)[2]);
  EXPECT_NE(left[199], 0);
  EXPECT_EQ(left[200], 0);  // doubled frequency, half the duration
  ReleaseSoundBuffer(fast);

  // At half the rate each second output sample lies between two source ones.
  const SoundBuffer slow = Mono16({0, 1000, 2000, 3000});
  SetSoundBufferFrequency(slow, MixerRate / 2);
  PlaySoundBuffer(slow, false);
  left = Channel(RenderMix(10), 0);
  const std::vector<int16_t> expected = {0, 500, 1000, 1500, 2000, 2500, 3000, 3000, 0, 0};
  EXPECT_EQ(left, expected);
}

TEST_F(Mixer, LoopingWrapsAndStopKeepsTheCursor) {
  const auto s = Ramp(100);
  const SoundBuffer b = Mono16(s);
  PlaySoundBuffer(b, true);
  EXPECT_EQ(SoundBufferStatus(b), SoundPlaying | SoundLooping);
  const auto left = Channel(RenderMix(250), 0);
  for (int i = 0; i < 250; ++i) ASSERT_EQ(left[i], s[i % 100]) << i;
  EXPECT_EQ(SoundBufferPosition(b), 50u * 2);
  StopSoundBuffer(b);
  EXPECT_EQ(Channel(RenderMix(5), 0), std::vector<int16_t>(5, 0));
  EXPECT_EQ(SoundBufferPosition(b), 100u);
  ASSERT_TRUE(SetSoundBufferPosition(b, 21));  // rounded down to a frame
  EXPECT_EQ(SoundBufferPosition(b), 20u);
  PlaySoundBuffer(b, false);
  EXPECT_EQ(Channel(RenderMix(1), 0)[0], s[10]);
}

TEST_F(Mixer, OutOfRangeRequestsAreRefused) {
  const SoundBuffer b = Mono16(Ramp(10));
  EXPECT_FALSE(SetSoundBufferFrequency(b, 99));
  EXPECT_FALSE(SetSoundBufferFrequency(b, 100001));
  EXPECT_TRUE(SetSoundBufferFrequency(b, 100));
  EXPECT_FALSE(SetSoundBufferVolume(b, 1));
  EXPECT_FALSE(SetSoundBufferVolume(b, -10001));
  EXPECT_FALSE(SetSoundBufferPan(b, 10001));
  EXPECT_FALSE(SetSoundBufferPosition(b, 20));
  LockedRegions r;
  EXPECT_FALSE(LockSoundBuffer(b, 20, 1, r));
  EXPECT_FALSE(LockSoundBuffer(b, 0, 21, r));
  EXPECT_FALSE(LockSoundBuffer(b, 0, 0, r));
  // Formats and sizes a buffer cannot take.
  EXPECT_EQ(CreateSoundBuffer(PcmFormat{1, 44100, 24}, 30), 0u);
  EXPECT_EQ(CreateSoundBuffer(PcmFormat{3, 44100, 16}, 30), 0u);
  EXPECT_EQ(CreateSoundBuffer(PcmFormat{1, 0, 16}, 30), 0u);
  EXPECT_EQ(CreateSoundBuffer(PcmFormat{1, 100001, 16}, 30), 0u);
  EXPECT_EQ(CreateSoundBuffer(PcmFormat{2, 44100, 16}, 3), 0u);
}

TEST_F(Mixer, LockWrapsIntoTwoRegions) {
  const SoundBuffer b = Mono16(std::vector<int16_t>(8, 0));
  LockedRegions r;
  ASSERT_TRUE(LockSoundBuffer(b, 12, 8, r));
  EXPECT_EQ(r.first_bytes, 4u);
  EXPECT_EQ(r.second_bytes, 4u);
  std::memset(r.first, 0x11, r.first_bytes);
  std::memset(r.second, 0x22, r.second_bytes);
  UnlockSoundBuffer(b);
  UnlockSoundBuffer(b);  // an unpaired unlock does no harm
  PlaySoundBuffer(b, false);
  const auto left = Channel(RenderMix(8), 0);
  EXPECT_EQ(left[0], 0x2222);
  EXPECT_EQ(left[6], 0x1111);
  EXPECT_EQ(left[3], 0);
}

TEST_F(Mixer, ReleasedAndStaleHandlesAreIgnored) {
  const SoundBuffer a = Mono16(Ramp(10));
  ReleaseSoundBuffer(a);
  EXPECT_FALSE(SoundBufferValid(a));
  const SoundBuffer b = Mono16(Ramp(10));  // reuses the slot
  EXPECT_NE(a, b);
  EXPECT_FALSE(PlaySoundBuffer(a, false));
  EXPECT_FALSE(PlaySoundBuffer(0, false));
  EXPECT_EQ(SoundBufferStatus(b), 0u);
  ReleaseSoundBuffer(a);
  EXPECT_TRUE(SoundBufferValid(b));
  CloseSoundDevice();
  EXPECT_FALSE(SoundBufferValid(b));
}

TEST_F(Mixer, SumIsClampedAndMusicIsAdded) {
  const SoundBuffer a = Mono16(std::vector<int16_t>(4, 30000));
  const SoundBuffer b = Mono16(std::vector<int16_t>(4, -30000));
  PlaySoundBuffer(a, false);
  auto out = RenderMix(1);
  EXPECT_EQ(out[0], 30000);
  PlaySoundBuffer(b, false);
  SetSoundBufferPosition(b, 2);
  struct Quarter : MusicSource {
    void Render(float* out, int frames, int rate) override {
      EXPECT_EQ(rate, MixerRate);
      for (int i = 0; i < 2 * frames; ++i) out[i] += 0.25f;
    }
  } music;
  SetMusicSource(&music);
  out = RenderMix(1);
  EXPECT_EQ(out[0], 8192);  // 30000 - 30000 + a quarter of full scale
  SetSoundBufferPosition(b, 6);
  StopSoundBuffer(b);
  SetMusicSource(nullptr);
  const SoundBuffer c = Mono16(std::vector<int16_t>(4, 30000));
  PlaySoundBuffer(c, false);
  out = RenderMix(1);
  EXPECT_EQ(out[0], 32767);
  EXPECT_EQ(out[1], 32767);
}

// A song may make the music slow to render; the game's sound calls (one for
// every shot) and its opening of the next song must not wait for it.
TEST_F(Mixer, TheGameDoesNotWaitForASlowMusicBlock) {
  using Clock = std::chrono::steady_clock;
  struct Slow : MusicSource {
    std::atomic<bool> entered{false}, release{false};
    void Render(float*, int, int) override {
      entered = true;
      const auto until = Clock::now() + std::chrono::seconds(2);
      while (!release && Clock::now() < until) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  } music;
  const SoundBuffer shot = Mono16(Ramp(100));
  SetMusicSource(&music);
  std::thread output([] {
    int16_t block[2 * MixerMaxBlock];
    MixerRender(block, MixerMaxBlock);
  });
  while (!music.entered) std::this_thread::yield();
  const auto start = Clock::now();
  EXPECT_TRUE(PlaySoundBuffer(shot, false));
  EXPECT_TRUE(WriteSoundBuffer(shot, 0, nullptr, 8));
  EXPECT_TRUE(SetSoundBufferVolume(shot, -600));
  SoundBufferStatus(shot);
  const auto sounds = Clock::now() - start;
  SetMusicSource(&music);  // the next song goes through the same source
  const auto again = Clock::now() - start - sounds;
  music.release = true;
  output.join();
  SetMusicSource(nullptr);
  EXPECT_LT(sounds, std::chrono::milliseconds(500));
  EXPECT_LT(again, std::chrono::milliseconds(500));
}

TEST(MixerDevice, AMachineWithoutSoundHasNoDevice) {
  struct NoDevice : AudioOutput {
    bool Start() override { return false; }
    void Stop() override { ADD_FAILURE() << "never started"; }
  } none;
  SetAudioOutput(&none);
  EXPECT_FALSE(OpenSoundDevice());
  EXPECT_FALSE(SoundDeviceOpen());
  EXPECT_EQ(CreateSoundBuffer(PcmFormat{1, 44100, 16}, 4), 0u);
  EXPECT_FALSE(SetPrimaryFormat(2, 44100, 16));
  SetAudioOutput(nullptr);

  struct Counting : AudioOutput {
    int starts = 0, stops = 0;
    bool Start() override { return ++starts, true; }
    void Stop() override { ++stops; }
  } counting;
  SetAudioOutput(&counting);
  EXPECT_TRUE(OpenSoundDevice());
  EXPECT_TRUE(OpenSoundDevice());  // reopening closes first
  CloseSoundDevice();
  EXPECT_EQ(counting.starts, 2);
  EXPECT_EQ(counting.stops, 2);
  SetAudioOutput(nullptr);
}

TEST(MixerDevice, PrimaryFormatTakesWhatAPrimaryBufferCould) {
  ASSERT_TRUE(OpenSoundDevice());
  EXPECT_TRUE(SetPrimaryFormat(1, 22050, 8));
  EXPECT_TRUE(SetPrimaryFormat(2, 44100, 16));
  EXPECT_FALSE(SetPrimaryFormat(2, 44100, 12));
  EXPECT_FALSE(SetPrimaryFormat(0, 44100, 16));
  EXPECT_FALSE(SetPrimaryFormat(2, 44, 16));
  CloseSoundDevice();
}

TEST(MixerDevice, SynchronousPlayRendersTheWholeFile) {
  testing_support::SoundFolder folder;
  folder.WriteWave("a.wav", testing_support::Pcm16(22050, 1, std::vector<int16_t>(1000, 5)));
  EXPECT_EQ(PlayWaveFileSync(folder.Path("A.WAV")), 2000);
  EXPECT_FALSE(SoundDeviceOpen());  // opened for the play alone
  EXPECT_EQ(PlayWaveFileSync(folder.Path("none.wav")), -1);
  folder.WriteWave("b.wav", testing_support::Pcm16(0, 1, {1, 2}));
  EXPECT_EQ(PlayWaveFileSync(folder.Path("b.wav")), -1);
}

}  // namespace
