// The lockable craft that cross from a side edge: the crossing spinners
// (diagonal, turning) and the side gliders (level), each a mirror pair.
#include <gtest/gtest.h>

#include <vector>

#include "enemies/crossing_spinner.h"
#include "enemies/side_glider.h"
#include "support/enemy_fixture.h"
#include "support/craft_probe.h"
#include "world/state.h"

namespace {

using namespace enemies;
using testing_support::CraftProbe;
using testing_support::EnemyTest;
using testing_support::LockableProbe;

class CrossersTest : public EnemyTest {
 protected:
  struct Crosser {
    CraftProbe Craft;
    float EntryX, Sign;
    bool Sinks;  // a crossing spinner also moves down
  };
  std::vector<Crosser> Crossers() {
    return {{LockableProbe("CrossingSpinner01", CrossingSpinner01), 90.0f, 1.0f, true},
            {LockableProbe("CrossingSpinner02", CrossingSpinner02), 620.0f, -1.0f, true},
            {LockableProbe("SideGlider01", SideGlider01), 90.0f, 1.0f, false},
            {LockableProbe("SideGlider02", SideGlider02), 620.0f, -1.0f, false}};
  }
};

TEST_F(CrossersTest, SpawnEntersAtTheEdgeAndCrosses) {
  for (const Crosser& c : Crossers()) {
    SCOPED_TRACE(c.Craft.Name);
    ResetWorld();
    c.Craft.Locks[0] = LockOnRecord{123, 45, 1};
    c.Craft.Spawn();
    for (const ObjectSlot& s : c.Craft.Slots) {
      EXPECT_EQ(s.Active, 1);
      EXPECT_EQ(s.X, c.EntryX);
      if (c.Sinks) {
        EXPECT_TRUE(s.Y >= 0 && s.Y <= 99) << s.Y;
        EXPECT_TRUE(s.Vx >= 51 && s.Vx <= 100) << s.Vx;
        EXPECT_TRUE(s.Vy >= 41 && s.Vy <= 90) << s.Vy;
      } else {
        EXPECT_TRUE(s.Y >= 0 && s.Y <= 199) << s.Y;
        EXPECT_TRUE(s.Vx >= 50 && s.Vx <= 99) << s.Vx;
      }
    }
    // The record is the weapons' business: Spawn leaves it alone.
    EXPECT_EQ(c.Craft.Locks[0].X, 123);
    EXPECT_EQ(c.Craft.Locks[0].Locked, 1);

    ObjectSlot& s = c.Craft.Slots[1];
    s.Y = 50.0f;
    s.Vx = 64.0f;
    s.Vy = 32.0f;
    // One second: 64 pixels sideways, and 32 down for the spinner.
    Frames(64, [&] { c.Craft.Move(); });
    EXPECT_EQ(s.X, c.EntryX + c.Sign * 64.0f);
    EXPECT_EQ(s.Y, c.Sinks ? 82.0f : 50.0f);
    EXPECT_EQ(s.Active, 1);
  }
}

TEST_F(CrossersTest, LeavingParksAtX360AndReleasesOnlyOutsideTheLockBounds) {
  for (const Crosser& c : Crossers()) {
    SCOPED_TRACE(c.Craft.Name);
    ResetWorld();
    // The first Move parks every reset slot at x 360 through the y test
    // first, so the records keep their reset place.
    Frames(1, [&] { c.Craft.Move(); });
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(c.Craft.Slots[i].X, 360.0f);
      EXPECT_EQ(c.Craft.Slots[i].Y, 2550.0f);
      EXPECT_EQ(c.Craft.Locks[i].X, -500);
      EXPECT_EQ(c.Craft.Locks[i].Y, 500);
    }

    c.Craft.Spawn();
    // Slot 0 on the far edge, slot 1 one pixel from passing it, slot 2 with
    // its marker inside the bounds.
    const float farEdge = c.Sign > 0 ? 620.0f : 90.0f;
    for (std::size_t i = 0; i < 3; ++i) {
      c.Craft.Slots[i].X = farEdge;
      c.Craft.Slots[i].Vx = 64.0f;
      c.Craft.Slots[i].Vy = 0.0f;
    }
    c.Craft.Slots[0].Vx = 0.0f;
    c.Craft.Locks[1] = LockOnRecord{c.Sign > 0 ? 621 : 109, 40, 1};
    c.Craft.Locks[2] = LockOnRecord{c.Sign > 0 ? 620 : 110, 40, 1};
    Frames(1, [&] { c.Craft.Move(); });
    EXPECT_EQ(c.Craft.Slots[0].Active, 1);  // on the bound: still flying
    for (std::size_t i = 1; i < 3; ++i) {
      EXPECT_EQ(c.Craft.Slots[i].Active, 0);
      EXPECT_EQ(c.Craft.Slots[i].X, 360.0f);
      EXPECT_EQ(c.Craft.Slots[i].Y, 2550.0f);
    }
    EXPECT_EQ(c.Craft.Locks[1].X, 370);
    EXPECT_EQ(c.Craft.Locks[1].Y, 0);
    EXPECT_EQ(c.Craft.Locks[1].Locked, 0);
    EXPECT_EQ(c.Craft.Locks[2].X, c.Sign > 0 ? 620 : 110);
    EXPECT_EQ(c.Craft.Locks[2].Locked, 1);

    // Started again, the slot whose record kept its lock shows the marker
    // at once, 10 pixels into the craft.
    c.Craft.Spawn();
    c.Craft.Slots[2].Y = 100.0f;
    Frames(1, [&] { c.Craft.Draw(); });
    EXPECT_EQ(c.Craft.Locks[2].X, static_cast<int>(c.EntryX) + 10);
    EXPECT_EQ(c.Craft.Locks[2].Y, 110);
  }
}

