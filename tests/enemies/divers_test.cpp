// The diagonal divers (lockable; the two-slot instances borrow the records
// of the three-slot ones on their side) and the timed divers, released one
// after another by their spawn timer.
#include <gtest/gtest.h>

#include "enemies/diagonal_diver.h"
#include "enemies/timed_diagonal_diver.h"
#include "support/craft_probe.h"
#include "support/enemy_fixture.h"
#include "world/state.h"

namespace {

using namespace enemies;
using testing_support::CraftProbe;
using testing_support::EnemyTest;
using testing_support::LockableProbe;

class DiversTest : public EnemyTest {};

TEST_F(DiversTest, DiversDiveFromTheirStartAndLeaveJustPastTheField) {
  struct Case {
    CraftProbe Craft;
    float X0, Y0, Sign;
    int VxLo, VxHi, VyLo, VyHi;
  } cases[] = {{LockableProbe("DiagonalDiver01", DiagonalDiver01), 90, -90, 1, 60, 129, 70, 139},
               {LockableProbe("DiagonalDiver02", DiagonalDiver02), 90, 60, 1, 70, 149, 80, 159},
               {LockableProbe("DiagonalDiver03", DiagonalDiver03), 620, -90, -1, 60, 129, 70, 139},
               {LockableProbe("DiagonalDiver04", DiagonalDiver04), 620, 60, -1, 70, 149, 80, 159}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Craft.Name);
    ResetWorld();
    c.Craft.Spawn();
    for (std::size_t i = 0; i < c.Craft.Slots.size(); ++i) {
      const ObjectSlot& s = c.Craft.Slots[i];
      EXPECT_EQ(s.X, c.X0);
      EXPECT_EQ(s.Y, c.Y0);
      EXPECT_TRUE(s.Vx >= c.VxLo && s.Vx <= c.VxHi) << s.Vx;
      EXPECT_TRUE(s.Vy >= c.VyLo && s.Vy <= c.VyHi) << s.Vy;
      EXPECT_EQ(c.Craft.Locks[i].X, 290);
    }
    ObjectSlot& s = c.Craft.Slots[0];
    s.Vx = 64.0f;
    s.Vy = 128.0f;
    Frames(64, [&] { c.Craft.Move(); });
    EXPECT_EQ(s.X, c.X0 + c.Sign * 64.0f);
    EXPECT_EQ(s.Y, c.Y0 + 128.0f);
    // On the bottom bound it stays; one pixel on, it is parked at x 355.
    s.Y = 599.0f;
    s.Vx = 0.0f;
    s.Vy = 64.0f;
    c.Craft.Locks[0] = LockOnRecord{150, 600, 1};  // on the lock bounds' corner
    Frames(1, [&] { c.Craft.Move(); });
    EXPECT_EQ(s.Active, 1);
    Frames(1, [&] { c.Craft.Move(); });
    EXPECT_EQ(s.Active, 0);
    EXPECT_EQ(s.X, 355.0f);
    EXPECT_EQ(s.Y, 2550.0f);
    EXPECT_EQ(c.Craft.Locks[0].Locked, 1);
    // Past a side, with its record just outside: released to (370, 0).
    ObjectSlot& t = c.Craft.Slots[1];
    t.X = c.Sign > 0 ? 620.5f : 89.5f;
    c.Craft.Locks[1] = LockOnRecord{149, 300, 1};
    Frames(1, [&] { c.Craft.Move(); });
    EXPECT_EQ(t.Active, 0);
    EXPECT_EQ(c.Craft.Locks[1].X, 370);
    EXPECT_EQ(c.Craft.Locks[1].Y, 0);
    EXPECT_EQ(c.Craft.Locks[1].Locked, 0);
  }
}

TEST_F(DiversTest, TwoSlotDiversShareTheRecordsOfTheirSide) {
  DiagonalDiver01.Spawn();
  DiagonalDiver01Locks[0].Locked = 1;
  DiagonalDiver01Locks[2].Locked = 1;
  DiagonalDiver02.Spawn();
  EXPECT_EQ(DiagonalDiver01Locks[0].Locked, 0);  // unlocked by the other instance
  EXPECT_EQ(DiagonalDiver01Locks[2].Locked, 1);  // beyond its two slots
  DiagonalDiver03Locks[1].Locked = 1;
  DiagonalDiver04Slots[1].X = 300.0f;
  DiagonalDiver04Slots[1].Y = 200.0f;
  DiagonalDiver04Slots[1].Active = 1;
  Frames(1, [] { DiagonalDiver04.Draw(); });
  EXPECT_EQ(DiagonalDiver03Locks[1].X, 315);
  EXPECT_EQ(DiagonalDiver03Locks[1].Y, 215);
}

