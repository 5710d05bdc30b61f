// The last save when a close signal cannot reach a stuck main thread: a
// watchdog saves once and ends the process with 128 + the first close
// signal, never saves again after the orderly end has saved, and says what
// became of the score as it was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <thread>

#include "platform/final_save.h"
#include "platform/system.h"
#include "support/temp_folder.h"

namespace {

using testing_support::TempFolder;

int g_marker = -1;
platform::SaveOutcome g_outcome = platform::SaveOutcome::Saved;
// Each save leaves one byte in the marker file, and goes as the case says.
platform::SaveOutcome MarkSave() {
  if (::write(g_marker, "s", 1) != 1) _exit(90);
  return g_outcome;
}

enum class Child { StuckBeforeSaving, StuckAfterTheOrderlySave, EndsInOrder };

// What the child's main thread does once it heard the close request. Its
// stderr goes to the file err.
[[noreturn]] void RunChild(Child how, int ready, const std::string& err) {
  const int fd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0 || ::dup2(fd, STDERR_FILENO) < 0) _exit(92);
  platform::InstallTerminationHandlers();
  platform::SetFinalSave(&MarkSave);
  platform::StartCloseWatchdog(300);
  if (how == Child::StuckAfterTheOrderlySave) platform::RunFinalSave();
  if (::write(ready, "r", 1) != 1) _exit(91);
  for (;;) {
    if (how == Child::EndsInOrder && platform::TakeTerminationRequest()) {
      platform::RunFinalSave();
      _exit(0);
    }
    // A frozen display or audio device: the flag is never read.
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

// Waits up to limit for the child; -1 (the child killed) when it lives on.
int StatusWithin(pid_t child, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (std::chrono::steady_clock::now() < end) {
    if (waitpid(child, &status, WNOHANG) == child) return WIFEXITED(status) ? WEXITSTATUS(status) : 1000;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(child, SIGKILL);
  waitpid(child, &status, 0);
  return -1;
}

std::string Contents(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(FinalSave, ACloseSignalEndsAStuckProgramWithOneSaveAndSaysHowItWent) {
  using platform::SaveOutcome;
  struct Case {
    Child how;
    SaveOutcome save;
    std::initializer_list<int> signals;  // 50 ms apart, well within the grace
    int status;
    const char* told;  // in the watchdog's line; "" when there is none
  };
  const Case cases[] = {
      {Child::StuckBeforeSaving, SaveOutcome::Saved, {SIGTERM}, 128 + SIGTERM, "the high score was saved"},
      {Child::StuckBeforeSaving, SaveOutcome::Saved, {SIGHUP}, 128 + SIGHUP, "signal 1;"},
      {Child::StuckBeforeSaving, SaveOutcome::Failed, {SIGTERM}, 128 + SIGTERM, "the high score could not be saved"},
      {Child::StuckBeforeSaving, SaveOutcome::NotNeeded, {SIGTERM}, 128 + SIGTERM, "no high score to save"},
      // An impatient second signal does not change the end.
      {Child::StuckBeforeSaving, SaveOutcome::Saved, {SIGTERM, SIGINT}, 128 + SIGTERM, "signal 15;"},
      {Child::StuckAfterTheOrderlySave, SaveOutcome::Saved, {SIGINT}, 128 + SIGINT, "had been saved already"},
      {Child::StuckAfterTheOrderlySave, SaveOutcome::Failed, {SIGINT}, 128 + SIGINT, "already run failed"},
      {Child::EndsInOrder, SaveOutcome::Saved, {SIGTERM}, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "child " << static_cast<int>(c.how) << ", save " << static_cast<int>(c.save)
                                    << ", first signal " << *c.signals.begin());
    TempFolder folder;
    const std::string marker = folder.path + "saves";
    const std::string err = folder.path + "err";
    g_marker = ::open(marker.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    ASSERT_GE(g_marker, 0);
    g_outcome = c.save;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) RunChild(c.how, ready[1], err);
    ::close(ready[1]);
    char r = 0;
    ASSERT_EQ(::read(ready[0], &r, 1), 1);
    ::close(ready[0]);
    for (int signal : c.signals) {
      kill(child, signal);
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(StatusWithin(child, std::chrono::milliseconds(5000)), c.status);
    ::close(g_marker);
    struct stat st{};
    ASSERT_EQ(::stat(marker.c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 1) << "saves made";
    const std::string said = Contents(err);
    if (*c.told) {
      EXPECT_NE(said.find(c.told), std::string::npos) << said;
      // Never two accounts of one save.
      if (c.save != SaveOutcome::Saved) {
        EXPECT_EQ(said.find("was saved"), std::string::npos) << said;
      }
    } else {
      EXPECT_EQ(said, "");
    }
  }
}

}  // namespace
