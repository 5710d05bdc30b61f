// The aimed shots (needles and balls, one per parent slot) and the aimed
// line shots (rows, single sets and kept sets): the aim for the ship on
// every side of the gun, the launch from a parent slot in any state, the
// flight, the strict bounds, the ship's box, the freeing of whole lines and
// the bomb rule.
#include <gtest/gtest.h>

#include <numbers>

#include "enemies/aimed_line_shot.h"
#include "enemies/aimed_shot.h"
#include "enemies/crossing_spinner.h"
#include "enemies/lane_diver.h"
#include "enemies/spinning_faller.h"
#include "enemies/spinning_lock_target.h"
#include "enemies/zigzag_fighter.h"
#include "support/enemy_fixture.h"
#include "world/state.h"

namespace {

using namespace enemies;
using testing_support::EnemyTest;

constexpr float Pi = std::numbers::pi_v<float>;

class AimedShotsTest : public EnemyTest {
 protected:
  // A craft slot flying at (x, y).
  static void PlaceParent(std::span<ObjectSlot> slots, std::size_t i, float x, float y) {
    slots[i].X = x;
    slots[i].Y = y;
    slots[i].Active = 1;
  }
  // A shot standing in flight at (x, y).
  static AimedShotSlot& Stand(std::span<AimedShotSlot> slots, std::size_t i, float x, float y) {
    AimedShotSlot& s = slots[i];
    s.X = x;
    s.Y = y;
    s.Speed = 0.0f;
    s.Active = 1;
    return s;
  }
};

// Each aimed kind's Fire and its shots, with the gun of its first shot as
// an offset from parent slot 0 (or 1 for the sets of 5) and its aim offset.
struct Aimed {
  const char* Name;
  std::span<ObjectSlot> Parent;
  std::size_t ParentSlot;
  std::span<AimedShotSlot> Shots;
  void (*Fire)();
  void (*Update)();
  float Gx, Gy, K;
};

std::vector<Aimed> AimedKinds() {
  return {
      {"AimedShot01 needle", LaneDiver01Slots, 0, AimedShot01.Slots, [] { AimedShot01.Fire(); },
       [] { AimedShot01.Update(); }, 15, 50, 15},
      {"AimedShot05 needle", SpinningFaller03Slots, 0, AimedShot05.Slots, [] { AimedShot05.Fire(); },
       [] { AimedShot05.Update(); }, 25, 50, 15},
      {"AimedShot07 needle", SideGlider02Slots, 0, AimedShot07.Slots, [] { AimedShot07.Fire(); },
       [] { AimedShot07.Update(); }, 25, 30, 15},
      {"AimedShot09 ball", ZigzagFighter06Slots, 0, AimedShot09.Slots, [] { AimedShot09.Fire(); },
       [] { AimedShot09.Update(); }, 42, 50, 22},
      {"AimedLineShot04 row", CrossingSpinner02Slots, 0, AimedLineShot04.Slots, [] { AimedLineShot04.Fire(); },
       [] { AimedLineShot04.Update(); }, 25, 25, 15},
      {"AimedLineShot08 set", SideGlider01Slots, 1, AimedLineShot08.Slots, [] { AimedLineShot08.Fire(); },
       [] { AimedLineShot08.Update(); }, 30, 40, 22},
      {"AimedLineShot13 set", ZigzagFighter02Slots, 0, AimedLineShot13.Slots, [] { AimedLineShot13.Fire(); },
       [] { AimedLineShot13.Update(); }, 40, 50, 22},
      {"AimedLineShot22 kept", SpinningLockTarget02Slots, 1, AimedLineShot22.Slots, [] { AimedLineShot22.Fire(); },
       [] { AimedLineShot22.Update(); }, 50, 50, 22},
  };
}

TEST_F(AimedShotsTest, EachKindAimsAtTheShipOnEverySideOfTheGun) {
  // The parent at (300, 200); the gun is its corner plus the kind's offset,
  // the aim point the ship's corner plus K. The ship is placed so that the
  // aim point lies 100 px from the gun.
  struct Side {
    const char* name;
    float ax, ay;  // aim point less gun
    float heading;
    float dx1, dy1;  // the first move at 64 px/s
  } sides[] = {
      {"right", 100, 0, 0.0f, 1, 0},
      {"left", -100, 0, Pi, -1, 0},
      {"straight below", 0, 100, Pi / 2, 0, 1},
      {"straight above", 0, -100, 3 * Pi / 2, 0, -1},
      {"down right", 100, 100, Pi / 4, 0.70710678f, 0.70710678f},
      {"down left", -100, 100, 3 * Pi / 4, -0.70710678f, 0.70710678f},
      {"up left", -100, -100, 5 * Pi / 4, -0.70710678f, -0.70710678f},
      {"on the gun", 0, 0, 3 * Pi / 2, 0, -1},
  };
  for (const Aimed& a : AimedKinds()) {
    for (const Side& side : sides) {
      SCOPED_TRACE(std::string(a.Name) + " " + side.name);
      ResetWorld();
      PlaceParent(a.Parent, a.ParentSlot, 300.0f, 200.0f);
      const float gx = 300.0f + a.Gx, gy = 200.0f + a.Gy;
      PlaceShip(gx + side.ax - a.K, gy + side.ay - a.K);
      a.Fire();
      AimedShotSlot& s = a.Shots[0];
      ASSERT_EQ(s.Active, 1);
      EXPECT_EQ(s.X, gx);
      EXPECT_EQ(s.Y, gy);
      EXPECT_EQ(s.AimDx, side.ax);
      EXPECT_EQ(s.AimDy, side.ay);
      EXPECT_NEAR(s.Heading, side.heading, 1e-6);
      s.Speed = 64.0f;
      PlaceShip(-2000.0f, -2000.0f);
      Frames(1, [&] { a.Update(); });
      EXPECT_NEAR(s.X, gx + side.dx1, 1e-4);
      EXPECT_NEAR(s.Y, gy + side.dy1, 1e-4);
    }
  }
}

TEST_F(AimedShotsTest, NeedlesAndBallsLeaveEachParentSlotAtTheirSpeeds) {
  struct Case {
    const char* name;
    const AimedShotInstance& shot;
    std::span<ObjectSlot> parent;
    float dx, dy;
    int lo, hi;
  } cases[] = {
      {"01", AimedShot01, LaneDiver01Slots, 15, 50, 100, 199},
      {"02", AimedShot02, LaneDiver02Slots, 15, 50, 100, 199},
      {"03", AimedShot03, SpinningFaller01Slots, 25, 50, 130, 179},
      {"04", AimedShot04, SpinningFaller02Slots, 25, 50, 140, 189},
      {"05", AimedShot05, SpinningFaller03Slots, 25, 50, 150, 199},
      {"06", AimedShot06, SideGlider01Slots, 25, 30, 150, 199},
      {"07", AimedShot07, SideGlider02Slots, 25, 30, 150, 199},
      {"08", AimedShot08, ZigzagFighter05Slots, 42, 50, 210, 309},
      {"11", AimedShot11, ZigzagFighter08Slots, 42, 50, 210, 309},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetWorld();
    ASSERT_EQ(c.shot.Slots.size(), c.parent.size());
    for (std::size_t i = 0; i < c.parent.size(); ++i) PlaceParent(c.parent, i, 300.0f + i, 100.0f);
    c.parent.back().Hit = 1;  // an exploding parent fires too
    c.shot.Fire();
    for (std::size_t i = 0; i < c.parent.size(); ++i) {
      const AimedShotSlot& s = c.shot.Slots[i];
      EXPECT_EQ(s.Active, 1);
      EXPECT_EQ(s.X, 300.0f + i + c.dx);
      EXPECT_EQ(s.Y, 100.0f + c.dy);
      EXPECT_TRUE(s.Speed >= c.lo && s.Speed <= c.hi) << s.Speed;
    }
    // A shot in flight is never restarted.
    c.shot.Slots[0].X = 5.0f;
    c.shot.Fire();
    EXPECT_EQ(c.shot.Slots[0].X, 5.0f);
  }
}

TEST_F(AimedShotsTest, AShotFromAFreeParentIsFreedUnseenByTheNextUpdate) {
  // Lane diver slots wait at the park position, fighter slots at (-500, -500).
  AimedShot02.Fire();
  AimedShot10.Fire();
  EXPECT_EQ(AimedShot02.Slots[0].Active, 1);
  EXPECT_EQ(AimedShot10.Slots[0].X, -458.0f);
  Frames(1, [] {
    AimedShot02.Update();
    AimedShot02.Draw();
    AimedShot10.Update();
    AimedShot10.Draw();
  });
  EXPECT_EQ(AimedShot02.Slots[0].Active, 0);
  EXPECT_EQ(AimedShot10.Slots[0].Active, 0);
  EXPECT_EQ(AimedShot10.Slots[0].Y, 2550.0f);
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
}

TEST_F(AimedShotsTest, BoundsAreStrictAndTheBombFreesTheShotsThatHaveTheRule) {
  struct Case {
    const char* name;
    std::span<AimedShotSlot> shots;
    void (*update)();
    float x, y;
    bool stays;
    bool parked;  // freed to the park position, else where it stopped
  } cases[] = {
      {"needle x -30", AimedShot03.Slots, [] { AimedShot03.Update(); }, -30, 300, true, false},
      {"needle x below -30", AimedShot03.Slots, [] { AimedShot03.Update(); }, -30.01f, 300, false, true},
      {"needle x 800", AimedShot03.Slots, [] { AimedShot03.Update(); }, 800, 300, true, false},
      {"needle x past 800", AimedShot03.Slots, [] { AimedShot03.Update(); }, 800.01f, 300, false, true},
      {"needle y -30", AimedShot03.Slots, [] { AimedShot03.Update(); }, 300, -30, true, false},
      {"needle y 600", AimedShot03.Slots, [] { AimedShot03.Update(); }, 300, 600, true, false},
      {"needle y past 600", AimedShot03.Slots, [] { AimedShot03.Update(); }, 300, 600.01f, false, true},
      {"ball x 620", AimedShot08.Slots, [] { AimedShot08.Update(); }, 620, 300, true, false},
      {"ball x past 620", AimedShot08.Slots, [] { AimedShot08.Update(); }, 620.01f, 300, false, true},
      {"ball y -16", AimedShot08.Slots, [] { AimedShot08.Update(); }, 300, -16, true, false},
      {"ball y above -16", AimedShot08.Slots, [] { AimedShot08.Update(); }, 300, -16.01f, false, true},
      {"row x -30", AimedLineShot01.Slots, [] { AimedLineShot01.Update(); }, -30, 300, true, false},
      {"row x past 800", AimedLineShot01.Slots, [] { AimedLineShot01.Update(); }, 800.5f, 300, false, false},
      {"set x 620", AimedLineShot05.Slots, [] { AimedLineShot05.Update(); }, 620, 300, true, false},
      {"set x past 620", AimedLineShot05.Slots, [] { AimedLineShot05.Update(); }, 620.01f, 300, false, true},
      {"set x -20", AimedLineShot16.Slots, [] { AimedLineShot16.Update(); }, -20, 300, true, false},
      {"set x below -20", AimedLineShot16.Slots, [] { AimedLineShot16.Update(); }, -20.01f, 300, false, true},
      {"kept y past 600", AimedLineShot21.Slots, [] { AimedLineShot21.Update(); }, 300, 600.5f, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetWorld();
    const AimedShotSlot& s = Stand(c.shots, 0, c.x, c.y);
    Frames(1, c.update);
    EXPECT_EQ(s.Active, c.stays ? 1 : 0);
    EXPECT_EQ(s.X, c.parked ? -500.0f : c.x);
  }

  // The bomb: every needle, ball, row and single set is freed wherever it
  // is; the kept sets fly on.
  struct Bomb {
    const char* name;
    std::span<AimedShotSlot> shots;
    void (*update)();
    bool freed;
  } bombs[] = {
      {"needle", AimedShot06.Slots, [] { AimedShot06.Update(); }, true},
      {"ball", AimedShot11.Slots, [] { AimedShot11.Update(); }, true},
      {"row", AimedLineShot01.Slots, [] { AimedLineShot01.Update(); }, true},
      {"single set", AimedLineShot09.Slots, [] { AimedLineShot09.Update(); }, true},
      {"kept set", AimedLineShot20.Slots, [] { AimedLineShot20.Update(); }, false},
  };
  for (const Bomb& b : bombs) {
    SCOPED_TRACE(b.name);
    ResetWorld();
    for (std::size_t i = 0; i < b.shots.size(); ++i) Stand(b.shots, i, 300.0f, 300.0f);
    bomb::BombFlag = 1;
    Frames(1, b.update);
    for (const AimedShotSlot& s : b.shots) EXPECT_EQ(s.Active, b.freed ? 0 : 1);
  }
}

TEST_F(AimedShotsTest, TheShipsBoxIncludesItsEdgesAndATouchLeavesTheShotFlying) {
  struct Case {
    const char* name;
    std::span<AimedShotSlot> shots;
    void (*update)();
    float ddx, ddy;
    bool hits;
  } cases[] = {
      {"needle corner", AimedShot04.Slots, [] { AimedShot04.Update(); }, 30, 10, true},
      {"needle right of it", AimedShot04.Slots, [] { AimedShot04.Update(); }, 30.01f, 10, false},
      {"needle above it", AimedShot04.Slots, [] { AimedShot04.Update(); }, 0, 9.99f, false},
      {"ball corner", AimedShot09.Slots, [] { AimedShot09.Update(); }, 14, 24, true},
      {"ball left of it", AimedShot09.Slots, [] { AimedShot09.Update(); }, 13.99f, 30, false},
      {"row corner", AimedLineShot04.Slots, [] { AimedLineShot04.Update(); }, 0, 30, true},
      {"set corner", AimedLineShot14.Slots, [] { AimedLineShot14.Update(); }, 10, 30, true},
      {"set below it", AimedLineShot14.Slots, [] { AimedLineShot14.Update(); }, 10, 30.01f, false},
      {"kept corner", AimedLineShot19.Slots, [] { AimedLineShot19.Update(); }, 30, 20, true},
      {"kept left of it", AimedLineShot19.Slots, [] { AimedLineShot19.Update(); }, 9.99f, 20, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetWorld();
    PlaceShip(300.0f, 400.0f);
    const AimedShotSlot& s = Stand(c.shots, 0, 300.0f + c.ddx, 400.0f + c.ddy);
    Frames(1, c.update);
    EXPECT_EQ(player::PlayerAliveFlag, c.hits ? 0 : 1);
    EXPECT_EQ(s.Active, 1);
  }
  // A dead ship is not tested again; the shots fly on.
  player::PlayerAliveFlag = 0;
  Frames(1, [] { AimedLineShot19.Update(); });
  EXPECT_EQ(player::PlayerAliveFlag, 0);
}

TEST_F(AimedShotsTest, ARowStaysALineUntilItsSlowestMemberLeavesAndStillHitsWhereItStopped) {
  PlaceParent(CrossingSpinner01Slots, 1, 400.0f, 100.0f);
  // Aimed straight right along y 125.
  PlaceShip(800.0f - 15.0f, 125.0f - 15.0f);
  AimedLineShot01.Fire();
  const std::span<AimedShotSlot> row = AimedLineShot01.Slots.subspan(5, 5);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(row[k].Active, 1);
    EXPECT_EQ(row[k].Speed, 260.0f + 20.0f * k);
    EXPECT_EQ(row[k].X, 425.0f);
    EXPECT_NEAR(row[k].Heading, 0.0f, 1e-7);
  }
  PlaceShip(-2000.0f, -2000.0f);
  // The slowest (260 px/s) passes x 800 on move 93: the row is freed
  // there, and stands where it was.
  Frames(96, [] { AimedLineShot01.Update(); });
  EXPECT_NEAR(row[0].X, 425.0f + 93 * 260.0f / 64, 1e-3);
  for (const AimedShotSlot& s : row) EXPECT_EQ(s.Active, 0);
  // Freed in place, and still tested against the ship there.
  EXPECT_NEAR(row[4].X, 425.0f + 93 * 340.0f / 64, 1e-3);
  PlaceShip(row[2].X - 10.0f, row[2].Y - 20.0f);
  Frames(1, [] { AimedLineShot01.Update(); });
  EXPECT_EQ(player::PlayerAliveFlag, 0);

  // One Update earlier the whole row flew, the fast ones beyond the edge.
  ResetWorld();
  PlaceParent(CrossingSpinner01Slots, 1, 400.0f, 100.0f);
  PlaceShip(800.0f - 15.0f, 125.0f - 15.0f);
  AimedLineShot01.Fire();
  Frames(92, [] { AimedLineShot01.Update(); });
  EXPECT_GT(row[4].X, 800.0f);
  for (const AimedShotSlot& s : row) EXPECT_EQ(s.Active, 1);
}

TEST_F(AimedShotsTest, ASingleSetRestartsAFreedMemberAloneWithAFreshAim) {
  PlaceParent(ZigzagFighter04Slots, 1, 300.0f, 100.0f);
  PlaceShip(300.0f + 40.0f - 22.0f + 100.0f, 150.0f - 22.0f);  // straight right
  AimedLineShot18.Fire();
  for (int k = 0; k < 5; ++k) EXPECT_EQ(AimedLineShot18.Slots[k].Speed, 80.0f + 20.0f * k);
  AimedShotSlot& fastest = AimedLineShot18.Slots[4];
  fastest.X = 620.5f;
  Frames(1, [] { AimedLineShot18.Update(); });
  EXPECT_EQ(fastest.Active, 0);
  EXPECT_EQ(fastest.X, -500.0f);
  EXPECT_EQ(AimedLineShot18.Slots[3].Active, 1);
  // The parent has moved and the ship is now straight below it.
  PlaceParent(ZigzagFighter04Slots, 1, 200.0f, 100.0f);
  PlaceShip(200.0f + 40.0f - 22.0f, 400.0f);
  const float before = AimedLineShot18.Slots[3].X;
  AimedLineShot18.Fire(3);  // a fighter's Move passes its slot; no matter
  EXPECT_EQ(fastest.Active, 1);
  EXPECT_EQ(fastest.X, 240.0f);
  EXPECT_FLOAT_EQ(fastest.Heading, Pi / 2);
  EXPECT_EQ(AimedLineShot18.Slots[3].X, before);
}

TEST_F(AimedShotsTest, AKeptSetIsFreedWholeInPlaceWhenItsSlowestMemberLeaves) {
  PlaceParent(SpinningLockTarget01Slots, 0, 300.0f, 100.0f);
  PlaceShip(350.0f - 22.0f, 150.0f - 22.0f - 100.0f);  // straight up
  AimedLineShot19.Fire();
  for (int k = 0; k < 4; ++k) EXPECT_EQ(AimedLineShot19.Slots[k].Speed, 260.0f + 20.0f * k);
  // 260 px/s up from y 150: past y -20 after 41 moves (y -16.56 after 41,
  // -20.625 after 42).
  Frames(41, [] {
    AimedLineShot19.Update();
    AimedLineShot19.Draw();
  });
  for (const AimedShotSlot& s : AimedLineShot19.Slots) EXPECT_EQ(s.Active, 1);
  Frames(1, [] { AimedLineShot19.Update(); });
  for (const AimedShotSlot& s : AimedLineShot19.Slots) {
    EXPECT_EQ(s.Active, 0);
    EXPECT_EQ(s.X, 350.0f);
  }
  EXPECT_NEAR(AimedLineShot19.Slots[0].Y, 150.0f - 42 * 260.0f / 64, 1e-3);
}

TEST_F(AimedShotsTest, AnimatedFramesAndTheResetsStartFrames) {
  // A ball runs its 24 frames while it flies; a free one keeps its frame.
  AimedShotSlot& ball = Stand(AimedShot08.Slots, 0, 300, 300);
  ball.Frame = 22;
  Frames(2, [] { AimedShot08.Draw(); });
  EXPECT_EQ(ball.Frame, 0);
  AimedShot08.Slots[1].Frame = 5;
  Frames(1, [] { AimedShot08.Draw(); });
  EXPECT_EQ(AimedShot08.Slots[1].Frame, 5);
  // The 7-frame sets advance every member, free or not, and a start frame
  // of 7 to 9 from the reset comes back to 0.
  AimedLineShot02.Slots[0].Frame = 9;
  AimedLineShot02.Slots[1].Frame = 6;
  Frames(1, [] { AimedLineShot02.Draw(); });
  EXPECT_EQ(AimedLineShot02.Slots[0].Frame, 0);
  EXPECT_EQ(AimedLineShot02.Slots[1].Frame, 0);
  EXPECT_EQ(Lit(0, 0, 800, 600), Lit(300, 300, 16, 16));

  // The reset: start frames 0..9, none drawn for AimedShot04 and 05.
  for (AimedShotSlot& s : AimedShot05.Slots) s.Frame = 3;
  ResetWorld();
  for (const AimedShotSlot& s : AimedShot05.Slots) EXPECT_EQ(s.Frame, 0);
  for (const AimedShotSlot& s : AimedLineShot01.Slots) {
    EXPECT_TRUE(s.Frame >= 0 && s.Frame <= 9);
    EXPECT_EQ(s.Active, 0);
    EXPECT_EQ(s.Y, 2550.0f);
    EXPECT_FLOAT_EQ(s.Heading, -3 * Pi / 180);
  }
}

}  // namespace
