// The rising lock targets (never started by a stage, still moved, drawn and
// hit) and the diagonal large craft with their eight-blast burst.
#include <gtest/gtest.h>

#include "enemies/diagonal_large_craft.h"
#include "enemies/rising_lock_target.h"
#include "support/craft_probe.h"
#include "support/enemy_fixture.h"
#include "world/state.h"

namespace {

using namespace enemies;
using testing_support::CraftProbe;
using testing_support::EnemyTest;
using testing_support::LockableProbe;
using testing_support::Probe;

class RisingAndLargeTest : public EnemyTest {};

TEST_F(RisingAndLargeTest, RisingTargetsParkAtTheirOwnPointOnTheFirstMove) {
  struct Case {
    CraftProbe Craft;
    float ParkX;
    int RestY;
  } cases[] = {{LockableProbe("RisingLockTarget01", RisingLockTarget01), 360.0f, 500},
               {LockableProbe("RisingLockTarget02", RisingLockTarget02), 350.0f, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Craft.Name);
    Frames(1, [&] {
      c.Craft.Move();
      c.Craft.Draw();
    });
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(c.Craft.Slots[i].X, c.ParkX);
      EXPECT_EQ(c.Craft.Slots[i].Y, 2550.0f);
      EXPECT_EQ(c.Craft.Locks[i].X, 370);
      EXPECT_EQ(c.Craft.Locks[i].Y, c.RestY);
      EXPECT_EQ(c.Craft.Locks[i].Locked, 0);
    }
    // A hit on a free slot starts nothing.
    c.Craft.Hit(0);
    Frames(1, [&] { c.Craft.Draw(); });
    EXPECT_EQ(Lit(0, 0, 800, 600), 0);
    EXPECT_EQ(c.Craft.Slots[0].Hit, 1);
    EXPECT_EQ(c.Craft.Slots[0].ExplosionFrame, 0);
  }
}

TEST_F(RisingAndLargeTest, ARisingTargetClimbsOutAtItsTopBoundAndBurnsWhileClimbing) {
  RisingLockTarget01.Spawn();
  ObjectSlot& s = RisingLockTarget01Slots[0];
  EXPECT_EQ(s.Y, 480.0f);
  EXPECT_TRUE(s.X >= 180 && s.X <= 539) << s.X;
  EXPECT_TRUE(s.Vy <= -120 && s.Vy >= -219) << s.Vy;
  EXPECT_EQ(RisingLockTarget01Locks[0].X, 290);
  EXPECT_EQ(RisingLockTarget01Locks[0].Y, 500);
  s.Vy = -128.0f;
  // 580 pixels to y -100 at 2 pixels a frame: 290 frames, still in on the bound.
  Frames(290, [] { RisingLockTarget01.Move(); });
  EXPECT_EQ(s.Y, -100.0f);
  EXPECT_EQ(s.Active, 1);
  RisingLockTarget01Locks[0] = LockOnRecord{300, -71, 1};  // just above the lock bounds
  Frames(1, [] { RisingLockTarget01.Move(); });
  EXPECT_EQ(s.Active, 0);
  EXPECT_EQ(s.X, 360.0f);
  EXPECT_EQ(RisingLockTarget01Locks[0].X, 370);
  EXPECT_EQ(RisingLockTarget01Locks[0].Y, 500);
  EXPECT_EQ(RisingLockTarget01Locks[0].Locked, 0);

  RisingLockTarget02.Spawn();
  ObjectSlot& t = RisingLockTarget02Slots[1];
  t.Vy = -64.0f;
  RisingLockTarget02.Hit(1);
  for (int f = 0; f < 16; ++f) {
    Frames(1, [] {
      RisingLockTarget02.Move();
      RisingLockTarget02.Draw();
    });
    if (f == 14) {
      EXPECT_EQ(t.Y, 465.0f);  // it climbs on while it burns
    }
  }
  EXPECT_EQ(t.Active, 0);
  EXPECT_EQ(t.X, ParkX);
  EXPECT_EQ(RisingLockTarget02Locks[1].X, 290);
  EXPECT_EQ(RisingLockTarget02Locks[1].Y, 0);
}