TEST_F(DiversTest, BurningDiversFlyOnOrStopAndTheirDebris) {
  struct Case {
    CraftProbe Craft;
    bool Stops, Debris;
  } cases[] = {{LockableProbe("DiagonalDiver01", DiagonalDiver01), false, false},
               {LockableProbe("DiagonalDiver02", DiagonalDiver02), false, true},
               {LockableProbe("DiagonalDiver04", DiagonalDiver04), true, true},
               {testing_support::Probe("TimedDiagonalDiver01", TimedDiagonalDiver01), false, true},
               {testing_support::Probe("TimedDiagonalDiver02", TimedDiagonalDiver02), true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Craft.Name);
    ResetWorld();
    ObjectSlot& s = c.Craft.Slots[0];
    s = ObjectSlot{};
    s.X = 300.0f;
    s.Y = 200.0f;
    s.Vx = 64.0f;
    s.Vy = 64.0f;
    s.Active = 1;
    if (!c.Craft.Locks.empty()) c.Craft.Locks[0].Locked = 1;
    c.Craft.Hit(0);
    for (int f = 0; f < 16; ++f) {
      Frames(1, [&] {
        c.Craft.Move();
        c.Craft.Draw();
      });
      if (f == 6) {
        // Frame 6's debris piece (+5, -8) lies above the base blast.
        EXPECT_EQ(Lit(350, 170, 60, 29) > 0, c.Debris);
        // The first Move still moves it; the Draw then stops it or not.
        EXPECT_EQ(s.Y, c.Stops ? 201.0f : 207.0f);
      }
    }
    EXPECT_EQ(s.Active, 0);
    EXPECT_EQ(s.X, ParkX);  // parked by the last step
    if (!c.Craft.Locks.empty()) {
      EXPECT_EQ(c.Craft.Locks[0].X, 290);
      EXPECT_EQ(c.Craft.Locks[0].Locked, 0);
    }
  }
}

TEST_F(DiversTest, TimedDiversLeaveOneEveryHundredCalls) {
  // The timers run 1..500, then 0: slot k starts at 100 (k + 1).
  int call = 0;
  auto fireTo = [&](int n) {
    for (; call < n; ++call) TimedDiagonalDiver01.Fire();
  };
  fireTo(99);
  EXPECT_EQ(TimedDiagonalDiver01Slots[0].Active, 0);
  fireTo(100);
  EXPECT_EQ(TimedDiagonalDiver01Slots[0].Active, 1);
  EXPECT_EQ(TimedDiagonalDiver01Slots[1].Active, 0);
  fireTo(499);
  EXPECT_EQ(TimedDiagonalDiver01Slots[4].Active, 0);
  fireTo(500);
  EXPECT_EQ(TimedDiagonalDiver01Slots[4].Active, 1);
  EXPECT_EQ(TimedDiagonalDiver01Slots[4].Timer, 500);
  // Slot 0 still flies at its next key (call 601): it waits a whole cycle.
  TimedDiagonalDiver01Slots[0].X = 300.0f;
  fireTo(601);
  EXPECT_EQ(TimedDiagonalDiver01Slots[0].X, 300.0f);
  Park(TimedDiagonalDiver01Slots[0]);
  fireTo(1102);
  EXPECT_EQ(TimedDiagonalDiver01Slots[0].Active, 1);
  EXPECT_EQ(TimedDiagonalDiver01Slots[0].X, 90.0f);
  TimedDiagonalDiver01.Spawn(5);  // outside the table: nothing
  TimedDiagonalDiver01.Spawn(-1);
}

TEST_F(DiversTest, TimedDiversCrossAt45DegreesAndLeaveAtTheField) {
  struct Case {
    const TimedDiagonalDiverInstance& Craft;
    float X0, Sign;
  } cases[] = {{TimedDiagonalDiver01, 90.0f, 1.0f}, {TimedDiagonalDiver02, 620.0f, -1.0f}};
  for (const Case& c : cases) {
    ResetWorld();
    c.Craft.Spawn(2);
    ObjectSlot& s = c.Craft.Slots[2];
    EXPECT_EQ(s.X, c.X0);
    EXPECT_EQ(s.Y, 20.0f);
    Frames(32, [&] { c.Craft.Move(); });  // half a second at 200 px/s
    EXPECT_EQ(s.X, c.X0 + c.Sign * 100.0f);
    EXPECT_EQ(s.Y, 120.0f);
    s.Y = 596.875f;  // 600 after one more step
    Frames(1, [&] { c.Craft.Move(); });
    EXPECT_EQ(s.Active, 1);
    Frames(1, [&] { c.Craft.Move(); });
    EXPECT_EQ(s.Active, 0);
    EXPECT_EQ(s.X, ParkX);
    EXPECT_EQ(s.Y, ParkY);
  }
}

TEST_F(DiversTest, Pictures) {
  DiagonalDiver01.Spawn();
  DiagonalDiver04.Spawn();
  TimedDiagonalDiver02.Spawn(0);
  DiagonalDiver01Locks[1].Locked = 1;
  Frames(80, [] {
    DiagonalDiver01.Move();
    DiagonalDiver01.Draw();
    DiagonalDiver04.Move();
    DiagonalDiver04.Draw();
    TimedDiagonalDiver02.Move();
    TimedDiagonalDiver02.Draw();
  });
  Picture("divers_flight");
  DiagonalDiver04.Hit(0);
  TimedDiagonalDiver02.Hit(0);
  Frames(5, [] {
    DiagonalDiver04.Draw();
    TimedDiagonalDiver02.Draw();
  });
  Picture("divers_exploding");
}

}  // namespace
