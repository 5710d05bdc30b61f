// The craft that fly alone: the large craft sinking through the field, the
// sweeping craft with their enter, stop-and-drop and leave bands, and the
// giant craft's stop-and-go descent; their blast rings and bounds.
#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <vector>

#include "enemies/cluster_drop_shot.h"
#include "enemies/curving_chain_shot.h"
#include "enemies/giant_craft.h"
#include "enemies/large_craft.h"
#include "enemies/sweeping_craft.h"
#include "engine/random.h"
#include "engine/sound.h"
#include "platform/mixer.h"
#include "support/enemy_fixture.h"
#include "world/assets.h"
#include "world/state.h"

namespace {

using namespace enemies;
using testing_support::EnemyTest;

class SingleCraftTest : public EnemyTest {
 protected:
  platform::SoundBuffer Bom() const { return elSound::SoundObject.Buffers[assets::SndBom][0]; }
  void Hush() const { platform::StopSoundBuffer(Bom()); }
  bool Sounded() const { return (platform::SoundBufferStatus(Bom()) & platform::SoundPlaying) != 0; }

  static ObjectSlot& Place(ObjectSlot& s, float x, float y) {
    s.X = x;
    s.Y = y;
    s.Active = 1;
    return s;
  }
};

TEST_F(SingleCraftTest, LargeCraftStartAtRandomAndSinkSteadily) {
  // Seed 1 gives 41, 18467: x 41 % 200 + 180 = 221, vy 18467 % 60 + 60 = 107.
  elRandom::Seed(1);
  LargeCraft02.Spawn();
  ObjectSlot& s = LargeCraft02Record[0];
  EXPECT_EQ(s.X, 221.0f);
  EXPECT_EQ(s.Y, -220.0f);
  EXPECT_EQ(s.Vy, 107.0f);
  EXPECT_EQ(s.Active, 1);
  const uint32_t drawn = elRandom::State;
  LargeCraft02.Spawn();  // busy: nothing, no draw
  EXPECT_EQ(elRandom::State, drawn);
  Frames(64, [] {
    LargeCraft02.Move();
    LargeCraft02.Draw();
  });
  EXPECT_EQ(s.Y, -113.0f);
  EXPECT_EQ(s.X, 221.0f);
  EXPECT_GT(Lit(221, 0, 240, 107), 0);
  EXPECT_EQ(Lit(221, 107, 240, 200), 0);

  // LargeCraft01 and 03 from their own rows: 41 % 300 + 180, y -120; 41 % 240 + 180, y -160.
  elRandom::Seed(1);
  LargeCraft01.Spawn();
  elRandom::Seed(1);
  LargeCraft03.Spawn();
  EXPECT_EQ(LargeCraft01Record[0].X, 221.0f);
  EXPECT_EQ(LargeCraft01Record[0].Y, -120.0f);
  EXPECT_EQ(LargeCraft03Record[0].Y, -160.0f);
}

TEST_F(SingleCraftTest, CraftBoundsAreStrict) {
  struct Case {
    const char* name;
    std::function<void()> move;
    ObjectSlot& s;
    float x, y;
    bool freed;
  } cases[] = {
      {"large y 600", [] { LargeCraft03.Move(); }, LargeCraft03Record[0], 300, 600, false},
      {"large y past 600", [] { LargeCraft03.Move(); }, LargeCraft03Record[0], 300, 600.01f, true},
      {"large x 100", [] { LargeCraft03.Move(); }, LargeCraft03Record[0], 100, 300, false},
      {"large x below 100", [] { LargeCraft03.Move(); }, LargeCraft03Record[0], 99.99f, 300, true},
      {"sweeper02 on its right bound", [] { SweepingCraft02.Move(); }, SweepingCraft02Record, 620, 300, false},
      {"sweeper04 on its right bound", [] { SweepingCraft04.Move(); }, SweepingCraft04Record, 640, 300, false},
      {"sweeper04 past it", [] { SweepingCraft04.Move(); }, SweepingCraft04Record, 640.01f, 300, true},
      {"sweeper01 on its left bound", [] { SweepingCraft01.Move(); }, SweepingCraft01Record, -20, 300, false},
      {"sweeper01 past it", [] { SweepingCraft01.Move(); }, SweepingCraft01Record, -20.01f, 300, true},
      {"sweeper05 top", [] { SweepingCraft05.Move(); }, SweepingCraft05Record, 300, -160, false},
      {"sweeper05 above it", [] { SweepingCraft05.Move(); }, SweepingCraft05Record, 300, -160.01f, true},
      {"giant start y", [] { GiantCraft01.Move(); }, GiantCraft01Record, 300, -300, false},
      {"giant x 620", [] { GiantCraft01.Move(); }, GiantCraft01Record, 620, 300, false},
      {"giant x past 620", [] { GiantCraft01.Move(); }, GiantCraft01Record, 620.01f, 300, true},
      {"giant y past 600", [] { GiantCraft01.Move(); }, GiantCraft01Record, 300, 600.01f, true},
      {"giant x -120", [] { GiantCraft01.Move(); }, GiantCraft01Record, -120, 300, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Standing still: no speed, and a phase or count between the bands.
    c.s = ObjectSlot{};
    Place(c.s, c.x, c.y);
    c.s.PhaseTime = 50.5f;
    c.s.Timer = 61;  // the giant's count jumps to 8 without moving
    c.move();
    EXPECT_EQ(c.s.Active, c.freed ? 0 : 1);
    EXPECT_EQ(c.s.X, c.freed ? -500.0f : c.x);
    EXPECT_EQ(c.s.Y, c.freed ? 2550.0f : c.y);
  }
}

TEST_F(SingleCraftTest, TheLargeCraftBurstsInEightAdditiveBlastsWhateverTheEffectsAndSinksOn) {
  std::vector<uint16_t> looks[2];
  for (int effects : {0, 1}) {
    ResetWorld();
    flow::EffectsFlag = effects;
    ObjectSlot& s = Place(LargeCraft02Record[0], 300.0f, 200.0f);
    s.Vy = 64.0f;
    LargeCraft02.Hit();
    std::vector<int> sounded;
    int calls = 0;
    while (s.Active != 0 && calls < 40) {
      Hush();
      Frames(1, [] {
        LargeCraft02.Move();
        LargeCraft02.Draw();
      });
      ++calls;
      if (Sounded()) sounded.push_back(calls);
      if (calls == 1) {
        // It sank one pixel before the first step; the blasts lie around
        // (300, 201): the four sides and the four corners.
        const int spots[8][2] = {{-25, 35}, {135, 35}, {55, -45}, {55, 115},
                                 {-2, -22}, {112, -22}, {-2, 92}, {112, 92}};
        for (const auto& p : spots) EXPECT_GT(Lit(300 + p[0] + 30, 201 + p[1] + 30, 20, 20), 0) << p[0] << "," << p[1];
        looks[effects] = testing_support::BackBufferPixels(180, 0, 440, 600);
      }
      if (calls == 5) LargeCraft02.Hit();  // changes nothing
    }
    EXPECT_EQ(calls, 16);
    EXPECT_EQ(sounded, (std::vector<int>{1, 9}));
    EXPECT_EQ(s.Y, 2550.0f);
    EXPECT_EQ(s.Hit, 0);
    EXPECT_EQ(s.Vy, 64.0f);  // it sank on all the while
  }
  EXPECT_EQ(looks[0], looks[1]);

  // Blended: the same blasts drawn over themselves get brighter.
  ResetWorld();
  Place(LargeCraft02Record[0], 300.0f, 200.0f);
  LargeCraft02.Hit();
  const auto brightness = [] {
    const auto px = testing_support::BackBufferPixels(275, 235, 80, 80);
    return std::accumulate(px.begin(), px.end(), 0L);
  };
  Frames(1, [] { LargeCraft02.Draw(); });
  const long once = brightness();
  Frames(1, [] {
    LargeCraft02Record[0].ExplosionFrame = 0;
    LargeCraft02.Draw();
    LargeCraft02Record[0].ExplosionFrame = 0;
    LargeCraft02.Draw();
  });
  EXPECT_GT(brightness(), once);

  // A hit on the free record bursts unseen at the park position, sound and all.
  ResetWorld();
  LargeCraft03.Hit();
  Hush();
  Frames(1, [] { LargeCraft03.Draw(); });
  EXPECT_TRUE(Sounded());
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
  EXPECT_EQ(LargeCraft03Record[0].ExplosionFrame, 1);
}

TEST_F(SingleCraftTest, SweepersEnterStopToDropAndClimbOut) {
  // Seed 1: start y 41 % 60 + 100 = 141. Phase 45 a second: 45/64 a frame,
  // so the enter band (up to 50) lasts 71 frames at 200/64 px a frame, the
  // 72nd lies between the bands, 73 to 99 stop, 101 on leave.
  struct Case {
    const SweepingCraftInstance& craft;
    SweepingCraftRecord& r;
    const ClusterDropShotInstance& cluster;
    float sign, startX;
  } cases[] = {{SweepingCraft01, SweepingCraft01Record, ClusterDropShot01, 1.0f, -20.0f},
               {SweepingCraft02, SweepingCraft02Record, ClusterDropShot02, -1.0f, 620.0f}};
  for (const Case& c : cases) {
    ResetWorld();
    elRandom::Seed(1);
    c.craft.Spawn();
    EXPECT_EQ(c.r.X, c.startX);
    EXPECT_EQ(c.r.Y, 141.0f);
    const auto run = [&](int n) {
      Frames(n, [&] {
        c.craft.Move();
        c.craft.Draw();
      });
    };
    run(71);
    const float stopX = c.startX + c.sign * 221.875f;
    EXPECT_EQ(c.r.X, stopX);
    EXPECT_EQ(c.r.Y, 141.0f);
    run(1);
    EXPECT_EQ(c.r.X, stopX);
    EXPECT_EQ(c.cluster.Slots[0].Active, 0);
    run(1);  // the stop band: the cluster under the craft
    EXPECT_EQ(c.r.Vx, 0.0f);
    EXPECT_EQ(c.cluster.Slots[0].Active, 1);
    EXPECT_EQ(c.cluster.Slots[0].X, stopX + 120.0f);
    EXPECT_EQ(c.cluster.Slots[0].Y, 231.0f);
    EXPECT_GT(Lit(static_cast<int>(stopX) + 10, 141, 180, 160), 0);
    run(27);  // to 100: 70.3 lies past the stop band
    EXPECT_EQ(c.r.Y, 141.0f);
    run(1);  // the leave band: 280 up and 250 on, a second
    EXPECT_EQ(c.r.Y, 136.625f);
    EXPECT_EQ(c.r.X, stopX + c.sign * 3.90625f);
    run(67);  // 68 frames up: y 141 - 297.5 = -156.5, still in
    EXPECT_EQ(c.r.Y, -156.5f);
    EXPECT_EQ(c.r.Active, 1);
    run(1);
    EXPECT_EQ(c.r.Active, 0);
    EXPECT_EQ(c.r.Y, 2550.0f);
  }
}

TEST_F(SingleCraftTest, DiagonalSweepersComeDownAndSinkOut) {
  // Phase 40 a second: 64 frames to 40, entering at 200 across and 170 down.
  struct Case {
    const SweepingCraftInstance& craft;
    SweepingCraftRecord& r;
    const ClusterDropShotInstance& cluster;
    float stopX, sign;
  } cases[] = {{SweepingCraft05, SweepingCraft05Record, ClusterDropShot05, 180.0f, 1.0f},
               {SweepingCraft06, SweepingCraft06Record, ClusterDropShot06, 420.0f, -1.0f}};
  for (const Case& c : cases) {
    c.craft.Spawn();
    EXPECT_EQ(c.r.Y, -150.0f);
    Frames(64, [&] { c.craft.Move(); });
    EXPECT_EQ(c.r.X, c.stopX);
    EXPECT_EQ(c.r.Y, 20.0f);
    Frames(2, [&] { c.craft.Move(); });  // 40.625 between the bands, then 41.25
    EXPECT_EQ(c.r.X, c.stopX);
    EXPECT_EQ(c.cluster.Slots[0].X, c.stopX + 120.0f);  // two columns: (120, 60) and (60, 60)
    EXPECT_EQ(c.cluster.Slots[0].Y, 80.0f);
    EXPECT_EQ(c.cluster.Slots[5].X, c.stopX + 60.0f);
    EXPECT_EQ(c.cluster.Slots[5].Y, 80.0f);
    // Phase 71 at frame 114: 47 frames later it sinks 280 and drifts 150 a second.
    Frames(48, [&] { c.craft.Move(); });
    EXPECT_EQ(c.r.Y, 20.0f + 4.375f);
    EXPECT_EQ(c.r.X, c.stopX + c.sign * 2.34375f);
  }
}

TEST_F(SingleCraftTest, PhaseBetweenBandsAndTheSecondRoundWithoutEntry) {
  // Phase 50.5 exactly: neither enter nor stop, nothing fired.
  SweepingCraftRecord& r = SweepingCraft01Record;
  Place(r, 100.0f, 130.0f);
  r.Vx = 200.0f;
  r.PhaseTime = 50.5f - 45.0f / 64;
  SweepingCraft01.Move();
  EXPECT_EQ(r.PhaseTime, 50.5f);
  EXPECT_EQ(r.X, 100.0f);
  EXPECT_EQ(ClusterDropShot01.Slots[0].Active, 0);

  // A craft low enough is still in when its phase wraps: it stands through
  // the enter band, stops and drops again and climbs out.
  r.X = 300.0f;
  r.Y = -150.0f;
  r.Vx = 0.0f;
  r.Vy = 280.0f;
  r.PhaseTime = 121.0f - 45.0f / 64;
  SweepingCraft01.Move();
  EXPECT_EQ(r.PhaseTime, 0.0f);
  Frames(71, [] { SweepingCraft01.Move(); });
  EXPECT_EQ(r.X, 300.0f);
  EXPECT_EQ(r.Y, -150.0f);
  Frames(2, [] { SweepingCraft01.Move(); });
  EXPECT_EQ(ClusterDropShot01.Slots[2].X, 360.0f);
  EXPECT_EQ(ClusterDropShot01.Slots[2].Y, -30.0f);
  // Phase 71 after 28 more frames, then 4.375 px up a frame: out over the
  // top on the third step of the leave band.
  Frames(29, [] { SweepingCraft01.Move(); });
  EXPECT_EQ(r.Active, 1);
  EXPECT_EQ(r.Y, -158.75f);
  Frames(1, [] { SweepingCraft01.Move(); });
  EXPECT_EQ(r.Active, 0);
}

TEST_F(SingleCraftTest, TheExtraStopShotsWaitForTheExtraModes) {
  struct Case {
    int levelMode, doubleSpeed;
    bool extras;
  } cases[] = {{1, 0, false}, {2, 0, true}, {1, 1, true}};
  for (const Case& c : cases) {
    ResetWorld();
    flow::LevelMode = c.levelMode;
    flow::DoubleSpeedFlag = c.doubleSpeed;
    SweepingCraftRecord& r3 = SweepingCraft03Record;
    SweepingCraftRecord& r4 = SweepingCraft04Record;
    Place(r3, 100.0f, 100.0f).PhaseTime = 60.0f;
    Place(r4, 300.0f, 80.0f).PhaseTime = 60.0f;
    SweepingCraft04.Move();
    EXPECT_EQ(ClusterDropShot04.Slots[0].Active, 1);
    EXPECT_EQ(ClusterDropShot04.Slots[0].X, 420.0f);
    // The borrowed cluster lies under SweepingCraft03, not under the caller.
    EXPECT_EQ(ClusterDropShot03.Slots[0].Active, c.extras ? 1 : 0);
    if (c.extras) {
      EXPECT_EQ(ClusterDropShot03.Slots[0].X, 220.0f);
    }
    EXPECT_EQ(CurvingChainShot05.Slots[0].Active, c.extras ? 1 : 0);
    EXPECT_EQ(CurvingChainShot06.Slots[6].Active, c.extras ? 1 : 0);
    if (c.extras) {
      EXPECT_EQ(CurvingChainShot05.Slots[0].X, 385.0f);
    }
    EXPECT_EQ(CurvingChainShot03.Slots[0].Active, 0);
    SweepingCraft03.Move();
    EXPECT_EQ(CurvingChainShot03.Slots[0].Active, c.extras ? 1 : 0);
    EXPECT_EQ(CurvingChainShot04.Slots[0].Active, c.extras ? 1 : 0);
  }
}

TEST_F(SingleCraftTest, SweeperResetKeepsTheSpiralCounters) {
  SweepingCraft01Record.SpiralCountLeft = 39;
  SweepingCraft02Record.SpiralCountRight = 12;
  Place(SweepingCraft01Record, 300, 200).PhaseTime = 30.0f;
  ResetWorld();
  EXPECT_EQ(SweepingCraft01Record.SpiralCountLeft, 39);
  EXPECT_EQ(SweepingCraft02Record.SpiralCountRight, 12);
  EXPECT_EQ(SweepingCraft01Record.Active, 0);
  EXPECT_EQ(SweepingCraft01Record.PhaseTime, 0.0f);
  EXPECT_EQ(SweepingCraft01Record.Y, 2550.0f);
  // The sixth sweeper's corner blasts sit one pixel further out.
  EXPECT_EQ(SweepingCraftRows[5].Explosion.Blended[4].X, -3);
  EXPECT_EQ(SweepingCraftRows[5].Explosion.Blended[7].Y, 93);
  EXPECT_EQ(SweepingCraftRows[4].Explosion.Blended[5].X, 112);
}

TEST_F(SingleCraftTest, TheGiantCraftStopsAndGoesByFrameCount) {
  // Seed 1: x 41 % 140 + 180 = 221. The first pass: 20 frames down at
  // 130/64, 30 stopped and dropping, 10 at 60/64; then counts 9 to 60.
  elRandom::Seed(1);
  GiantCraft01Record.HitCounter = 24;
  GiantCraft01.Spawn();
  ObjectSlot& g = GiantCraft01Record;
  EXPECT_EQ(g.X, 221.0f);
  EXPECT_EQ(g.Y, -300.0f);
  EXPECT_EQ(g.HitCounter, 0);
  Frames(20, [] { GiantCraft01.Move(); });
  EXPECT_EQ(g.Y, -259.375f);
  EXPECT_EQ(ClusterDropShot07.Slots[0].Active, 0);
  Frames(1, [] { GiantCraft01.Move(); });
  EXPECT_EQ(g.Y, -259.375f);
  // The wide columns: (240, 60) and (40, 60) from the corner.
  EXPECT_EQ(ClusterDropShot07.Slots[0].X, 461.0f);
  EXPECT_EQ(ClusterDropShot07.Slots[0].Y, -199.375f);
  EXPECT_EQ(ClusterDropShot07.Slots[5].X, 261.0f);
  Frames(39, [] { GiantCraft01.Move(); });
  EXPECT_EQ(g.Y, -250.0f);
  Frames(1, [] { GiantCraft01.Move(); });  // 61: back to 8, no motion
  EXPECT_EQ(g.Timer, 8);
  EXPECT_EQ(g.Y, -250.0f);
  Frames(53, [] { GiantCraft01.Move(); });  // one later pass: 12 + 10 frames of descent
  EXPECT_EQ(g.Timer, 8);
  EXPECT_EQ(g.Y, -250.0f + 24.375f + 9.375f);
  EXPECT_EQ(g.X, 221.0f);

  // Its touches are counted by the player's weapons; a Spawn and the reset
  // clear the count.
  g.HitCounter = 25;
  ResetWorld();
  EXPECT_EQ(g.HitCounter, 0);
}

TEST_F(SingleCraftTest, TheGiantCraftBurstsInSixteenKeyedBlasts) {
  for (int effects : {1, 0}) {
    ResetWorld();
    flow::EffectsFlag = effects;
    ObjectSlot& g = Place(GiantCraft01Record, 250.0f, 150.0f);
    GiantCraft01.Hit();
    Hush();
    Frames(1, [] { GiantCraft01.Draw(); });
    EXPECT_TRUE(Sounded());
    // The first ring around (250, 150), the second shifted by (100, 100).
    EXPECT_GT(Lit(250 - 25 + 30, 150 + 35 + 30, 20, 20), 0);
    EXPECT_GT(Lit(250 + 213 + 30, 150 + 193 + 30, 20, 20), 0);
    EXPECT_EQ(g.ExplosionFrame, 1);
  }
  // Keyed: the blast drawn twice over itself looks the same.
  ResetWorld();
  Place(GiantCraft01Record, 250.0f, 150.0f);
  GiantCraft01.Hit();
  Frames(1, [] { GiantCraft01.Draw(); });
  const auto once = testing_support::BackBufferPixels(180, 0, 440, 600);
  Frames(1, [] {
    GiantCraft01Record.ExplosionFrame = 0;
    GiantCraft01.Draw();
    GiantCraft01Record.ExplosionFrame = 0;
    GiantCraft01.Draw();
  });
  EXPECT_EQ(testing_support::BackBufferPixels(180, 0, 440, 600), once);
}

TEST_F(SingleCraftTest, Pictures) {
  Place(LargeCraft02Record[0], 190.0f, 20.0f);
  Place(LargeCraft03Record[0], 400.0f, 300.0f);
  Place(SweepingCraft05Record, 420.0f, 40.0f);
  Frames(1, [] {
    LargeCraft02.Draw();
    LargeCraft03.Draw();
    SweepingCraft05.Draw();
  });
  EXPECT_GT(Lit(190, 20, 240, 220), 0);
  Picture("large_craft_flight");

  ResetWorld();
  Place(LargeCraft02Record[0], 250.0f, 200.0f);
  LargeCraft02.Hit();
  Frames(4, [] { LargeCraft02.Draw(); });
  Picture("large_craft_explosion");

  ResetWorld();
  Place(GiantCraft01Record, 250.0f, 150.0f);
  Frames(1, [] { GiantCraft01.Draw(); });
  Picture("giant_craft");
  GiantCraft01.Hit();
  Frames(4, [] { GiantCraft01.Draw(); });
  Picture("giant_craft_explosion");
}

}  // namespace
