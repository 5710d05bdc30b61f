// The FluidSynth sequencer: rendered sound, the seamless loop and its end
// notification, stop and seek, a missing soundfont, the rate it renders at,
// and commands racing the mixer's thread.
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "platform/messages.h"
#include "platform/midi_file.h"
#include "platform/midi_sequencer.h"
#include "support/midi_songs.h"

using platform::Msg;
using platform::SequenceMode;
using testing_support::Onset;
using testing_support::Peak;

namespace {

constexpr int Rate = 44100;
constexpr float Audible = 0.01f;  // above this a frame is heard
constexpr float Clear = 0.03f;    // a note's peak is well above this

bool HaveSoundFont() {
  for (const std::string& p : platform::DefaultSoundFontPaths())
    if (access(p.c_str(), R_OK) == 0) return true;
  return false;
}

// The notifications in the queue, in order (other messages are dropped).
std::vector<platform::WParam> TakeNotifies() {
  std::vector<platform::WParam> codes;
  platform::Message m;
  while (platform::PeekMessage(m))
    if (m.msg == Msg::MciNotify) codes.push_back(m.wparam);
  return codes;
}

class MidiSequencerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetSoundFontPaths({});
    platform::ResetMessageQueue();
  }
  void TearDown() override {
    seq.Close();
    platform::SetSoundFontPaths({});
    platform::ResetMessageQueue();
  }

  void OpenSong(const platform::MidiSong& song) {
    std::string problem;
    ASSERT_TRUE(seq.Open(platform::WriteMidiFile(song), &problem)) << problem;
  }

  // Renders `frames` more frames in mixer-sized blocks, appending to audio;
  // returns the frame (from the start of audio) of the block in which the
  // first notification was posted, or SIZE_MAX.
  size_t RenderFrames(size_t frames, int rate = Rate, int block = 512) {
    size_t posted_at = SIZE_MAX;
    for (size_t done = 0; done < frames; done += static_cast<size_t>(block)) {
      const size_t start = audio.size() / 2;
      audio.resize(audio.size() + 2 * static_cast<size_t>(block), 0.0f);
      seq.Render(audio.data() + 2 * start, block, rate);
      if (posted_at == SIZE_MAX && !platform::QueueEmpty()) posted_at = start + static_cast<size_t>(block);
    }
    return posted_at;
  }

  platform::MidiSequencer seq;
  std::vector<float> audio;
};

TEST_F(MidiSequencerTest, PlaysAndRestartsExactlyAtTheEndOfTheSong) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no General MIDI soundfont installed";
  OpenSong(testing_support::OneNoteSong());  // one second long
  EXPECT_EQ(seq.Mode(), SequenceMode::Stopped);
  seq.Play(1);
  EXPECT_EQ(seq.Mode(), SequenceMode::Playing);

  const size_t posted = RenderFrames(Rate + Rate / 4);
  EXPECT_GT(Peak(audio, 0, Rate / 2), Clear) << "the note is heard";
  // The end is noticed in the block holding frame 44100.
  EXPECT_GE(posted, static_cast<size_t>(Rate));
  EXPECT_LE(posted, static_cast<size_t>(Rate) + 512);
  EXPECT_EQ(TakeNotifies(), std::vector<platform::WParam>{platform::MCI_NOTIFY_SUCCESSFUL});
  EXPECT_EQ(seq.Mode(), SequenceMode::Ended);

  // The window answers a little later with seek and play: the pass that
  // already began goes on undisturbed, and its note starts where the first
  // pass's did, one song length later.
  seq.SeekToStart();
  seq.Play(1);
  EXPECT_EQ(seq.Mode(), SequenceMode::Playing);
  RenderFrames(Rate / 2);
  const size_t first = Onset(audio, 0, Audible);
  const size_t second = Onset(audio, Rate - Rate / 10, Audible);
  ASSERT_NE(second, SIZE_MAX);
  EXPECT_NEAR(static_cast<double>(second - first), Rate, 128.0);
  EXPECT_TRUE(TakeNotifies().empty());
}

TEST_F(MidiSequencerTest, WithoutAnAnswerTheSongEndsAfterOnePass) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no General MIDI soundfont installed";
  OpenSong(testing_support::EighthNotesSong());
  seq.Play(0);  // no notification asked for
  RenderFrames(Rate + Rate / 2);
  EXPECT_TRUE(TakeNotifies().empty());
  EXPECT_EQ(seq.Mode(), SequenceMode::Stopped);
  EXPECT_LT(Peak(audio, Rate + Rate / 3, Rate + Rate / 2), Audible);
}

