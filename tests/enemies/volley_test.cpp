// The timed shots of the large craft and the spinners: fan volleys, rings
// and twin drops. Their timers with keys and wrap, the fan's and the ring's
// aim, the bounds, the box and the bomb.
#include <gtest/gtest.h>

#include <cmath>

#include "enemies/diagonal_large_craft.h"
#include "enemies/large_craft.h"
#include "enemies/ring_shot.h"
#include "enemies/twin_drop_shot.h"
#include "enemies/volley_shot.h"
#include "engine/random.h"
#include "support/enemy_fixture.h"
#include "world/state.h"

namespace {

using namespace enemies;
using testing_support::EnemyTest;

class VolleyTest : public EnemyTest {
 protected:
  template <class Instance>
  static int ActiveCount(const Instance& shot) {
    int n = 0;
    for (const auto& s : shot.Slots) n += s.Active;
    return n;
  }
  template <class Instance>
  static void FreeAll(const Instance& shot) {
    for (auto& s : shot.Slots) Park(s);
  }
};

TEST_F(VolleyTest, TimersLaunchTheirGroupsAtTheKeysAndWrap) {
  struct Case {
    const VolleyShotInstance& shot;
    int slots, n, firstKey, lastKey, cycle;
  } cases[] = {{VolleyShot03, 25, 5, 40, 200, 260}, {VolleyShot04, 12, 3, 20, 80, 100},
               {VolleyShot12, 25, 5, 60, 300, 370}, {VolleyShot15, 25, 5, 70, 350, 430},
               {RingShot01, 120, 12, 60, 600, 660}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slots);
    ResetWorld();
    EXPECT_EQ(c.shot.SlotCount(), c.slots);
    int calls = 0;
    const auto fire = [&](int until) {
      for (; calls < until; ++calls) c.shot.Fire();
    };
    fire(c.firstKey - 1);
    EXPECT_EQ(ActiveCount(c.shot), 0);
    fire(c.firstKey);
    EXPECT_EQ(ActiveCount(c.shot), c.n);
    EXPECT_EQ(c.shot.Slots[0].Active, 1);
    fire(c.lastKey - 1);
    const int before = ActiveCount(c.shot);
    fire(c.lastKey);
    // The last group is the last one launched; a fan of 3 leaves 3 slots idle.
    EXPECT_EQ(ActiveCount(c.shot), before + c.n);
    EXPECT_EQ(ActiveCount(c.shot), c.slots - (c.slots == 15 ? 3 : 0));
    FreeAll(c.shot);
    fire(c.cycle);  // the cycle's call sets the timers to 0
    EXPECT_EQ(c.shot.Slots[0].VolleyTimer, 0);
    fire(c.cycle + c.firstKey - 1);
    EXPECT_EQ(ActiveCount(c.shot), 0);
    fire(c.cycle + c.firstKey);
    EXPECT_EQ(ActiveCount(c.shot), c.n);
  }

  // A member still in flight is skipped; the rest of its group starts.
  ResetWorld();
  VolleyShot03.Slots[2].Active = 1;
  VolleyShot03.Slots[2].Y = 300.0f;
  for (int i = 0; i < 40; ++i) VolleyShot03.Fire();
  EXPECT_EQ(VolleyShot03.Slots[2].Y, 300.0f);
  EXPECT_EQ(ActiveCount(VolleyShot03), 5);
  // Out-of-range launches do nothing.
  VolleyShot03.Spawn(25, 25);
  VolleyShot03.Spawn(-1, 0);
}

