// The streams of the scene-2, scene-8 and scene-5 bosses run through their
// attack windows as their stages call them, for a person to look at (with
// QUORVANE_SHOTS set) and for a coarse check that the field fills.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "bosses/boss_record.h"
#include "patterns/streams/curving_chain.h"
#include "patterns/streams/spiral_stream.h"
#include "patterns/streams/step_stream.h"
#include "support/enemy_fixture.h"

namespace {

using namespace patterns;
using testing_support::EnemyTest;

// A start operation with the attack-counter window that opens it.
struct Window {
  int lo, hi;
  std::function<void()> start;
};

class StreamPicturesTest : public EnemyTest {
 protected:
  // Runs frames on from the boss's attack counter until it reaches `last`:
  // the windows' starts, then every Update and Draw; the picture shows the
  // last frame.
  void Run(bosses::BossRecord& boss, int last, const std::vector<Window>& windows,
           const std::vector<std::function<void()>>& updateAndDraw) {
    Frames(last - boss.AttackCounter, [&] {
      ++boss.AttackCounter;
      for (const Window& w : windows)
        if (w.lo <= boss.AttackCounter && boss.AttackCounter <= w.hi) w.start();
      for (const auto& f : updateAndDraw) f();
    });
  }
};

template <class Instance>
std::function<void()> Both(const Instance& i) {
  return [&i] {
    i.Update(0);
    i.Draw(0);
  };
}

TEST_F(StreamPicturesTest, Scene2BossSpirals) {
  bosses::Scene2Boss.X = 190.0f;
  bosses::Scene2Boss.Y = 20.0f;
  bosses::Scene2Boss.AttackCounter = 0;
  const SpiralStreamInstance* order[] = {&SpiralStream01, &SpiralStream02, &SpiralStream03, &SpiralStream05,
                                         &SpiralStream04, &SpiralStream06, &SpiralStream07, &SpiralStream08,
                                         &SpiralStream09, &SpiralStream10, &SpiralStream11, &SpiralStream12};
  std::vector<std::function<void()>> frame;
  for (const SpiralStreamInstance* s : order) frame.push_back(Both(*s));
  auto emit = [](const SpiralStreamInstance& s) { return [&s] { s.Emit(0); }; };
  Run(bosses::Scene2Boss, 2300,
      {{1400, 4300, emit(SpiralStream01)}, {1400, 4300, emit(SpiralStream02)}, {0, 3000, emit(SpiralStream03)},
       {0, 3000, emit(SpiralStream05)}, {2000, 4300, emit(SpiralStream04)}, {2000, 4300, emit(SpiralStream06)}},
      frame);
  Picture("streams_scene2_spirals");
  EXPECT_GT(Lit(180, 0, 440, 600), 2000);
}

TEST_F(StreamPicturesTest, Scene8BossSpiralsAndWiggles) {
  bosses::Scene8Boss.X = 180.0f;
  bosses::Scene8Boss.Y = 20.0f;
  bosses::Scene8Boss.AttackCounter = 0;
  std::vector<std::function<void()>> frame;
  for (const SpiralStreamInstance* s :
       {&SpiralStream13, &SpiralStream14, &SpiralStream15, &SpiralStream16, &SpiralStream17, &SpiralStream18,
        &SpiralStream19, &SpiralStream20, &SpiralStream21, &SpiralStream22})
    frame.push_back(Both(*s));
  for (const StepStreamInstance* s : {&WiggleStream01, &WiggleStream02, &WiggleStream03, &WiggleStream04,
                                      &WiggleStream05, &WiggleStream06, &WiggleStream07, &WiggleStream08})
    frame.push_back(Both(*s));
  auto emit = [](const SpiralStreamInstance& s) { return [&s] { s.Emit(0); }; };
  auto wiggles = [] {
    for (const StepStreamInstance* s : {&WiggleStream01, &WiggleStream02, &WiggleStream03, &WiggleStream04,
                                        &WiggleStream05, &WiggleStream06, &WiggleStream07, &WiggleStream08})
      s->Emit();
  };
  // Difficulty 1's windows.
  std::vector<Window> windows = {{0, 400, wiggles}, {2350, 2800, wiggles}};
  for (const SpiralStreamInstance* s : {&SpiralStream13, &SpiralStream14, &SpiralStream15, &SpiralStream16})
    windows.push_back({1500, 2500, emit(*s)});
  for (const SpiralStreamInstance* s : {&SpiralStream17, &SpiralStream18})
    windows.push_back({5, 500, emit(*s)});
  for (const SpiralStreamInstance* s : {&SpiralStream17, &SpiralStream18, &SpiralStream19, &SpiralStream20})
    windows.push_back({2000, 2500, emit(*s)});
  for (const SpiralStreamInstance* s : {&SpiralStream21, &SpiralStream22}) windows.push_back({2510, 3000, emit(*s)});

  Run(bosses::Scene8Boss, 300, windows, frame);
  Picture("streams_scene8_opening");
  EXPECT_GT(Lit(180, 0, 440, 600), 2000);
  Run(bosses::Scene8Boss, 2450, windows, frame);
  Picture("streams_scene8_spirals");
  EXPECT_GT(Lit(180, 0, 440, 600), 4000);
  Run(bosses::Scene8Boss, 2750, windows, frame);
  Picture("streams_scene8_late");
  EXPECT_GT(Lit(180, 0, 440, 600), 4000);
}

TEST_F(StreamPicturesTest, Scene5BossCurvingStreamsAndChains) {
  bosses::Scene5Boss.X = 200.0f;
  bosses::Scene5Boss.Y = 20.0f;
  bosses::Scene5Boss.AttackCounter = 0;
  std::vector<std::function<void()>> frame;
  for (const StepStreamInstance* s : {&CurvingStream01, &CurvingStream02, &CurvingStream03, &CurvingStream04,
                                      &CurvingStream05, &CurvingStream06})
    frame.push_back(Both(*s));
  for (const CurvingChainInstance* c : {&CurvingChain01, &CurvingChain02, &CurvingChain03, &CurvingChain04})
    frame.push_back(Both(*c));
  auto fire = [](const CurvingChainInstance& c) { return [&c] { c.Fire(0); }; };
  auto streams = [] {
    for (const StepStreamInstance* s : {&CurvingStream01, &CurvingStream02, &CurvingStream03, &CurvingStream04,
                                        &CurvingStream05, &CurvingStream06})
      s->Emit();
  };
  const std::vector<Window> windows = {{600, 750, fire(CurvingChain01)}, {1250, 1500, fire(CurvingChain01)}, {600, 750, fire(CurvingChain02)},
       {1250, 1500, fire(CurvingChain02)}, {1250, 1500, fire(CurvingChain03)}, {1250, 1500, fire(CurvingChain04)},
       {1510, 1900, streams}};
  Run(bosses::Scene5Boss, 1400, windows, frame);
  Picture("streams_scene5_chains");
  EXPECT_GT(Lit(180, 0, 440, 600), 1500);
  Run(bosses::Scene5Boss, 1600, windows, frame);
  Picture("streams_scene5_curving");
  EXPECT_GT(Lit(180, 0, 440, 600), 4000);
}

}  // namespace
