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

#include "platform/bytes.h"
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

// GS reset, addressed to device 16 as GS songs send it. The synthesiser
// (device 0) leaves it aside, but it is an event to pass all the same.
const std::vector<uint8_t> GsReset = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7};

// The file with a system exclusive (`message`, from F0 to F7) put first, at
// tick 0, in its track `track` (0 is the tempo track).
std::vector<uint8_t> WithSysexFirst(std::vector<uint8_t> file, size_t track, const std::vector<uint8_t>& message) {
  std::vector<uint8_t> event = {0x00, 0xF0};
  platform::PutVarLen(event, static_cast<uint32_t>(message.size() - 1));
  event.insert(event.end(), message.begin() + 1, message.end());
  size_t at = 14;  // past the header
  for (size_t i = 0; i < track; ++i) at += 8 + platform::GetBe32(file.data() + at + 4);
  std::vector<uint8_t> length;
  platform::PutBe32(length, platform::GetBe32(file.data() + at + 4) + static_cast<uint32_t>(event.size()));
  std::copy(length.begin(), length.end(), file.begin() + static_cast<ptrdiff_t>(at + 4));
  file.insert(file.begin() + static_cast<ptrdiff_t>(at + 8), event.begin(), event.end());
  return file;
}

// A part set up at tick 0 as General MIDI and GS songs set up theirs: the
// program, a bank select, ten controllers, three RPNs and, when asked, eight
// NRPNs (four controllers each): 24 events, or 56 with the NRPNs.
platform::MidiPart SetUpPart(uint8_t channel, bool nrpns, std::vector<platform::MidiNote> notes) {
  platform::MidiPart part{channel, static_cast<uint8_t>(channel * 8), std::move(notes),
                          {{0, 0}, {7, 100}, {10, 64}, {11, 127}, {91, 40}, {93, 0}, {1, 0}, {64, 0}, {71, 64},
                           {72, 64}, {74, 64}}};
  for (uint8_t rpn = 0; rpn < 3; ++rpn)  // bend range, fine and coarse tuning
    part.controls.insert(part.controls.end(),
                         {{101, 0}, {100, rpn}, {6, static_cast<uint8_t>(rpn ? 64 : 2)}, {38, 0}});
  if (nrpns)
    for (uint8_t nrpn : {8, 9, 10, 32, 33, 99, 100, 102})  // vibrato, filter, envelope
      part.controls.insert(part.controls.end(), {{99, 1}, {98, nrpn}, {6, 64}, {38, 0}});
  return part;
}

std::vector<platform::MidiNote> Chord(uint32_t start, uint32_t length, int notes) {
  std::vector<platform::MidiNote> chord;
  for (int k = 0; k < notes; ++k) chord.push_back({start, length, static_cast<uint8_t>(40 + 3 * k), 90});
  return chord;
}

// A second long: the GS reset, sixteen parts set up with their NRPNs and each
// striking a chord of ten notes, all at tick 0 (1 + 16 * (56 + 10) = 1057
// events); the chords end half-way.
std::vector<uint8_t> HeavyFirstTickFile() {
  platform::MidiSong song;
  song.length = 960;
  for (uint8_t ch = 0; ch < 16; ++ch) song.parts.push_back(SetUpPart(ch, true, Chord(0, 480, 10)));
  return WithSysexFirst(platform::WriteMidiFile(song), 0, GsReset);
}

// A second long: the GS reset and sixteen parts set up without NRPNs, each
// striking a chord of thirteen notes, at tick 0 (1 + 16 * (24 + 13) = 593
// events), and twenty-eight notes on every part that end with the song (448
// note-offs): where the song loops, its end and its start come together.
std::vector<uint8_t> HeavyLoopJoinFile() {
  platform::MidiSong song;
  song.length = 960;
  for (uint8_t ch = 0; ch < 16; ++ch) {
    std::vector<platform::MidiNote> notes = Chord(0, 480, 13);
    for (int k = 0; k < 28; ++k) notes.push_back({720, 240, static_cast<uint8_t>(30 + 2 * k), 80});
    song.parts.push_back(SetUpPart(ch, false, notes));
  }
  return WithSysexFirst(platform::WriteMidiFile(song), 0, GsReset);
}