TEST_F(CrossersTest, ASpinnerLeavesThroughTheBottomWithItsLock) {
  CrossingSpinner02.Spawn();
  ObjectSlot& s = CrossingSpinner02Slots[0];
  s.Y = 599.0f;
  s.X = 300.0f;
  s.Vy = 64.0f;
  s.Vx = 0.0f;
  CrossingSpinner02Locks[0] = LockOnRecord{50, 50, 1};  // outside, but not tested
  Frames(1, [] { CrossingSpinner02.Move(); });
  EXPECT_EQ(s.Active, 1);  // y 600: still in
  Frames(1, [] { CrossingSpinner02.Move(); });
  EXPECT_EQ(s.Active, 0);
  EXPECT_EQ(s.X, 360.0f);
  EXPECT_EQ(CrossingSpinner02Locks[0].Locked, 1);
  EXPECT_EQ(CrossingSpinner02Locks[0].X, 50);
}

TEST_F(CrossersTest, AHitStopsTheCraftBurnsSixteenFramesAndUnlocks) {
  for (const Crosser& c : Crossers()) {
    SCOPED_TRACE(c.Craft.Name);
    ResetWorld();
    c.Craft.Spawn();
    ObjectSlot& s = c.Craft.Slots[0];
    s.X = 300.0f;
    s.Y = 200.0f;
    c.Craft.Locks[0].Locked = 1;
    Frames(1, [&] { c.Craft.Draw(); });
    EXPECT_EQ(c.Craft.Locks[0].X, 310);  // the marker follows the craft
    EXPECT_EQ(c.Craft.Locks[0].Y, 210);
    c.Craft.Hit(0);
    c.Craft.Hit(7);  // outside the table: nothing
    // The Move of the frame after the hit still moves it; the Draw then
    // stops it where it is.
    float burnX = 0.0f;
    for (int f = 0; f < 16; ++f) {
      Frames(1, [&] {
        c.Craft.Move();
        c.Craft.Draw();
      });
      if (f == 0) burnX = s.X;
      if (f < 15) {
        EXPECT_EQ(s.Active, 1);
        EXPECT_EQ(s.X, burnX);
        EXPECT_GT(Lit(300, 200, 80, 80), 0);
      }
    }
    EXPECT_EQ(s.Active, 0);
    EXPECT_EQ(s.Hit, 0);
    EXPECT_EQ(s.X, ParkX);
    EXPECT_EQ(s.Y, ParkY);
    EXPECT_EQ(c.Craft.Locks[0].X, 290);
    EXPECT_EQ(c.Craft.Locks[0].Y, 0);
    EXPECT_EQ(c.Craft.Locks[0].Locked, 0);
  }
}

TEST_F(CrossersTest, EffectsOffDrawsOnlyTheBaseBlast) {
  // Debris pieces fly out beyond the base blast's 80x80 cell.
  struct Case {
    int effects;
    bool debris;
  } cases[] = {{1, true}, {0, false}};
  for (const Case& c : cases) {
    ResetWorld();
    flow::EffectsFlag = c.effects;
    CrossingSpinner01.Spawn();
    CrossingSpinner01Slots[0].X = 300.0f;
    CrossingSpinner01Slots[0].Y = 200.0f;
    CrossingSpinner01.Hit(0);
    Frames(7, [] { CrossingSpinner01.Draw(); });  // frame 6 drawn last
    EXPECT_GT(Lit(300, 200, 80, 80), 0);
    // Frame 6's piece (+7, +6) lies at (362, 256), right of the blast.
    EXPECT_EQ(Lit(381, 200, 100, 120) > 0, c.debris) << c.effects;
  }
}

TEST_F(CrossersTest, Pictures) {
  CrossingSpinner01.Spawn();
  CrossingSpinner02.Spawn();
  SideGlider01.Spawn();
  SideGlider02.Spawn();
  Frames(120, [] {
    CrossingSpinner01.Move();
    CrossingSpinner01.Draw();
    CrossingSpinner02.Move();
    CrossingSpinner02.Draw();
    SideGlider01.Move();
    SideGlider01.Draw();
    SideGlider02.Move();
    SideGlider02.Draw();
  });
  Picture("crossers_flight");
  CrossingSpinner01.Hit(0);
  SideGlider02.Hit(1);
  Frames(5, [] {
    CrossingSpinner01.Draw();
    SideGlider02.Draw();
  });
  Picture("crossers_exploding");
}

}  // namespace
