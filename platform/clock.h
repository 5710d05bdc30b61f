// Time: 32-bit wrapping milliseconds since process start, a high-resolution
// counter from the same source, whole seconds for seeding, sleep. Tests and
// benchmarks switch to a manual clock that only they advance. The real clock
// needs no construction, so it serves static initialisers before main.
#pragma once
#include <cstdint>

namespace platform {

uint32_t TimeGetTime();
int64_t QueryPerformanceCounter();
int64_t QueryPerformanceFrequency();
// Seconds since the epoch (the seed of the random numbers).
int64_t TimeSeconds();
void Sleep(uint32_t ms);

// Manual clock: counter in microseconds starting at start_ms milliseconds;
// seconds start at epoch_seconds. Sleep advances it.
void UseManualClock(uint32_t start_ms = 0, int64_t epoch_seconds = 1'000'000'000);
void UseRealClock();
bool ManualClockActive();
void AdvanceClockMicros(int64_t us);
inline void AdvanceClockMs(int64_t ms) { AdvanceClockMicros(ms * 1000); }
void SetManualSeconds(int64_t epoch_seconds);

}  // namespace platform