TEST_F(VolleyTest, AFanSpreadsAboutTheAimLine) {
  // DiagonalLargeCraft01 at (300, 100): the middle gun at (385, 220), aim
  // offset 15. The ship at (370, 400) puts the aim point straight below.
  ObjectSlot& parent = DiagonalLargeCraft01Slots[0];
  parent.X = 300.0f;
  parent.Y = 100.0f;
  PlaceShip(370.0f, 400.0f);
  for (int i = 0; i < 40; ++i) VolleyShot03.Fire();
  for (int k = 0; k < 5; ++k) {
    const VolleyShotSlot& s = VolleyShot03.Slots[static_cast<std::size_t>(k)];
    EXPECT_EQ(s.X, 385.0f);
    EXPECT_EQ(s.Y, 220.0f);
    EXPECT_EQ(s.AimDx, 0.0f);
    EXPECT_EQ(s.AimDy, 195.0f);
    EXPECT_EQ(s.Speed, 220.0f);
    // -24, -12, 0, 12, 24 degrees from straight down.
    EXPECT_NEAR(s.Heading * 180.0 / 3.141592653589793, 90.0 + 12.0 * (k - 2), 1e-4) << k;
  }
  Frames(1, [] { VolleyShot03.Update(); });
  // The middle one straight down, 220/64 a frame; member 0 (furthest
  // counter-clockwise on the screen) to the lower right, member 4 its mirror.
  EXPECT_EQ(VolleyShot03.Slots[2].Y, 220.0f + 3.4375f);
  EXPECT_EQ(VolleyShot03.Slots[2].X, 385.0f);
  EXPECT_NEAR(VolleyShot03.Slots[0].X - 385.0f, 3.4375 * std::sin(24 * 3.141592653589793 / 180), 1e-4);
  EXPECT_NEAR(VolleyShot03.Slots[4].X - 385.0f, -3.4375 * std::sin(24 * 3.141592653589793 / 180), 1e-4);

  // A fan of 3 is not centred: its last member flies along the aim line.
  // Left gun of the craft at (305, 220); the ship at (290, 400).
  PlaceShip(290.0f, 400.0f);
  for (int i = 0; i < 20; ++i) VolleyShot04.Fire();
  const double deg[] = {66.0, 78.0, 90.0};
  for (int k = 0; k < 3; ++k)
    EXPECT_NEAR(VolleyShot04.Slots[static_cast<std::size_t>(k)].Heading * 180.0 / 3.141592653589793, deg[k], 1e-4);

  // Straight above the gun: the middle member flies straight up.
  ResetWorld();
  parent.X = 300.0f;
  parent.Y = 300.0f;
  PlaceShip(370.0f, 100.0f);
  for (int i = 0; i < 40; ++i) VolleyShot03.Fire();
  EXPECT_NEAR(VolleyShot03.Slots[2].Heading, 3 * 3.141592653589793 / 2, 1e-6);
  // Drawn: the needles at -24 degrees of straight up turn past 0..359 and
  // are drawn all the same.
  for (int k = 0; k < 5; ++k) {
    VolleyShotSlot& s = VolleyShot03.Slots[static_cast<std::size_t>(k)];
    s.X = 200.0f + 80.0f * k;
    s.Y = 300.0f;
  }
  Frames(1, [] { VolleyShot03.Draw(); });
  for (int k = 0; k < 5; ++k) EXPECT_GT(Lit(200 + 80 * k, 300, 30, 30), 0) << k;
  // 270 - 294: the formula's angle for the last member.
  EXPECT_EQ(NeedleAngle(VolleyShot03.Slots[4].Heading), -24);
}

TEST_F(VolleyTest, ARingStartsOnTheAimLineThirtyDegreesApart) {
  // LargeCraft03 at (300, 100): gun (392, 132), aim offset 20; the ship at
  // (372, 400) lies straight below.
  LargeCraft03Record[0].X = 300.0f;
  LargeCraft03Record[0].Y = 100.0f;
  PlaceShip(372.0f, 400.0f);
  for (int i = 0; i < 60; ++i) RingShot01.Fire();
  EXPECT_EQ(RingShot01.Slots[0].X, 392.0f);
  EXPECT_EQ(RingShot01.Slots[0].Y, 132.0f);
  Frames(1, [] { RingShot01.Update(); });
  // Member 0 down, member 3 left, 150/64 a frame.
  EXPECT_EQ(RingShot01.Slots[0].Y, 132.0f + 2.34375f);
  EXPECT_EQ(RingShot01.Slots[0].X, 392.0f);
  EXPECT_EQ(RingShot01.Slots[3].X, 392.0f - 2.34375f);
  EXPECT_NEAR(RingShot01.Slots[3].Y, 132.0f, 1e-4);
  EXPECT_EQ(RingShot01.Slots[11].Active, 1);
  EXPECT_EQ(RingShot01.Slots[12].Active, 0);
  // The next ring counts its members on from 12: a whole turn further, on
  // the aim line again.
  for (int i = 0; i < 60; ++i) RingShot01.Fire();
  EXPECT_NEAR(std::fmod(RingShot01.Slots[12].Heading, 2 * 3.141592653589793), 3.141592653589793 / 2, 1e-5);

  // Straight above: the ring turns by pi, its first member flies up.
  ResetWorld();
  LargeCraft03Record[0].X = 300.0f;
  LargeCraft03Record[0].Y = 300.0f;
  PlaceShip(372.0f, 100.0f);
  for (int i = 0; i < 60; ++i) RingShot01.Fire();
  Frames(1, [] { RingShot01.Update(); });
  EXPECT_EQ(RingShot01.Slots[0].Y, 332.0f - 2.34375f);
}

