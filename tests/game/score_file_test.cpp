// The high-score file as the game reads and writes it, and the replay file's
// writer and reader.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <future>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "flow_fixture.h"
#include "game/replay.h"
#include "game/score.h"
#include "game/score_file.h"
#include "support/temp_folder.h"

using namespace replay;
using namespace score;

using testing_support::TempFolder;
using testing_support::WorkingFolder;

namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

std::vector<uint8_t> ReadFile(const char* path) {
  std::vector<uint8_t> bytes;
  if (std::FILE* f = std::fopen(path, "rb")) {
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(f);
  }
  return bytes;
}

class ScoreFileTest : public ::testing::Test {
 protected:
  void TearDown() override {
    HiScore = 0;
    ReplayIndex = 0;
  }
  TempFolder work;
  WorkingFolder cwd{work.path};
};

TEST_F(ScoreFileTest, LoadTakesOnlyAValidHigherValue) {
  std::string padded = "12345";
  padded.resize(255, '\0');
  struct Case {
    const char* what;
    bool present;
    std::string text;
    int want;  // from a current high score of 500
  };
  const Case cases[] = {
      {"missing file", false, "", 500},
      {"digits and zero bytes", true, padded, 12345},
      {"white space, digits, letters", true, "  42000abc", 42000},
      {"leading zeros", true, "000000000000777", 777},
      {"the largest value", true, "999999999", 999999999},
      {"letters", true, "abc123", 500},
      {"negative", true, "-7000", 500},
      {"signed", true, "+7000", 500},
      {"too many digits", true, "1234567890", 500},
      {"int overflow", true, "99999999999999999999", 500},
      {"empty", true, "", 500},
      {"lower than reached", true, "300", 500},
      {"text ends at a zero byte", true, std::string("\0 9000", 6), 500},
      {"only 255 bytes count", true, std::string(255, ' ') + "9000", 500},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all("SCORE");
    if (c.present) {
      ASSERT_TRUE(testing_support::WriteBytes(work.path + "SCORE/score.dat", Bytes(c.text)));
    }
    HiScore = 500;
    LoadHighScore();
    EXPECT_EQ(HiScore, c.want) << c.what;
  }
}

TEST_F(ScoreFileTest, SaveWritesTheTextAndZerosMakingTheFolder) {
  HiScore = 12345;
  SaveHighScore();
  const std::vector<uint8_t> bytes = ReadFile("SCORE/score.dat");
  ASSERT_EQ(bytes.size(), 255u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "12345");
  for (size_t i = 5; i < bytes.size(); ++i) ASSERT_EQ(bytes[i], 0) << i;
  // Only the finished file is left.
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator("SCORE")) files += e.is_regular_file();
  EXPECT_EQ(files, 1);

  HiScore = 0;
  LoadHighScore();
  EXPECT_EQ(HiScore, 12345);
}

TEST_F(ScoreFileTest, SaveNeverLowersTheScoreOnDisk) {
  ASSERT_TRUE(testing_support::WriteBytes(work.path + "SCORE/score.dat", Bytes("9000")));
  HiScore = 500;  // a run that never read the file
  SaveHighScore();
  EXPECT_EQ(HiScore, 9000);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(ReadFile("SCORE/score.dat").data())), "9000");
}

TEST_F(ScoreFileTest, SaveWithoutAPlaceToWriteChangesNothingAndSaysSoOnce) {
  // A save that works first, so that no earlier failure is still pending.
  HiScore = 1;
  SaveHighScore();
  std::filesystem::remove_all("SCORE");
  // A file where the folder should be: nothing can be written, nothing breaks.
  ASSERT_TRUE(testing_support::WriteBytes(work.path + "SCORE", Bytes("not a folder")));
  HiScore = 700;
  testing::internal::CaptureStderr();
  SaveHighScore();
  SaveHighScore();
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(ReadFile("SCORE"), Bytes("not a folder"));
  EXPECT_EQ(HiScore, 700);
  EXPECT_NE(said.find("high score could not be saved"), std::string::npos) << said;
  EXPECT_NE(said.find("SCORE"), std::string::npos) << "the reason names the folder: " << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

TEST_F(ScoreFileTest, PlantedLinkAtTheTemporaryNameIsNotFollowed) {
  ASSERT_TRUE(testing_support::WriteBytes(work.path + "victim.txt", Bytes("precious")));
  std::filesystem::create_directory("SCORE");
  ASSERT_EQ(symlink((work.path + "victim.txt").c_str(), "SCORE/score.dat.tmp"), 0);
  HiScore = 4242;
  SaveHighScore();
  EXPECT_EQ(ReadFile("victim.txt"), Bytes("precious"));
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status("SCORE/score.dat")));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(ReadFile("SCORE/score.dat").data())), "4242");
}

TEST_F(ScoreFileTest, FifoInPlaceOfTheFileIsABadFileNotAHang) {
  std::filesystem::create_directory("SCORE");
  ASSERT_EQ(mkfifo("SCORE/score.dat", 0600), 0);
  HiScore = 300;
  auto load = std::async(std::launch::async, [] { LoadHighScore(); });
  if (load.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    ADD_FAILURE() << "reading the FIFO blocked";
    // A writer that comes and goes gives the blocked reader its end.
    const int fd = open((work.path + "SCORE/score.dat").c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) close(fd);
  }
  load.wait();
  EXPECT_EQ(HiScore, 300);
  // Saving reads first as well, then puts a regular file in the FIFO's place.
  auto save = std::async(std::launch::async, [] { SaveHighScore(); });
  if (save.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    ADD_FAILURE() << "saving over the FIFO blocked";
    const int fd = open((work.path + "SCORE/score.dat").c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) close(fd);
  }
  save.wait();
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(ReadFile("SCORE/score.dat").data())), "300");
}

TEST_F(ScoreFileTest, ReplayFileHoldsTheLastTextOfTheCurrentRecord) {
  ReplayBuffer[3] = ReplayRecord{5, 123.9f, -45.7f};
  ReplayIndex = 3;
  SaveReplayFile();
  EXPECT_EQ(ReplayIndex, 4);
  std::vector<uint8_t> bytes = ReadFile("Replay.dat");
  ASSERT_EQ(bytes.size(), 64999u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data())), "-45");

  // Read back, the file's text is the bank frame of the current record,
  // whatever it holds: a sign is taken, and a text without digits gives 0.
  ReplayBuffer[4].BankFrame = 3;
  LoadReplayFile();
  EXPECT_EQ(ReplayBuffer[4].BankFrame, -45);
  EXPECT_EQ(ReplayIndex, 4);
  const std::pair<const char*, int> texts[] = {
      {"6", 6}, {" \t+12x", 12}, {"abc", 0}, {"", 0}, {"99999999999", INT32_MAX}, {"-99999999999", INT32_MIN}};
  for (const auto& [text, want] : texts) {
    ASSERT_TRUE(testing_support::WriteBytes(work.path + "Replay.dat", Bytes(text)));
    ReplayBuffer[4].BankFrame = 3;
    LoadReplayFile();
    EXPECT_EQ(ReplayBuffer[4].BankFrame, want) << '"' << text << '"';
  }

  // Past the buffer's end nothing is read or formatted from it.
  ReplayIndex = ReplayLength;
  SaveReplayFile();
  LoadReplayFile();
  EXPECT_EQ(ReplayIndex, ReplayLength);
  bytes = ReadFile("Replay.dat");
  ASSERT_EQ(bytes.size(), 64999u);
  EXPECT_EQ(bytes[0], 0);
  ReplayBuffer[3] = ReplayBuffer[4] = ReplayRecord{};
}

}  // namespace