TEST_F(RisingAndLargeTest, LargeCraftFlyTheDiagonalPastTheSideUntilTheBottom) {
  struct Case {
    CraftProbe Craft;
    float EntryX, Sign;
  } cases[] = {{Probe("DiagonalLargeCraft01", DiagonalLargeCraft01), -20.0f, 1.0f},
               {Probe("DiagonalLargeCraft02", DiagonalLargeCraft02), 620.0f, -1.0f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Craft.Name);
    ResetWorld();
    c.Craft.Spawn();
    ObjectSlot& s = c.Craft.Slots[0];
    EXPECT_EQ(s.X, c.EntryX);
    EXPECT_EQ(s.Y, -160.0f);
    EXPECT_TRUE(s.Vy >= 80 && s.Vy <= 159) << s.Vy;
    s.Vy = 80.0f;
    Frames(64, [&] { c.Craft.Move(); });
    EXPECT_EQ(s.X, c.EntryX + c.Sign * 80.0f);  // (60, -80) and (540, -80)
    EXPECT_EQ(s.Y, -80.0f);
    // Far past the side it still flies; only the bottom frees it.
    s.X = c.EntryX + c.Sign * 900.0f;
    s.Y = 600.0f;
    Frames(1, [&] {});
    s.Vy = 0.0f;
    Frames(1, [&] { c.Craft.Move(); });
    EXPECT_EQ(s.Active, 1);
    s.Vy = 64.0f;
    Frames(1, [&] { c.Craft.Move(); });
    EXPECT_EQ(s.Active, 0);
    EXPECT_EQ(s.X, ParkX);
    EXPECT_EQ(s.Y, ParkY);
  }
}

TEST_F(RisingAndLargeTest, LargeCraftBurstInEightKeyedBlastsAndFlyOn) {
  // The seventh blast differs: ZBAK3B for the first craft, ZBAK2B for the
  // second; whatever EffectsFlag holds, every blast is keyed.
  for (int effects : {1, 0}) {
    ResetWorld();
    flow::EffectsFlag = effects;
    DiagonalLargeCraft01.Spawn();
    ObjectSlot& s = DiagonalLargeCraft01Slots[0];
    s.X = 300.0f;
    s.Y = 200.0f;
    s.Vy = 64.0f;
    DiagonalLargeCraft01.Hit(0);
    Frames(1, [] { DiagonalLargeCraft01.Draw(); });
    // The centres of the blasts around the body that no other blast
    // covers: left (-25, 35), right (135, 35), top (55, -45), bottom
    // (55, 115).
    EXPECT_GT(Lit(305, 265, 20, 20), 0) << effects;
    EXPECT_GT(Lit(465, 265, 20, 20), 0) << effects;
    EXPECT_GT(Lit(385, 185, 20, 20), 0) << effects;
    EXPECT_GT(Lit(385, 345, 20, 20), 0) << effects;
    for (int f = 1; f < 16; ++f) {
      Frames(1, [] {
        DiagonalLargeCraft01.Move();
        DiagonalLargeCraft01.Draw();
      });
      if (f == 14) {  // 14 Moves
        EXPECT_EQ(s.Y, 214.0f);  // it flies on while it burns
        EXPECT_EQ(s.X, 314.0f);
      }
    }
    EXPECT_EQ(s.Active, 0);
    EXPECT_EQ(s.Hit, 0);
    EXPECT_EQ(s.X, ParkX);
  }
}

TEST_F(RisingAndLargeTest, Pictures) {
  DiagonalLargeCraft01.Spawn();
  DiagonalLargeCraft02.Spawn();
  RisingLockTarget02.Spawn();  // no stage starts it; here to be seen
  Frames(150, [] {
    DiagonalLargeCraft01.Move();
    DiagonalLargeCraft01.Draw();
    DiagonalLargeCraft02.Move();
    DiagonalLargeCraft02.Draw();
    RisingLockTarget02.Move();
    RisingLockTarget02.Draw();
  });
  Picture("large_flight");
  DiagonalLargeCraft02.Hit(0);
  Frames(4, [] { DiagonalLargeCraft02.Draw(); });
  Picture("large_exploding");
}

}  // namespace
