// elMusic: the command strings it sends, the loop through the window
// procedure, and music that cannot play.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "engine/music.h"
#include "engine/system.h"
#include "platform/midi_file.h"
#include "platform/midi_sequencer.h"
#include "platform/system.h"
#include "support/harness.h"
#include "support/midi_songs.h"

using platform::Msg;
using testing_support::Harness;
using testing_support::Peak;
using Log = std::vector<std::string>;

namespace {

constexpr int Rate = 44100;

const Log Restart = {"status midi mode", "seek midi to start", "play midi notify"};
const Log CloseAtEnd = {"status midi mode", "stop midi", "close midi"};

// Samples that are not exactly 0 (NaN included).
size_t Audible(const std::vector<float>& samples) {
  size_t n = 0;
  for (const float s : samples) n += s != 0.0f;
  return n;
}

bool HaveSoundFont() {
  for (const std::string& p : platform::DefaultSoundFontPaths())
    if (access(p.c_str(), R_OK) == 0) return true;
  return false;
}

class MusicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir.path.empty());
    platform::SetProgramFolder(dir.path);
    platform::SetSoundFontPaths({});
    ASSERT_TRUE(testing_support::WriteBytes(dir.path + "MIDI/KTSM1.MID",
                                            platform::WriteMidiFile(testing_support::OneNoteSong())));
  }
  void TearDown() override {
    platform::SetProgramFolder("");
    platform::SetSoundFontPaths({});
  }

  Log& log() { return h.backend().mci_commands; }
  std::string Open(const std::string& file) const {
    return "open \"" + dir.path + file + "\" type sequencer alias midi";
  }
  Log Tail(size_t n) {
    return log().size() < n ? log() : Log(log().end() - static_cast<ptrdiff_t>(n), log().end());
  }

  // Plays the mixer's part and the main loop's in turn: renders `frames` in
  // blocks, handing the loop whatever was posted after each.
  void Run(size_t frames) {
    for (size_t done = 0; done < frames; done += 512) {
      const size_t at = audio.size();
      audio.resize(at + 2 * 512, 0.0f);
      platform::Sequencer().Render(audio.data() + at, 512, Rate);
      h.Pump();
    }
  }

  testing_support::TempFolder dir;
  Harness h;
  std::vector<float> audio;
};

TEST_F(MusicTest, PlaySendsOpenSeekAndPlayWithNotify) {
  EXPECT_EQ(elMusic::Init(), 1);
  elMusic::Play("MIDI/KTSM1.MID", 1);
  EXPECT_EQ(log(), (Log{Open("MIDI/KTSM1.MID"), "seek midi to start", "play midi notify"}));
  EXPECT_EQ(elMusic::MusicOpenFlag, 1);
  EXPECT_EQ(elMusic::MusicLoopFlag, 1);
  EXPECT_EQ(platform::Sequencer().Mode(), platform::SequenceMode::Playing);
}

TEST_F(MusicTest, ASecondPlayClosesTheFirstSequence) {
  elMusic::Play("MIDI/KTSM1.MID", 1);
  elMusic::Play("MIDI/KTSM1.MID", 0);
  EXPECT_EQ(log(), (Log{Open("MIDI/KTSM1.MID"), "seek midi to start", "play midi notify", "stop midi",
                        "close midi", Open("MIDI/KTSM1.MID"), "seek midi to start", "play midi notify"}));
  EXPECT_EQ(elMusic::MusicLoopFlag, 0);
  EXPECT_EQ(platform::Sequencer().Mode(), platform::SequenceMode::Playing);
}

TEST_F(MusicTest, StopOnlyWhenOpenAndCloseAlways) {
  elMusic::Stop();
  EXPECT_TRUE(log().empty()) << "nothing open, nothing sent";

  elMusic::Close();
  EXPECT_EQ(log(), (Log{"stop midi", "close midi"}));
  EXPECT_EQ(elMusic::MusicOpenFlag, 0);

  elMusic::Play("MIDI/KTSM1.MID", 1);
  log().clear();
  elMusic::Close();
  EXPECT_EQ(log(), (Log{"stop midi", "close midi"}));
  EXPECT_EQ(elMusic::MusicOpenFlag, 1) << "Close leaves the flag";
  EXPECT_EQ(platform::Sequencer().Mode(), platform::SequenceMode::Closed);

  log().clear();
  elMusic::Stop();
  EXPECT_EQ(log(), (Log{"stop midi", "close midi"}));
  EXPECT_EQ(elMusic::MusicOpenFlag, 0);
  elMusic::Stop();
  EXPECT_EQ(log().size(), 2u);
}

TEST_F(MusicTest, HeadlessRunLoopsTheSongWithoutEnd) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no General MIDI soundfont installed";
  ASSERT_EQ(h.Start(), 1);
  h.Pump();
  elMusic::Play("MIDI/KTSM1.MID", 1);
  log().clear();
  Run(static_cast<size_t>(Rate) * 7 / 2);  // the one-second song ends three times
  EXPECT_EQ(log(), (Log{Restart[0], Restart[1], Restart[2], Restart[0], Restart[1], Restart[2], Restart[0],
                        Restart[1], Restart[2]}));
  EXPECT_EQ(elSystem::MusicReply, "stopped");
  for (size_t pass = 0; pass < 4; ++pass)
    EXPECT_GT(Peak(audio, pass * Rate, pass * Rate + Rate / 2), 0.03f) << "pass " << pass;
  EXPECT_EQ(elMusic::MusicOpenFlag, 1);
  EXPECT_EQ(platform::Sequencer().Mode(), platform::SequenceMode::Playing);
  EXPECT_TRUE(h.backend().boxes.empty());
}

