#include "platform/final_save.h"

#include <pthread.h>
#include <semaphore.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>

#include "platform/system.h"

namespace platform {
namespace {

std::timed_mutex g_save_mutex;
SaveFunction g_save = nullptr;
bool g_saved = false;
SaveOutcome g_outcome = SaveOutcome::NotNeeded;  // of the one save, once it ran

// How long the watchdog waits for a save already running elsewhere (a slow
// disk) before it ends the process anyway: the file is replaced whole or
// not at all, so nothing on disk is lost by ending mid-save.
constexpr auto RunningSaveWait = std::chrono::seconds(2);

sem_t g_signalled;
std::atomic<bool> g_watching{false};
int g_grace_ms = 3000;

// Only with g_save_mutex held. How the one save went, run now unless it ran
// before.
SaveOutcome SaveLocked() {
  if (g_saved || !g_save) return g_outcome;
  g_saved = true;
  g_outcome = g_save();
  return g_outcome;
}

// What the watchdog says became of the score.
const char* Told(SaveOutcome outcome, bool saved_before) {
  switch (outcome) {
    case SaveOutcome::Saved:
      return saved_before ? "no save was needed: the high score had been saved already"
                          : "the high score was saved";
    case SaveOutcome::Failed:
      return saved_before ? "the high score is not saved: the save that had already run failed"
                          : "the high score could not be saved";
    case SaveOutcome::NotNeeded:
      break;
  }
  return "no save was needed: there was no high score to save";
}

void* Watch(void*) {
  while (sem_wait(&g_signalled) != 0) {
  }
  timespec deadline{};
  clock_gettime(CLOCK_MONOTONIC, &deadline);
  deadline.tv_sec += g_grace_ms / 1000;
  deadline.tv_nsec += static_cast<long>(g_grace_ms % 1000) * 1'000'000L;
  if (deadline.tv_nsec >= 1'000'000'000L) {
    ++deadline.tv_sec;
    deadline.tv_nsec -= 1'000'000'000L;
  }
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
  }
  // The orderly end did not come. The lock is never given back: nothing may
  // save after this.
  static_assert(RunningSaveWait == std::chrono::seconds(2), "the line below says how long");
  const char* told =
      "the high score may not be saved: a save still running after 2 s was cut short (the file stays whole)";
  if (g_save_mutex.try_lock_for(RunningSaveWait)) {
    const bool saved_before = g_saved;
    told = Told(SaveLocked(), saved_before);
  }
  const int signal = TerminationSignal();
  char line[256];
  const int n = std::snprintf(line, sizeof line,
                              "quorvane: the game did not end within %d ms of signal %d; %s, and the game ends\n",
                              g_grace_ms, signal, told);
  if (n > 0 && ::write(STDERR_FILENO, line, static_cast<size_t>(n)) < 0) {
    // nothing more can be said
  }
  _exit(128 + signal);
}

}  // namespace

void SetFinalSave(SaveFunction save) {
  std::lock_guard<std::timed_mutex> lock(g_save_mutex);
  g_save = save;
}

SaveOutcome RunFinalSave() {
  std::lock_guard<std::timed_mutex> lock(g_save_mutex);
  return SaveLocked();
}

void StartCloseWatchdog(int grace_ms) {
  if (g_watching.load()) return;
  g_grace_ms = grace_ms > 0 ? grace_ms : 0;
  if (sem_init(&g_signalled, 0, 0) != 0) return;
  pthread_t thread;
  if (pthread_create(&thread, nullptr, &Watch, nullptr) != 0) {
    std::fprintf(stderr, "quorvane: no watchdog for close signals could be started\n");
    return;
  }
  pthread_detach(thread);
  g_watching.store(true);
}

void NotifyCloseWatchdog() {
  if (g_watching.load(std::memory_order_relaxed)) sem_post(&g_signalled);
}

}  // namespace platform
