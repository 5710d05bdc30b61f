#include "platform/clock.h"

#include <atomic>
#include <ctime>
#include <thread>

namespace platform {
namespace {

// Constant-initialised so that the clock works during static initialisation.
std::atomic<bool> g_manual{false};
std::atomic<int64_t> g_manual_us{0};
std::atomic<int64_t> g_manual_epoch{0};

int64_t MonotonicMicros() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<int64_t>(ts.tv_sec) * 1'000'000 + ts.tv_nsec / 1000;
}

int64_t ProcessStartMicros() {
  static const int64_t start = MonotonicMicros();
  return start;
}

int64_t NowMicros() {
  if (g_manual.load(std::memory_order_relaxed)) return g_manual_us.load(std::memory_order_relaxed);
  return MonotonicMicros() - ProcessStartMicros();
}

}  // namespace

uint32_t TimeGetTime() { return static_cast<uint32_t>(static_cast<uint64_t>(NowMicros() / 1000)); }

int64_t QueryPerformanceCounter() { return NowMicros(); }

int64_t QueryPerformanceFrequency() { return 1'000'000; }

int64_t TimeSeconds() {
  if (g_manual.load(std::memory_order_relaxed))
    return g_manual_epoch.load(std::memory_order_relaxed) + g_manual_us.load(std::memory_order_relaxed) / 1'000'000;
  return static_cast<int64_t>(std::time(nullptr));
}

void Sleep(uint32_t ms) {
  if (g_manual.load(std::memory_order_relaxed)) {
    // A manual clock moves on by at least 1 ms so that waits on it end.
    AdvanceClockMicros(static_cast<int64_t>(ms > 0 ? ms : 1) * 1000);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void UseManualClock(uint32_t start_ms, int64_t epoch_seconds) {
  g_manual_us.store(static_cast<int64_t>(start_ms) * 1000);
  g_manual_epoch.store(epoch_seconds);
  g_manual.store(true);
}

void UseRealClock() { g_manual.store(false); }

bool ManualClockActive() { return g_manual.load(); }

void AdvanceClockMicros(int64_t us) { g_manual_us.fetch_add(us); }

void SetManualSeconds(int64_t epoch_seconds) {
  g_manual_epoch.store(epoch_seconds - g_manual_us.load() / 1'000'000);
}

}  // namespace platform