TEST_F(MusicTest, WithoutLoopingTheFirstEndClosesTheMusic) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no General MIDI soundfont installed";
  ASSERT_EQ(h.Start(), 1);
  h.Pump();
  for (const bool stop_looping : {false, true}) {
    elMusic::Play("MIDI/KTSM1.MID", stop_looping ? 1 : 0);
    if (stop_looping) elMusic::StopLooping();
    log().clear();
    audio.clear();
    Run(static_cast<size_t>(Rate) * 2);
    EXPECT_EQ(log(), CloseAtEnd) << stop_looping;
    EXPECT_EQ(elMusic::MusicOpenFlag, 0) << stop_looping;
    EXPECT_EQ(platform::Sequencer().Mode(), platform::SequenceMode::Closed);
    EXPECT_LT(Peak(audio, Rate * 3 / 2, Rate * 2), 0.01f) << "silent after the end";
  }
}

TEST_F(MusicTest, OnlyASuccessfulEndOfAStoppedDeviceRestartsIt) {
  ASSERT_EQ(h.Start(), 1);
  h.Pump();
  // Nothing open: not even the status is asked.
  h.Post(Msg::MciNotify, platform::MCI_NOTIFY_SUCCESSFUL);
  h.Pump();
  EXPECT_TRUE(log().empty());

  elMusic::Play("MIDI/KTSM1.MID", 1);
  log().clear();
  h.Post(Msg::MciNotify, platform::MCI_NOTIFY_ABORTED);
  h.Pump();
  EXPECT_TRUE(log().empty());
  // A stale notice while the music plays: the reply is not "st...".
  h.Post(Msg::MciNotify, platform::MCI_NOTIFY_SUCCESSFUL);
  h.Pump();
  EXPECT_EQ(log(), Log{"status midi mode"});
  EXPECT_EQ(elSystem::MusicReply, "playing");
  EXPECT_EQ(platform::Sequencer().Mode(), platform::SequenceMode::Playing);
  // Stopping posts an aborted notice, which changes nothing.
  elMusic::Stop();
  log().clear();
  h.Pump();
  EXPECT_TRUE(log().empty());
}

TEST_F(MusicTest, MusicThatCannotPlayIsSilentAndHarmless) {
  ASSERT_TRUE(testing_support::WriteBytes(dir.path + "MIDI/BROKEN.MID", {'M', 'T', 'h', 'd', 0, 0, 0, 6}));
  ASSERT_EQ(h.Start(), 1);
  h.Pump();
  struct Case {
    const char* file;
    bool soundfont;
  };
  for (const Case& c : {Case{"MIDI/NONE.MID", true}, Case{"MIDI/BROKEN.MID", true}, Case{"MIDI/KTSM1.MID", false}}) {
    platform::SetSoundFontPaths(c.soundfont ? Log{} : Log{"/nonexistent/quorvane.sf2"});
    log().clear();
    audio.clear();
    elMusic::Play(c.file, 1);
    EXPECT_EQ(elMusic::MusicOpenFlag, 1) << c.file;
    Run(static_cast<size_t>(Rate) * 3 / 2);
    // Without a soundfont nothing the synthesiser writes is music: the mix
    // gets exact silence, never its leftovers.
    if (c.soundfont)
      EXPECT_LT(Peak(audio, 0, audio.size() / 2), 1e-4f) << c.file;
    else
      EXPECT_EQ(Audible(audio), 0u) << c.file;
    elMusic::Stop();
    EXPECT_EQ(Tail(2), (Log{"stop midi", "close midi"})) << c.file;
    EXPECT_EQ(elMusic::MusicOpenFlag, 0) << c.file;
  }
  // Without a soundfont the song still keeps its time and loops.
  EXPECT_NE(std::search(log().begin(), log().end(), Restart.begin(), Restart.end()), log().end());
  EXPECT_TRUE(h.backend().boxes.empty());
}

TEST_F(MusicTest, AProgramFolderTooLongForTheCommandOpensNothing) {
  const std::string deep = dir.path + std::string(240, 'd') + "/";
  ASSERT_TRUE(testing_support::WriteBytes(deep + "MIDI/KTSM1.MID",
                                          platform::WriteMidiFile(testing_support::OneNoteSong())));
  platform::SetProgramFolder(deep);
  elMusic::Play("MIDI/KTSM1.MID", 1);
  EXPECT_EQ(log(), (Log{"seek midi to start", "play midi notify"}));
  EXPECT_EQ(elMusic::MusicOpenFlag, 1);
  EXPECT_EQ(platform::Sequencer().Mode(), platform::SequenceMode::Closed);
  elMusic::Play(nullptr, 1);  // no file at all: nothing to crash on
  EXPECT_EQ(elMusic::MusicOpenFlag, 1);
}

}  // namespace
