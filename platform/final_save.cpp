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

// How long the watchdog waits for a save already running elsewhere (a slow
// disk) before it ends the process anyway: the file is replaced whole or
// not at all, so nothing on disk is lost by ending mid-save.
constexpr auto RunningSaveWait = std::chrono::seconds(2);

sem_t g_signalled;
std::atomic<bool> g_watching{false};
int g_grace_ms = 3000;

// Only with g_save_mutex held.
bool SaveLocked() {
  if (g_saved || !g_save) return false;
  g_saved = true;
  g_save();
  return true;
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
  if (g_save_mutex.try_lock_for(RunningSaveWait)) SaveLocked();
  const int signal = TerminationSignal();
  char line[160];
  const int n = std::snprintf(line, sizeof line,
                              "quorvane: the game did not end within %d ms of signal %d; the high score was saved "
                              "and the game ends\n",
                              g_grace_ms, signal);
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

bool RunFinalSave() {
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
