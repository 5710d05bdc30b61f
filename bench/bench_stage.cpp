// Whole stage frames of the real game, headless on the manual clock, every
// frame drawn: the first stage from its start through its boss fight with
// the ship firing. Each run reports the busiest frame's time, the average
// frame's time, how many times faster than real time the stage ran, and the
// heap allocations per stage frame.
//
// The whole-stage run is long (about 30,000 frames); it is registered only
// when QUORVANE_BENCH_FULL is set, so that the smoke run stays short.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <ctime>
#include <cstdlib>
#include <new>

#include "engine/present.h"
#include "engine/system.h"
#include "game/stage.h"
#include "platform/keys.h"
#include "platform/mci.h"
#include "support/harness.h"
#include "support/temp_folder.h"

namespace {

std::atomic<long> Allocations{0};

}  // namespace

// Every allocation of the program is counted; new and delete stay a pair
// over malloc and free.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
  Allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

using testing_support::Harness;
// The thread's own processor time: a frame's cost without the time other
// programs took the core away.
double ThreadMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// The game from the title into the first stage at difficulty `key` (F1 or
// F2), its transition over, the fire key held.
void EnterFirstStage(Harness& h, int key) {
  platform::SetMciCommandLog(nullptr);  // the tests' record of music commands
  h.StartGame();
  h.Pump();
  h.Frame();
  h.KeyDown(platform::VK_RETURN);
  h.Frame();
  h.KeyUp(platform::VK_RETURN);
  h.Frames(40);
  h.KeyDown(key);
  h.Frame();
  h.KeyUp(key);
  while (elDraw::TransitionCounter != 0) h.Frame();
  h.KeyDown('Z');
}

struct Measure {
  double busiest = 0, total = 0;
  long frames = 0, allocations = 0;
  long busiestFrame = 0;
  float busiestProgress = 0;
};

// Runs stage frames while `more` holds; one frame of the game is one call of
// the stage function through the real loop.
template <typename More>
Measure RunStage(Harness& h, More more) {
  Measure m;
  while (more() && elSystem::SceneNumber == 2 && m.frames < 100000) {
    const long before = Allocations.load(std::memory_order_relaxed);
    const double start = ThreadMs();
    h.Frame();
    const double ms = ThreadMs() - start;
    m.allocations += Allocations.load(std::memory_order_relaxed) - before;
    if (ms > m.busiest) {
      m.busiest = ms;
      m.busiestFrame = m.frames;
      m.busiestProgress = stage::StageProgress;
    }
    m.total += ms;
    ++m.frames;
  }
  return m;
}

void Report(benchmark::State& state, const Measure& m) {
  state.counters["frames"] = static_cast<double>(m.frames);
  state.counters["busiest_ms"] = m.busiest;
  state.counters["busiest_at"] = m.busiestProgress;
  state.counters["average_ms"] = m.frames ? m.total / m.frames : 0.0;
  state.counters["realtime_ratio"] = m.total > 0 ? (m.frames * 1000.0 / 60.0) / m.total : 0.0;
  state.counters["allocs_per_frame"] = m.frames ? static_cast<double>(m.allocations) / m.frames : 0.0;
}

// The busiest stretch: the last small-fry windows and the boss's first
// whole attack cycle (4300 frames once the ship's shots have opened its
// gate) at difficulty 3.
void Scene2BossFight(benchmark::State& state) {
  for (auto _ : state) {
    testing_support::TempFolder work;
    Harness h;
    EnterFirstStage(h, platform::VK_F2);
    stage::StageProgress = 1090.0f;
    const Measure m = RunStage(h, [] { return stage::StageProgress < 2600.0f; });
    Report(state, m);
  }
}
BENCHMARK(Scene2BossFight)->Iterations(1)->Unit(benchmark::kMillisecond);

void Scene2WholeStage(benchmark::State& state) {
  for (auto _ : state) {
    testing_support::TempFolder work;
    Harness h;
    EnterFirstStage(h, platform::VK_F1);
    const Measure m = RunStage(h, [] { return true; });
    Report(state, m);
  }
}

const bool registered = [] {
  if (std::getenv("QUORVANE_BENCH_FULL"))
    benchmark::RegisterBenchmark("Scene2WholeStage", Scene2WholeStage)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace

BENCHMARK_MAIN();