TEST_F(MidiSequencerTest, StopSilencesAbortsTheNotificationAndPlayResumes) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no General MIDI soundfont installed";
  OpenSong(testing_support::EighthNotesSong());
  seq.Play(1);
  RenderFrames(Rate / 5);
  seq.Stop();
  EXPECT_EQ(TakeNotifies(), std::vector<platform::WParam>{platform::MCI_NOTIFY_ABORTED});
  const size_t stopped_at = audio.size() / 2;
  RenderFrames(Rate);
  EXPECT_LT(Peak(audio, stopped_at + Rate / 2, stopped_at + Rate), Audible) << "notes released";
  EXPECT_TRUE(TakeNotifies().empty()) << "a stopped song does not end";

  const size_t resumed_at = audio.size() / 2;
  seq.Play(1);
  RenderFrames(Rate / 2);
  EXPECT_GT(Peak(audio, resumed_at, resumed_at + Rate / 2), Clear);
}

TEST_F(MidiSequencerTest, SeekToStartStopsAndRewinds) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no General MIDI soundfont installed";
  OpenSong(testing_support::OneNoteSong());
  seq.Play(1);
  RenderFrames(Rate * 7 / 10);  // past the note
  seq.SeekToStart();
  EXPECT_EQ(seq.Mode(), SequenceMode::Stopped);
  EXPECT_EQ(TakeNotifies(), std::vector<platform::WParam>{platform::MCI_NOTIFY_ABORTED});
  const size_t replay_at = audio.size() / 2;
  seq.Play(1);
  RenderFrames(Rate / 4);
  EXPECT_GT(Peak(audio, replay_at, replay_at + Rate / 4), Clear) << "the note of the start is heard again";
}

TEST_F(MidiSequencerTest, WithoutSoundFontTheMusicIsSilentButKeepsItsTime) {
  platform::SetSoundFontPaths({"/nonexistent/quorvane.sf2"});
  OpenSong(testing_support::OneNoteSong());
  EXPECT_FALSE(seq.HasSoundFont());
  seq.Play(1);
  const size_t posted = RenderFrames(Rate + Rate / 4);
  EXPECT_LT(Peak(audio, 0, audio.size() / 2), 1e-4f);
  EXPECT_LE(posted, static_cast<size_t>(Rate) + 512);
  EXPECT_EQ(TakeNotifies(), std::vector<platform::WParam>{platform::MCI_NOTIFY_SUCCESSFUL});
}

TEST_F(MidiSequencerTest, FollowsTheRateItIsAskedFor) {
  platform::SetSoundFontPaths({"/nonexistent/quorvane.sf2"});  // timing only
  for (int rate : {22050, 48000}) {
    OpenSong(testing_support::OneNoteSong());
    seq.Render(nullptr, 0, rate);  // nothing rendered
    seq.Play(1);
    audio.clear();
    const size_t posted = RenderFrames(static_cast<size_t>(rate) * 5 / 4, rate, 256);
    EXPECT_GE(posted, static_cast<size_t>(rate)) << rate;
    EXPECT_LE(posted, static_cast<size_t>(rate) + 256) << rate;
    TakeNotifies();
    seq.Close();
  }
  // A rate the synthesiser cannot run at renders nothing and changes nothing.
  OpenSong(testing_support::OneNoteSong());
  seq.Play(1);
  std::vector<float> out(2 * 256, 0.0f);
  seq.Render(out.data(), 256, 1000000);
  EXPECT_EQ(seq.Mode(), SequenceMode::Playing);
}

TEST_F(MidiSequencerTest, CommandsWhileTheMixerRendersAreSafe) {
  platform::SetSoundFontPaths({"/nonexistent/quorvane.sf2"});  // keeps it fast
  const std::vector<uint8_t> song = platform::WriteMidiFile(testing_support::EighthNotesSong());
  std::atomic<bool> done{false};
  std::thread mixer([&] {
    std::vector<float> block(2 * 128);
    while (!done) seq.Render(block.data(), 128, Rate);
  });
  for (int i = 0; i < 200; ++i) {
    std::string problem;
    ASSERT_TRUE(seq.Open(song, &problem)) << problem;
    seq.SeekToStart();
    seq.Play(1);
    std::this_thread::yield();
    if (i % 2) seq.Stop();
    seq.SeekToStart();
    seq.Play(1);
    seq.Close();
  }
  done = true;
  mixer.join();
  EXPECT_EQ(seq.Mode(), SequenceMode::Closed);
}

TEST_F(MidiSequencerTest, OnlyOneSequenceAtATime) {
  platform::SetSoundFontPaths({"/nonexistent/quorvane.sf2"});
  OpenSong(testing_support::OneNoteSong());
  std::string problem;
  EXPECT_FALSE(seq.Open(platform::WriteMidiFile(testing_support::OneNoteSong()), &problem));
  EXPECT_FALSE(problem.empty());
  // Commands on a closed sequencer do nothing.
  seq.Close();
  seq.Play(1);
  seq.Stop();
  seq.SeekToStart();
  EXPECT_EQ(seq.Mode(), SequenceMode::Closed);
  EXPECT_TRUE(TakeNotifies().empty());
}

}  // namespace