// Songs that set up many parts at one instant stay whole: over two passes
// (and into the start of a third) the synthesiser is given every one of their
// events, and their second pass is heard.
TEST_F(MidiSequencerTest, ABusyInstantIsPlayedWholeAndTheSongLoops) {
  struct Case {
    const char* what;
    std::vector<uint8_t> song;
    int64_t per_pass;  // channel messages and system exclusives
    int64_t at_start;
  };
  const Case cases[] = {
      {"heavy first tick", HeavyFirstTickFile(), 1057 + 16 * 10, 1057},
      {"heavy loop join", HeavyLoopJoinFile(), 593 + 16 * 13 + 2 * 448, 593},
  };
  const bool audible = HaveSoundFont();
  if (!audible) platform::SetSoundFontPaths({"/nonexistent/quorvane.sf2"});  // the events are counted all the same
  for (const Case& c : cases) {
    std::string problem;
    ASSERT_TRUE(platform::CheckMidiFile(c.song.data(), c.song.size(), &problem)) << c.what << ": " << problem;
    ASSERT_TRUE(seq.Open(c.song, &problem)) << c.what << ": " << problem;
    audio.clear();
    seq.Play(1);
    testing::internal::CaptureStderr();
    RenderFrames(Rate + Rate / 2);
    EXPECT_EQ(TakeNotifies(), std::vector<platform::WParam>{platform::MCI_NOTIFY_SUCCESSFUL}) << c.what;
    seq.Play(1);  // another pass, as the window asks for it
    RenderFrames(Rate / 2 + Rate / 10);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "") << c.what;
    EXPECT_EQ(seq.Mode(), SequenceMode::Ended) << c.what;
    EXPECT_EQ(seq.EventsGiven(), 2 * c.per_pass + c.at_start) << c.what;
    EXPECT_EQ(seq.MostEventsInABlock(), platform::MaxBlockEvents) << c.what << ": over a block's share";
    if (audible) {
      EXPECT_GT(Peak(audio, Rate + Rate / 50, Rate + Rate / 3), Clear) << c.what << ": the second pass";
    }
    seq.Close();
    TakeNotifies();
  }
}

// A system exclusive that has to wait keeps its data and its place: a GS
// reset that comes after a full block, and after the volume of 0 that it
// undoes, lets the note that follows it be heard.
TEST_F(MidiSequencerTest, AWaitingSystemExclusiveTakesEffectInItsPlace) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no General MIDI soundfont installed";
  // Addressed to every device, which the synthesiser does act on: every
  // channel's controllers go back to their defaults.
  const std::vector<uint8_t> reset = {0xF0, 0x41, 0x7F, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7};
  platform::MidiSong song;
  song.length = 960;
  platform::MidiPart filler{1, 0, {}};  // 1101 events that fill the first block
  for (int i = 0; i < 1100; ++i) filler.controls.push_back({1, static_cast<uint8_t>(i % 128)});
  song.parts = {filler, platform::MidiPart{0, 0, {}, {{7, 0}}}, platform::MidiPart{0, 0, {{0, 480, 72, 110}}}};
  const std::vector<uint8_t> file = platform::WriteMidiFile(song);
  struct Case {
    const char* what;
    std::vector<uint8_t> song;
    bool heard;
  };
  const Case cases[] = {
      {"the reset before the note", WithSysexFirst(file, 3, reset), true},
      {"no reset", file, false},
  };
  for (const Case& c : cases) {
    std::string problem;
    ASSERT_TRUE(seq.Open(c.song, &problem)) << c.what << ": " << problem;
    audio.clear();
    seq.Play(1);
    RenderFrames(Rate / 2);
    EXPECT_EQ(seq.MostEventsInABlock(), platform::MaxBlockEvents) << c.what;
    const float peak = Peak(audio, Rate / 50, Rate / 3);
    if (c.heard) {
      EXPECT_GT(peak, Clear) << c.what;
    } else {
      EXPECT_LT(peak, Audible) << c.what;
    }
    seq.Close();
    TakeNotifies();
  }
}

// When stopped, the player itself sends all-sound-off, through the same
// callback as the song's events, to each channel it played notes on: 16 at
// most.
constexpr int64_t StopSoundsOff = 16;

size_t Lines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

// A flood is stopped and said once for each song that floods, so two floods
// opened one after the other are both told; a dense real instant is neither.
TEST_F(MidiSequencerTest, ABlockGivesTheSynthesiserAtMostTheBoundAndEachFloodIsSaidOnce) {
  platform::SetSoundFontPaths({"/nonexistent/quorvane.sf2"});  // the events are counted all the same
  struct Case {
    const char* what;
    std::vector<uint8_t> song;
    int busiest;
    bool floods;
  };
  const Case cases[] = {
      {"a flood", FloodFile(), platform::MaxBlockEvents, true},
      {"another flood", platform::WriteMidiFile(testing_support::FloodSong(30000)), platform::MaxBlockEvents, true},
      {"a dense real instant", platform::WriteMidiFile(ChordsOnEveryChannelSong()), 16 * 16, false},
  };
  for (const Case& c : cases) {
    std::string problem;
    ASSERT_TRUE(seq.Open(c.song, &problem)) << c.what << ": " << problem;
    seq.Play(1);
    testing::internal::CaptureStderr();
    RenderFrames(Rate / 10);  // some seventy synthesiser blocks
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(seq.MostEventsInABlock(), c.busiest) << c.what;
    EXPECT_EQ(Lines(said), c.floods ? 1u : 0u) << c.what << ": " << said;
    EXPECT_EQ(seq.Mode(), c.floods ? SequenceMode::Stopped : SequenceMode::Playing) << c.what;
    if (c.floods) {
      EXPECT_EQ(said.rfind("quorvane: ", 0), 0u) << said;
      EXPECT_EQ(TakeNotifies(), std::vector<platform::WParam>{platform::MCI_NOTIFY_ABORTED}) << c.what;
    }
    seq.Close();
    TakeNotifies();
  }
}

