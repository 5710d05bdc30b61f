// The streams of the scene-2, scene-8 and scene-5 bosses run through their
// attack windows as their stages call them, for a person to look at (with
// QUORVANE_SHOTS set) and for a coarse check that the field fills.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
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
  // The boss where its stage would show it, its attack timeline at the start.
  static void PlaceBoss(bosses::BossRecord& boss, float x, float y) {
    boss.X = x;
    boss.Y = y;
    boss.AttackCounter = 0;
  }
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

using Frame = std::vector<std::function<void()>>;

// Each instance's Update and then its Draw, in the order given.
template <class Instance>
void AddUpdateAndDraw(Frame& frame, std::initializer_list<const Instance*> instances) {
  for (const Instance* i : instances)
    frame.push_back([i] {
      i->Update(0);
      i->Draw(0);
    });
}

// The step streams of one boss start together in the same windows.
std::function<void()> EmitAll(std::initializer_list<const StepStreamInstance*> streams) {
  return [list = std::vector<const StepStreamInstance*>(streams)] {
    for (const StepStreamInstance* s : list) s->Emit();
  };
}

std::function<void()> Emit(const SpiralStreamInstance& s) {
  return [&s] { s.Emit(0); };
}

std::function<void()> Fire(const CurvingChainInstance& c) {
  return [&c] { c.Fire(0); };
}

TEST_F(StreamPicturesTest, Scene2BossSpirals) {
  PlaceBoss(bosses::Scene2Boss, 190.0f, 20.0f);
  Frame frame;
  AddUpdateAndDraw(
      frame, {&SpiralStream01, &SpiralStream02, &SpiralStream03, &SpiralStream05, &SpiralStream04, &SpiralStream06,
              &SpiralStream07, &SpiralStream08, &SpiralStream09, &SpiralStream10, &SpiralStream11, &SpiralStream12});
  Run(bosses::Scene2Boss, 2300,
      {{1400, 4300, Emit(SpiralStream01)},
       {1400, 4300, Emit(SpiralStream02)},
       {0, 3000, Emit(SpiralStream03)},
       {0, 3000, Emit(SpiralStream05)},
       {2000, 4300, Emit(SpiralStream04)},
       {2000, 4300, Emit(SpiralStream06)}},
      frame);
  Picture("streams_scene2_spirals");
  EXPECT_GT(Lit(180, 0, 440, 600), 2000);
}

TEST_F(StreamPicturesTest, Scene8BossSpiralsAndWiggles) {
  PlaceBoss(bosses::Scene8Boss, 180.0f, 20.0f);
  Frame frame;
  AddUpdateAndDraw(frame, {&SpiralStream13, &SpiralStream14, &SpiralStream15, &SpiralStream16, &SpiralStream17,
                           &SpiralStream18, &SpiralStream19, &SpiralStream20, &SpiralStream21, &SpiralStream22});
  AddUpdateAndDraw(frame, {&WiggleStream01, &WiggleStream02, &WiggleStream03, &WiggleStream04, &WiggleStream05,
                           &WiggleStream06, &WiggleStream07, &WiggleStream08});
  const auto wiggles = EmitAll({&WiggleStream01, &WiggleStream02, &WiggleStream03, &WiggleStream04, &WiggleStream05,
                                &WiggleStream06, &WiggleStream07, &WiggleStream08});
  // Difficulty 1's windows.
  std::vector<Window> windows = {{0, 400, wiggles}, {2350, 2800, wiggles}};
  for (const SpiralStreamInstance* s : {&SpiralStream13, &SpiralStream14, &SpiralStream15, &SpiralStream16})
    windows.push_back({1500, 2500, Emit(*s)});
  for (const SpiralStreamInstance* s : {&SpiralStream17, &SpiralStream18}) windows.push_back({5, 500, Emit(*s)});
  for (const SpiralStreamInstance* s : {&SpiralStream17, &SpiralStream18, &SpiralStream19, &SpiralStream20})
    windows.push_back({2000, 2500, Emit(*s)});
  for (const SpiralStreamInstance* s : {&SpiralStream21, &SpiralStream22}) windows.push_back({2510, 3000, Emit(*s)});

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
  PlaceBoss(bosses::Scene5Boss, 200.0f, 20.0f);
  Frame frame;
  AddUpdateAndDraw(frame, {&CurvingStream01, &CurvingStream02, &CurvingStream03, &CurvingStream04, &CurvingStream05,
                           &CurvingStream06});
  AddUpdateAndDraw(frame, {&CurvingChain01, &CurvingChain02, &CurvingChain03, &CurvingChain04});
  const std::vector<Window> windows = {{600, 750, Fire(CurvingChain01)},
                                       {1250, 1500, Fire(CurvingChain01)},
                                       {600, 750, Fire(CurvingChain02)},
                                       {1250, 1500, Fire(CurvingChain02)},
                                       {1250, 1500, Fire(CurvingChain03)},
                                       {1250, 1500, Fire(CurvingChain04)},
                                       {1510, 1900,
                                        EmitAll({&CurvingStream01, &CurvingStream02, &CurvingStream03, &CurvingStream04,
                                                 &CurvingStream05, &CurvingStream06})}};
  Run(bosses::Scene5Boss, 1400, windows, frame);
  Picture("streams_scene5_chains");
  EXPECT_GT(Lit(180, 0, 440, 600), 1500);
  Run(bosses::Scene5Boss, 1600, windows, frame);
  Picture("streams_scene5_curving");
  EXPECT_GT(Lit(180, 0, 440, 600), 4000);
}

}  // namespace
