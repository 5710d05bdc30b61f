// A close request (SIGTERM) while an error box is up: the box gives up at
// once and the program ends in order, the high score saved, instead of
// waiting for a click that never comes.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "flow_fixture.h"
#include "game/score.h"
#include "platform/system.h"
#include "support/harness.h"
#include "support/temp_folder.h"

namespace {

using testing_support::Harness;
using testing_support::TempFolder;
using testing_support::WorkingFolder;

TEST(Termination, SigtermWithAnErrorBoxUpEndsTheProgramInOrder) {
  TempFolder empty;  // a program folder without any picture, sound or music
  TempFolder work;
  WorkingFolder cwd{work.path};
  platform::InstallTerminationHandlers();
  platform::SetProgramFolder(empty.path);
  {
    Harness h;
    h.backend().box_wait_ms = 3000;  // nobody clicks
    h.backend().on_box = [] { raise(SIGTERM); };
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(h.StartGame(), 1);
    EXPECT_FALSE(h.backend().boxes.empty());
    for (int i = 0; i < 10 && !h.Quit(); ++i) h.Pump();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(h.Quit());
    EXPECT_LT(took, std::chrono::milliseconds(2500)) << "the first box waited for its click";
    EXPECT_TRUE(std::filesystem::is_regular_file("SCORE/score.dat")) << "the high score was not saved";
    EXPECT_FALSE(platform::TerminationPending());
  }
  platform::SetProgramFolder("");
  score::HiScore = 0;
}

// A closed terminal (SIGHUP) or a quit from the keyboard (SIGQUIT) asks the
// game to close like SIGTERM and SIGINT do, so that the high score is saved;
// the first signal is kept for the exit status.
TEST(Termination, EveryCloseSignalIsACloseRequest) {
  platform::InstallTerminationHandlers();
  for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) {
    ASSERT_EQ(raise(sig), 0);
    EXPECT_TRUE(platform::TerminationPending()) << sig;
    EXPECT_EQ(platform::TerminationSignal(), SIGTERM) << "the first one counts";
    EXPECT_TRUE(platform::TakeTerminationRequest()) << sig;
    EXPECT_FALSE(platform::TerminationPending()) << sig;
  }
}

}  // namespace
