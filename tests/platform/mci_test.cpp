// The sequencer's command strings: a whole session, replies, errors, files
// that cannot be played, and the command log.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/mci.h"
#include "platform/midi_file.h"
#include "platform/midi_sequencer.h"
#include "support/fifo.h"
#include "support/midi_songs.h"

using platform::MciSendString;
using testing_support::TempFolder;

namespace {

class MciTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::CloseMciDevices();
    platform::SetSoundFontPaths({"/nonexistent/quorvane.sf2"});  // commands only
    platform::SetMciCommandLog(&log);
    ASSERT_FALSE(dir.path.empty());
    ASSERT_TRUE(testing_support::WriteBytes(dir.path + "MIDI/SONG.MID",
                                            platform::WriteMidiFile(testing_support::OneNoteSong())));
  }
  void TearDown() override {
    platform::CloseMciDevices();
    platform::SetMciCommandLog(nullptr);
    platform::SetSoundFontPaths({});
    platform::ResetMessageQueue();
  }

  std::string OpenCommand(const std::string& file) {
    return "open \"" + dir.path + file + "\" type sequencer alias midi";
  }

  TempFolder dir;
  std::vector<std::string> log;
};

TEST_F(MciTest, ASessionFromOpenToClose) {
  std::string reply = "old";
  EXPECT_EQ(MciSendString(OpenCommand("MIDI/SONG.MID"), &reply), platform::MciOk);
  EXPECT_EQ(reply, "");
  EXPECT_EQ(MciSendString("status midi mode", &reply), platform::MciOk);
  EXPECT_EQ(reply, "stopped");
  EXPECT_EQ(MciSendString("seek midi to start", nullptr), platform::MciOk);
  EXPECT_EQ(MciSendString("PLAY Midi Notify", nullptr, 1), platform::MciOk);
  EXPECT_EQ(MciSendString("status midi mode", &reply), platform::MciOk);
  EXPECT_EQ(reply, "playing");
  EXPECT_EQ(MciSendString("stop midi", nullptr), platform::MciOk);
  EXPECT_EQ(MciSendString("status midi mode", &reply), platform::MciOk);
  EXPECT_EQ(reply, "stopped");
  EXPECT_EQ(MciSendString("close midi", nullptr), platform::MciOk);
  EXPECT_EQ(MciSendString("status midi mode", &reply), platform::MciUnknownDevice);
  EXPECT_EQ(reply, "");
  EXPECT_EQ(platform::Sequencer().Mode(), platform::SequenceMode::Closed);
  EXPECT_EQ(log.size(), 9u);
  EXPECT_EQ(log[0], OpenCommand("MIDI/SONG.MID"));
  EXPECT_EQ(log[3], "PLAY Midi Notify");
}

TEST_F(MciTest, FileNamesMatchWhateverTheirCase) {
  EXPECT_EQ(MciSendString(OpenCommand("midi/song.mid"), nullptr), platform::MciOk);
}

TEST_F(MciTest, FilesThatCannotBePlayedLeaveNothingOpen) {
  ASSERT_TRUE(testing_support::WriteBytes(dir.path + "MIDI/BROKEN.MID", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 1}));
  ASSERT_TRUE(testing_support::WriteBytes(dir.path + "MIDI/EMPTY.MID", {}));
  struct Case {
    const char* file;
    int result;
  };
  const Case cases[] = {{"MIDI/NONE.MID", platform::MciFileNotFound},
                        {"MIDI", platform::MciFileNotFound},  // a folder
                        {"MIDI/BROKEN.MID", platform::MciBadFile},
                        {"MIDI/EMPTY.MID", platform::MciBadFile}};
  for (const Case& c : cases) {
    EXPECT_EQ(MciSendString(OpenCommand(c.file), nullptr), c.result) << c.file;
    EXPECT_EQ(platform::Sequencer().Mode(), platform::SequenceMode::Closed) << c.file;
    // The rest of the usual sequence meets no device.
    EXPECT_EQ(MciSendString("play midi notify", nullptr, 1), platform::MciUnknownDevice) << c.file;
    EXPECT_EQ(MciSendString("close midi", nullptr), platform::MciUnknownDevice) << c.file;
  }
}

// A FIFO in the song's place would block the open for ever (and with it the
// game, deaf to SIGTERM): it is a file that cannot be read.
TEST_F(MciTest, AFifoInPlaceOfTheSongIsNotWaitedOn) {
  const std::string fifo = dir.path + "MIDI/FIFO.MID";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  int result = platform::MciOk;
  EXPECT_TRUE(testing_support::ReturnsDespiteFifo(fifo, [&] {
    result = MciSendString(OpenCommand("MIDI/FIFO.MID"), nullptr);
  })) << "opening the FIFO blocked";
  EXPECT_EQ(result, platform::MciFileNotFound);
  EXPECT_EQ(platform::Sequencer().Mode(), platform::SequenceMode::Closed);
}

TEST_F(MciTest, MalformedCommandsAreRefused) {
  ASSERT_EQ(MciSendString(OpenCommand("MIDI/SONG.MID"), nullptr), platform::MciOk);
  struct Case {
    std::string command;
    int result;
  };
  const Case cases[] = {
      {"", platform::MciUnknownCommand},
      {"   ", platform::MciUnknownCommand},
      {"dance midi", platform::MciUnknownCommand},
      {"open \"unterminated type sequencer alias midi", platform::MciUnknownCommand},
      {"play", platform::MciUnknownDevice},
      {"play other notify", platform::MciUnknownDevice},
      {"play midi from 10", platform::MciBadParameters},
      {"seek midi to end", platform::MciBadParameters},
      {"seek midi", platform::MciBadParameters},
      {"stop midi now", platform::MciBadParameters},
      {"status midi position", platform::MciBadParameters},
      {"open", platform::MciBadParameters},
      {OpenCommand("MIDI/SONG.MID") + " extra", platform::MciBadParameters},
      {"open \"" + dir.path + "MIDI/SONG.MID\" type waveaudio alias midi", platform::MciBadParameters},
      {OpenCommand("MIDI/SONG.MID"), platform::MciDeviceBusy},
  };
  for (const Case& c : cases) EXPECT_EQ(MciSendString(c.command, nullptr), c.result) << c.command;
  // None of them disturbed the open sequence.
  std::string reply;
  EXPECT_EQ(MciSendString("status midi mode", &reply), platform::MciOk);
  EXPECT_EQ(reply, "stopped");
}

TEST_F(MciTest, WithoutAnAliasTheFileNameAddressesTheSequence) {
  const std::string path = dir.path + "MIDI/SONG.MID";
  ASSERT_EQ(MciSendString("open \"" + path + "\"", nullptr), platform::MciOk);
  EXPECT_EQ(MciSendString("close \"" + path + "\"", nullptr), platform::MciOk);
}

}  // namespace