TEST_F(VolleyTest, ShotsFreedPastTheScreenBoundsTestTheShipInTheirBox) {
  struct Case {
    const char* name;
    const VolleyShotInstance& shot;
    float x, y, heading;
    bool freed;
  } cases[] = {
      {"needle top -30", VolleyShot09, 300, -30, 0.0f, false},
      {"needle above -30", VolleyShot09, 300, -30.01f, 0.0f, true},
      {"ball left -16", VolleyShot12, -16, 300, 0.0f, false},
      {"ball left of -16", VolleyShot12, -16.01f, 300, 0.0f, true},
      {"right 800", RingShot01, 800, 300, 0.0f, false},
      {"past 800", RingShot01, 800.01f, 300, 0.0f, true},
      {"bottom 600", VolleyShot01, 300, 600, 0.0f, false},
      {"past 600", VolleyShot01, 300, 600.01f, 0.0f, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    VolleyShotSlot& s = c.shot.Slots[0];
    s.X = c.x;
    s.Y = c.y;
    s.Speed = 0.0f;
    s.Heading = c.heading;
    s.Active = 1;
    // The ship lies so that the shot touches it where it stands.
    PlaceShip(c.x - 20.0f, c.y - 26.0f);
    player::PlayerAliveFlag = 1;
    c.shot.Update();
    EXPECT_EQ(s.Active, c.freed ? 0 : 1);
    EXPECT_EQ(player::PlayerAliveFlag, c.freed ? 1 : 0);
    Park(s);
  }

  // Box edges: balls 14..30 by 24..30, needles 0..30 by 10..30.
  struct Edge {
    const VolleyShotInstance& shot;
    float dx, dy;
    bool hits;
  } edges[] = {{VolleyShot12, 14, 24, true},    {VolleyShot12, 30, 30, true},  {VolleyShot12, 13.99f, 27, false},
               {VolleyShot12, 30.01f, 27, false}, {VolleyShot09, 0, 10, true},  {VolleyShot09, 30, 30, true},
               {VolleyShot09, -0.01f, 20, false}, {VolleyShot09, 20, 9.99f, false}};
  for (const Edge& e : edges) {
    VolleyShotSlot& s = e.shot.Slots[1];
    s = VolleyShotSlot{};
    s.X = 300.0f + e.dx;
    s.Y = 300.0f + e.dy;
    s.Active = 1;
    PlaceShip(300.0f, 300.0f);
    player::PlayerAliveFlag = 1;
    e.shot.Update();
    EXPECT_EQ(player::PlayerAliveFlag, e.hits ? 0 : 1) << e.dx << ", " << e.dy;
    EXPECT_EQ(s.Active, 1);  // a touch does not end the shot
    Park(s);
  }

  // The bomb frees every shot in flight.
  VolleyShot12.Slots[3] = VolleyShotSlot{};
  VolleyShot12.Slots[3].X = 300.0f;
  VolleyShot12.Slots[3].Y = 300.0f;
  VolleyShot12.Slots[3].Active = 1;
  bomb::BombFlag = 1;
  VolleyShot12.Update();
  EXPECT_EQ(VolleyShot12.Slots[3].Active, 0);
  EXPECT_EQ(VolleyShot12.Slots[3].Y, 2550.0f);
}

TEST_F(VolleyTest, BallsAnimateWhileFreeAndStartFromTheirResetFrame) {
  // The spinners' balls start at frame 0 without a draw; the others at
  // rand() % 7.
  for (const VolleyShotSlot& s : VolleyShot01.Slots) EXPECT_EQ(s.Frame, 0);
  bool varied = false;
  for (const VolleyShotSlot& s : VolleyShot12.Slots) {
    EXPECT_TRUE(s.Frame >= 0 && s.Frame < 7);
    varied |= s.Frame != VolleyShot12.Slots[0].Frame;
  }
  EXPECT_TRUE(varied);
  Frames(17, [] { VolleyShot01.Draw(); });
  EXPECT_EQ(VolleyShot01.Slots[0].Frame, 1);
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
}

TEST_F(VolleyTest, TwinDropsFallInPairsOnTheirRhythm) {
  // LargeCraft02 at (300, 100): centre x 400, the pair at 360 and 440, y 230.
  LargeCraft02Record[0].X = 300.0f;
  LargeCraft02Record[0].Y = 100.0f;
  const int firstOfPair[] = {10, 20, 30, 70, 80, 90, 130, 140};
  int calls = 0;
  for (int g = 0; g < 8; ++g) {
    for (; calls < firstOfPair[g] - 1; ++calls) TwinDropShot01.Fire();
    EXPECT_EQ(VolleyTest::ActiveCount(TwinDropShot01), 2 * g);
    TwinDropShot01.Fire();
    ++calls;
    EXPECT_EQ(VolleyTest::ActiveCount(TwinDropShot01), 2 * g + 2);
  }
  EXPECT_EQ(TwinDropShot01.Slots[0].X, 360.0f);
  EXPECT_EQ(TwinDropShot01.Slots[1].X, 440.0f);
  EXPECT_EQ(TwinDropShot01.Slots[1].Y, 230.0f);
  // The cycle of 150: pair 0 again at call 160, only if it has come free;
  // a pair in flight at its key starts nothing, the others do not care.
  Park(TwinDropShot01.Slots[2]);
  Park(TwinDropShot01.Slots[3]);
  for (; calls < 170; ++calls) TwinDropShot01.Fire();
  EXPECT_EQ(TwinDropShot01.Slots[0].Y, 230.0f);
  EXPECT_EQ(TwinDropShot01.Slots[2].Active, 1);

  // Falling 280/64 a frame; the spreading set at 250/64, 120/64 apart each.
  LargeCraft03Record[0].X = 300.0f;
  LargeCraft03Record[0].Y = 100.0f;
  for (int i = 0; i < 10; ++i) TwinDropShot04.Fire();
  EXPECT_EQ(TwinDropShot04.Slots[0].X, 340.0f);
  EXPECT_EQ(TwinDropShot04.Slots[1].X, 420.0f);
  Frames(64, [] {
    TwinDropShot01.Update();
    TwinDropShot04.Update();
  });
  EXPECT_EQ(TwinDropShot01.Slots[2].Y, 510.0f);
  EXPECT_EQ(TwinDropShot04.Slots[0].Y, 480.0f);
  EXPECT_EQ(TwinDropShot04.Slots[0].X, 220.0f);
  EXPECT_EQ(TwinDropShot04.Slots[1].X, 540.0f);
  EXPECT_EQ(TwinDropShot04.Slots[0].Active, TwinDropShot04.Slots[1].Active);
  Frames(1, [] {
    TwinDropShot04.Draw();
    TwinDropShot01.Draw();
  });
  EXPECT_GT(Lit(218, 480, 40, 40), 0);
  EXPECT_GT(Lit(360, 510, 40, 40), 0);
}

TEST_F(VolleyTest, TwinDropBoxBottomAndBomb) {
  struct Case {
    float dx, dy;
    bool hits;
  } cases[] = {{20, 0, true}, {0, 20, true}, {21, 0, false}, {-0.01f, 10, false}, {10, 20.01f, false}};
  for (const Case& c : cases) {
    TwinDropSlot& s = TwinDropShot03.Slots[0];
    s.X = 300.0f + c.dx;
    s.Y = 300.0f + c.dy - 280.0f / 64;  // one fall onto the point
    s.Active = 1;
    PlaceShip(300.0f, 300.0f);
    player::PlayerAliveFlag = 1;
    TwinDropShot03.Update();
    EXPECT_EQ(player::PlayerAliveFlag, c.hits ? 0 : 1) << c.dx << ", " << c.dy;
    EXPECT_EQ(s.Active, 1);
  }
  PlaceShip(-2000.0f, -2000.0f);
  TwinDropSlot& s = TwinDropShot03.Slots[0];
  s.Y = 600.0f - 280.0f / 64;
  TwinDropShot03.Update();
  EXPECT_EQ(s.Active, 1);
  EXPECT_EQ(s.Y, 600.0f);
  TwinDropShot03.Update();
  EXPECT_EQ(s.Active, 0);
  EXPECT_EQ(s.Y, 2550.0f);
  s.Y = 100.0f;
  s.Active = 1;
  bomb::BombFlag = 1;
  TwinDropShot03.Update();
  EXPECT_EQ(s.Active, 0);
}

TEST_F(VolleyTest, Pictures) {
  LargeCraft02Record[0].X = 280.0f;
  LargeCraft02Record[0].Y = 20.0f;
  LargeCraft02Record[0].Active = 1;
  PlaceShip(380.0f, 480.0f);
  Frames(200, [] {
    VolleyShot09.Fire();
    VolleyShot10.Fire();
    VolleyShot11.Fire();
    VolleyShot12.Fire();
    TwinDropShot01.Fire();
    VolleyShot09.Update();
    VolleyShot10.Update();
    VolleyShot11.Update();
    VolleyShot12.Update();
    TwinDropShot01.Update();
    LargeCraft02.Draw();
    VolleyShot09.Draw();
    VolleyShot10.Draw();
    VolleyShot11.Draw();
    VolleyShot12.Draw();
    TwinDropShot01.Draw();
  });
  EXPECT_GT(Lit(180, 300, 440, 300), 0);
  Picture("large_craft_volleys");

  ResetWorld();
  LargeCraft03Record[0].X = 300.0f;
  LargeCraft03Record[0].Y = 40.0f;
  LargeCraft03Record[0].Active = 1;
  PlaceShip(380.0f, 480.0f);
  Frames(200, [] {
    RingShot01.Fire();
    VolleyShot15.Fire();
    TwinDropShot04.Fire();
    RingShot01.Update();
    VolleyShot15.Update();
    TwinDropShot04.Update();
    LargeCraft03.Draw();
    RingShot01.Draw();
    VolleyShot15.Draw();
    TwinDropShot04.Draw();
  });
  Picture("large_craft_rings");
}

}  // namespace
