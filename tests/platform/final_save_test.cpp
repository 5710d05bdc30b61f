// The last save when a close signal cannot reach a stuck main thread: a
// watchdog saves once and ends the process with 128 + the signal, and never
// saves again after the orderly end has saved.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/final_save.h"
#include "platform/system.h"
#include "support/temp_folder.h"

namespace {

using testing_support::TempFolder;

int g_marker = -1;
// Each save leaves one byte in the marker file.
void MarkSave() {
  if (::write(g_marker, "s", 1) != 1) _exit(90);
}

enum class Child { StuckBeforeSaving, StuckAfterTheOrderlySave, EndsInOrder };

// What the child's main thread does once it heard the close request.
[[noreturn]] void RunChild(Child how, int ready) {
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

TEST(FinalSave, ACloseSignalEndsAStuckProgramWithOneSave) {
  struct Case {
    Child how;
    int signal;
    int status;
  };
  const Case cases[] = {
      {Child::StuckBeforeSaving, SIGTERM, 128 + SIGTERM},
      {Child::StuckBeforeSaving, SIGHUP, 128 + SIGHUP},
      {Child::StuckAfterTheOrderlySave, SIGINT, 128 + SIGINT},
      {Child::EndsInOrder, SIGTERM, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.how));
    TempFolder folder;
    const std::string marker = folder.path + "saves";
    g_marker = ::open(marker.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    ASSERT_GE(g_marker, 0);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) RunChild(c.how, ready[1]);
    ::close(ready[1]);
    char r = 0;
    ASSERT_EQ(::read(ready[0], &r, 1), 1);
    ::close(ready[0]);
    kill(child, c.signal);
    EXPECT_EQ(StatusWithin(child, std::chrono::milliseconds(5000)), c.status);
    ::close(g_marker);
    struct stat st{};
    ASSERT_EQ(::stat(marker.c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 1) << "saves made";
  }
}

}  // namespace