// The backlog's bound is where a song starts to flood: an instant that fills
// a block and the backlog exactly is played whole, one event more is not.
TEST_F(MidiSequencerTest, ASongFloodsOnlyPastTheBacklog) {
  platform::SetSoundFontPaths({"/nonexistent/quorvane.sf2"});  // the events are counted all the same
  constexpr int Fits = platform::MaxBlockEvents + platform::MaxBacklogEvents;
  for (const int events : {Fits, Fits + 1}) {
    const bool floods = events > Fits;
    OpenSong(testing_support::BurstSong(static_cast<uint32_t>(events)));
    seq.Play(1);
    testing::internal::CaptureStderr();
    RenderFrames(Rate / 10);
    const std::string said = testing::internal::GetCapturedStderr();
    if (floods) {
      EXPECT_LE(seq.EventsGiven(), platform::MaxBlockEvents + StopSoundsOff) << "the waiting ones are dropped";
    } else {
      EXPECT_EQ(seq.EventsGiven(), events);
    }
    EXPECT_EQ(seq.Mode(), floods ? SequenceMode::Stopped : SequenceMode::Playing) << events;
    EXPECT_EQ(Lines(said), floods ? 1u : 0u) << events << ": " << said;
    seq.Close();
    TakeNotifies();
  }
}

// Events still waiting when the song is stopped, changed or started again on
// a new synthesiser are dropped with it, never given later.
TEST_F(MidiSequencerTest, EventsStillWaitingGoWithTheSongTheyBelongTo) {
  platform::SetSoundFontPaths({"/nonexistent/quorvane.sf2"});  // the events are counted all the same
  // 2005 events at tick 0: one block's worth is given, 981 wait.
  platform::MidiSong song;
  song.length = 960;
  platform::MidiPart filler{1, 0, {}};
  for (int i = 0; i < 2000; ++i) filler.controls.push_back({1, static_cast<uint8_t>(i % 128)});
  song.parts = {filler, platform::MidiPart{0, 19, Chord(0, 960, 3)}};
  struct Case {
    const char* what;
    std::function<void()> command;
    int rate;  // rendered at, after the command
    int64_t given;  // by the end, besides the player's own all-sound-off
  };
  const Case cases[] = {
      {"stop", [this] { seq.Stop(); }, Rate, platform::MaxBlockEvents},
      {"seek to start", [this] { seq.SeekToStart(); }, Rate, platform::MaxBlockEvents},
      {"close", [this] { seq.Close(); }, Rate, platform::MaxBlockEvents},
      {"another song",
       [this] {
         seq.Close();
         OpenSong(testing_support::OneNoteSong());
       },
       Rate, 0},
      // The song starts again on the new synthesiser, the whole of its first
      // instant after the first block's share.
      {"a new rate", [] {}, Rate / 2, platform::MaxBlockEvents + 2005},
  };
  for (const Case& c : cases) {
    OpenSong(song);
    seq.Play(1);
    RenderFrames(64, Rate, 64);  // one synthesiser block
    ASSERT_EQ(seq.EventsGiven(), platform::MaxBlockEvents) << c.what;
    c.command();
    RenderFrames(Rate / 10, c.rate, 64);
    EXPECT_GE(seq.EventsGiven(), c.given) << c.what;
    EXPECT_LE(seq.EventsGiven(), c.given + StopSoundsOff) << c.what;
    seq.Close();
    TakeNotifies();
  }
}

TEST_F(MidiSequencerTest, NotesWhoseEndsWereDroppedDoNotSoundOn) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no General MIDI soundfont installed";
  // An organ chord (it sounds for as long as it is held) ends right after
  // more short notes than a block and the backlog take, all in one block a
  // tenth of a second in: the song is stopped there, and the chord's
  // note-offs are dropped. The short notes are drums on keys that no General
  // MIDI kit sounds, so that they take no voice from the chord.
  constexpr uint32_t TicksPerMs = 65534;  // 32767 ticks a quarter note of half a millisecond
  constexpr uint32_t FloodAt = 100 * TicksPerMs + 10;
  constexpr uint32_t FloodNotes = (platform::MaxBlockEvents + platform::MaxBacklogEvents) / 2 + 10;
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
  ASSERT_NE(said.find("floods"), std::string::npos) << "the flood is over the bound";
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
