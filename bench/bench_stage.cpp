// Stage frames of the real game, headless on the manual clock, every frame
// drawn, the ship firing under the boss: the busiest stretch of each
// main-road stage (2, 3, 5, 6, 8), and the whole road from the first stage
// to the ending. Each run reports the busiest frame's processor time, the
// average frame's, how many times faster than real time the stages ran
// (60 frames a second), and the heap allocations per stage frame.
//
// The whole road is long (about 100,000 frames); it is registered only when
// QUORVANE_BENCH_FULL is set, so that the smoke run stays short.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <ctime>
#include <cstdlib>
#include <new>
#include <string>

#include "engine/present.h"
#include "engine/system.h"
#include "bosses/boss_record.h"
#include "engine/input.h"
#include "game/reset.h"
#include "game/stage.h"
#include "game/stage_script.h"
#include "world/state.h"
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
  float busiestProgress = 0;

  void Add(const Measure& m) {
    if (m.busiest > busiest) busiest = m.busiest, busiestProgress = m.busiestProgress;
    total += m.total;
    frames += m.frames;
    allocations += m.allocations;
  }
};

// Runs frames of `scene` while `before` (run first in each frame) holds, at
// most `limit`; one frame of the game is one pass of the real loop.
template <typename Before>
Measure RunStage(Harness& h, int scene, long limit, Before before) {
  Measure m;
  while (elSystem::SceneNumber == scene && m.frames < limit && before()) {
    const long allocs = Allocations.load(std::memory_order_relaxed);
    const double start = ThreadMs();
    h.Frame();
    const double ms = ThreadMs() - start;
    m.allocations += Allocations.load(std::memory_order_relaxed) - allocs;
    if (ms > m.busiest) {
      m.busiest = ms;
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

// Plays on while the current scene is `scene` and `more` holds: the ship
// stands under the boss firing its first set, and a continue prompt is
// answered with Y, as a player who keeps going would.
template <typename More>
Measure Play(Harness& h, int scene, More more, long limit) {
  h.KeyDown('Z');
  Measure m = RunStage(h, scene, limit, [&] {
    if (stage::ContinuePromptFlag == 1 && stage::PauseFlag == 1) elInput::LastKey = 'Y';
    const bosses::BossRecord& r = *stage::ScriptOf(scene).boss.record;
    if (r.Y > -300.0f)
      player::PlayerPosition = player::ShipPoint{std::clamp(r.X + 160.0f, 180.0f, 560.0f), 480.0f};
    return more();
  });
  h.KeyUp('Z');
  return m;
}

constexpr int MainRoad[] = {2, 3, 5, 6, 8};

// Enters a stage scene at once, with the tables reset as a stage change
// leaves them, its transition over.
void EnterStage(Harness& h, int scene) {
  flow::ResetObjects();
  flow::ResetBosses();
  elSystem::SceneNumber = scene;
  elSystem::PreviousScene = 0;
  h.Frame();
}

// The busiest stretch of each main-road stage: its last small-fry windows
// and the boss's fight, 3000 frames from just before the boss window, at
// difficulty 3.
void MainRoadBossFights(benchmark::State& state) {
  for (auto _ : state) {
    testing_support::TempFolder work;
    Harness h;
    EnterFirstStage(h, platform::VK_F2);
    Measure all;
    for (int scene : MainRoad) {
      EnterStage(h, scene);
      stage::StageProgress = stage::ScriptOf(scene).boss.windowLo - 100.0f;
      const Measure m = Play(h, scene, [] { return true; }, 3000);
      state.counters["busiest_ms_scene" + std::to_string(scene)] = m.busiest;
      all.Add(m);
    }
    Report(state, all);
  }
}
BENCHMARK(MainRoadBossFights)->Iterations(1)->Unit(benchmark::kMillisecond);

// The whole main road as it plays, from the first stage's start through each
// boss's death to the ending.
void MainRoadWhole(benchmark::State& state) {
  for (auto _ : state) {
    testing_support::TempFolder work;
    Harness h;
    EnterFirstStage(h, platform::VK_F1);
    Measure all;
    for (int scene : MainRoad) {
      while (elSystem::SceneNumber != scene && all.frames < 2000000) h.Frame();
      const Measure m = Play(h, scene, [] { return true; }, 200000);
      state.counters["frames_scene" + std::to_string(scene)] = static_cast<double>(m.frames);
      all.Add(m);
    }
    Report(state, all);
  }
}

const bool registered = [] {
  if (std::getenv("QUORVANE_BENCH_FULL"))
    benchmark::RegisterBenchmark("MainRoadWhole", MainRoadWhole)->Iterations(1)->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace

BENCHMARK_MAIN();
