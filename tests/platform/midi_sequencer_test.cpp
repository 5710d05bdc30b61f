// The FluidSynth sequencer: rendered sound, the seamless loop and its end
// notification, stop and seek, a missing soundfont, the rate it renders at,
// commands racing the mixer's thread, and a song that floods events.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/messages.h"
#include "platform/midi_file.h"
#include "platform/midi_sequencer.h"
#include "platform/music_source.h"
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

// 50,000 events that pass the checker and all fall into every synthesiser
// block: the song lasts a few microseconds and the player loops it at once.
std::vector<uint8_t> FloodFile() {
  std::vector<uint8_t> song = platform::WriteMidiFile(testing_support::FloodSong(25000));
  std::string problem;
  EXPECT_TRUE(platform::CheckMidiFile(song.data(), song.size(), &problem)) << problem;
  return song;
}

// Sixteen instruments set up and striking a twelve-note chord at one instant:
// 16 * (1 program + 3 controllers + 12 notes) events in the first block.
platform::MidiSong ChordsOnEveryChannelSong() {
  platform::MidiSong song;
  song.length = 960;
  for (uint8_t ch = 0; ch < 16; ++ch) {
    platform::MidiPart part{ch, static_cast<uint8_t>(ch * 8), {}, {{7, 100}, {10, 64}, {91, 40}}};
    for (uint8_t k = 0; k < 12; ++k) part.notes.push_back({0, 480, static_cast<uint8_t>(48 + 3 * k), 90});
    song.parts.push_back(part);
  }
  return song;
}

size_t Lines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

TEST_F(MidiSequencerTest, ABlockGivesTheSynthesiserAtMostTheBoundAndADropIsSaidOnce) {
  platform::SetSoundFontPaths({"/nonexistent/quorvane.sf2"});  // the events are counted all the same
  struct Case {
    const char* what;
    std::vector<uint8_t> song;
    int busiest;
    size_t lines;
  };
  const Case cases[] = {
      {"a flood", FloodFile(), platform::MaxBlockEvents, 1},
      {"a dense real instant", platform::WriteMidiFile(ChordsOnEveryChannelSong()), 16 * 16, 0},
  };
  for (const Case& c : cases) {
    std::string problem;
    ASSERT_TRUE(seq.Open(c.song, &problem)) << c.what << ": " << problem;
    seq.Play(1);
    testing::internal::CaptureStderr();
    RenderFrames(Rate / 10);  // some seventy synthesiser blocks
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(seq.MostEventsInABlock(), c.busiest) << c.what;
    EXPECT_EQ(Lines(said), c.lines) << c.what << ": " << said;
    if (c.lines) {
      EXPECT_EQ(said.rfind("quorvane: ", 0), 0u) << said;
    }
    seq.Close();
    TakeNotifies();
  }
}

TEST_F(MidiSequencerTest, NotesWhoseEndsWereDroppedDoNotSoundOn) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no General MIDI soundfont installed";
  // An organ chord (it sounds for as long as it is held) ends right after
  // 530 short notes, all in one block a tenth of a second in: the chord's
  // note-offs come past the bound. The short notes are drums on keys that no
  // General MIDI kit sounds, so that they take no voice from the chord.
  constexpr uint32_t TicksPerMs = 65534;  // 32767 ticks a quarter note of half a millisecond
  constexpr uint32_t FloodAt = 100 * TicksPerMs + 10;
  constexpr uint32_t FloodNotes = 530;
  platform::MidiSong song;
  song.ticks_per_quarter = 0x7FFF;
  song.micros_per_quarter = 500;
  song.length = 3000 * TicksPerMs;
  platform::MidiPart flood{9, 0, {}};
  for (uint32_t i = 0; i < FloodNotes; ++i)
    flood.notes.push_back({FloodAt + 2 * i, 1, static_cast<uint8_t>(i % 24), 60});
  platform::MidiPart chord{1, 19, {}};
  for (uint8_t key : {60, 64, 67}) chord.notes.push_back({0, FloodAt + 2 * FloodNotes, key, 110});
  song.parts = {flood, chord};
  OpenSong(song);
  seq.Play(1);
  testing::internal::CaptureStderr();
  RenderFrames(Rate * 2);
  const std::string said = testing::internal::GetCapturedStderr();
  ASSERT_NE(said.find("dropped"), std::string::npos) << "the flood is over the bound";
  EXPECT_GT(Peak(audio, Rate / 50, Rate / 12), Clear) << "the chord is heard before the flood";
  EXPECT_LT(Peak(audio, Rate, 2 * Rate), Audible) << "the chord is released";
}

TEST_F(MidiSequencerTest, AFloodIsStoppedWhereTheBoundCutsIt) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no General MIDI soundfont installed";
  OpenSong(testing_support::FloodSong(25000));
  seq.Play(1);
  testing::internal::CaptureStderr();
  RenderFrames(Rate);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(seq.Mode(), SequenceMode::Stopped);
  EXPECT_EQ(TakeNotifies(), std::vector<platform::WParam>{platform::MCI_NOTIFY_ABORTED});
  EXPECT_GT(Peak(audio, 0, Rate / 10), Clear) << "what got through is heard";
  EXPECT_LT(Peak(audio, Rate / 2, Rate), Audible) << "and nothing after it";
}

// Stopping or changing a song while the mixer's thread is in the middle of a
// long block of it waits for one synthesiser block, not for the rest of the
// mixer's block: during a flood, and while a busy song makes every
// synthesiser block slow.
TEST_F(MidiSequencerTest, CommandsDuringASlowBlockReturnPromptly) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no General MIDI soundfont installed";  // without one every block is quick
  const std::vector<uint8_t> flood = FloodFile();
  const std::vector<uint8_t> busy = platform::WriteMidiFile(testing_support::BusySong(100000));
  const std::vector<uint8_t> calm = platform::WriteMidiFile(testing_support::OneNoteSong());
  using Command = std::function<void(platform::MidiSequencer&)>;
  const Command stop = [](platform::MidiSequencer& s) { s.Stop(); };
  const Command another_song = [&](platform::MidiSequencer& s) {
    s.Stop();
    s.Close();
    EXPECT_TRUE(s.Open(calm, nullptr));
    platform::SetMusicSource(&s);
    s.Play(1);
  };
  struct Case {
    const char* what;
    const std::vector<uint8_t>& song;
    Command command;
  };
  const Case cases[] = {
      {"stop in a flood", flood, stop},
      {"stop", busy, stop},
      {"seek to start", busy, [](platform::MidiSequencer& s) { s.SeekToStart(); }},
      {"play", busy, [](platform::MidiSequencer& s) { s.Play(1); }},
      {"close", busy, [](platform::MidiSequencer& s) { s.Close(); }},
      {"another song", busy, another_song},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(seq.Open(c.song, nullptr)) << c.what;
    platform::SetMusicSource(&seq);
    seq.Play(1);
    std::atomic<bool> done{false};
    std::atomic<int> blocks{0};
    testing::internal::CaptureStderr();
    std::thread mixer([&] {
      // Long blocks of 256 synthesiser blocks each.
      std::vector<float> block(2 * 16384);
      for (; !done; ++blocks) platform::RenderMusic(block.data(), 16384, Rate);
    });
    // Into the second of the mixer's blocks, past the player's reading of
    // the file.
    while (blocks < 1) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const auto start = std::chrono::steady_clock::now();
    c.command(seq);
    const auto waited = std::chrono::steady_clock::now() - start;
    seq.Stop();  // the rest of the mixer's block is quick
    done = true;
    mixer.join();
    testing::internal::GetCapturedStderr();
    platform::SetMusicSource(nullptr);
    EXPECT_LT(waited, std::chrono::milliseconds(200))
        << c.what << " waited " << std::chrono::duration_cast<std::chrono::milliseconds>(waited).count() << " ms";
    seq.Close();
    TakeNotifies();
  }
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
