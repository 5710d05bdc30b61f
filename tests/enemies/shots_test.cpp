// The straight shots and the line shots: the launch from a parent slot in
// any state, the flight, the strict bounds, the ship's box and the bomb rule.
#include <gtest/gtest.h>

#include "enemies/diagonal_diver.h"
#include "enemies/diagonal_large_craft.h"
#include "enemies/flame_faller.h"
#include "enemies/line_shot.h"
#include "enemies/straight_shot.h"
#include "support/enemy_fixture.h"
#include "world/state.h"

namespace {

using namespace enemies;
using testing_support::EnemyTest;

class ShotsTest : public EnemyTest {
 protected:
  // A craft slot at (x, y), flying or exploding.
  static void PlaceParent(std::span<ObjectSlot> slots, std::size_t i, float x, float y, int hit = 0) {
    slots[i].X = x;
    slots[i].Y = y;
    slots[i].Active = 1;
    slots[i].Hit = hit;
  }
};

TEST_F(ShotsTest, StraightShotsLeaveTheirParentSlotAndFall) {
  struct Case {
    const char* name;
    const StraightShotInstance& set;
    std::span<ObjectSlot> parent;
    float dx, dy;
    int vyLo, vyHi;
    float sideways;  // px per 1/64 s step, signed
  } cases[] = {
      {"01", StraightShot01, FlameFaller02Slots, 22, 50, 140, 209, 0},
      {"02", StraightShot02, FlameFaller02Slots, 22, 50, 150, 150, -20},
      {"06", StraightShot06, CrossingSpinner01Slots, 32, 50, 100, 149, 30},
      {"13", StraightShot13, FlameFaller03Slots, 32, 70, 100, 149, -46},
      {"19", StraightShot19, SideGlider02Slots, 32, 50, 100, 129, -30},
      {"24", StraightShot24, DiagonalLargeCraft01Slots, 112, 50, 96, 96, -20},
      {"28", StraightShot28, DiagonalLargeCraft02Slots, 112, 50, 105, 105, 10},
      {"32", StraightShot32, DiagonalDiver01Slots, 37, 44, 130, 130, -20},
      {"40", StraightShot40, DiagonalDiver02Slots, 42, 30, 130, 130, 40},
      {"56", StraightShot56, TimedDiagonalDiver02Slots, 37, 40, 130, 130, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetWorld();
    ASSERT_EQ(c.set.Slots.size(), c.parent.size());
    for (std::size_t i = 0; i < c.parent.size(); ++i) PlaceParent(c.parent, i, 300.0f + i, 100.0f);
    c.parent.back().Hit = 1;  // an exploding parent fires too
    c.set.Fire();
    for (std::size_t i = 0; i < c.parent.size(); ++i) {
      const ShotSlot& s = c.set.Slots[i];
      EXPECT_EQ(s.Active, 1);
      EXPECT_EQ(s.X, 300.0f + i + c.dx);
      EXPECT_EQ(s.Y, 100.0f + c.dy);
      EXPECT_TRUE(s.Vy >= c.vyLo && s.Vy <= c.vyHi) << s.Vy;
    }
    ShotSlot& s = c.set.Slots[0];
    s.Vy = 128.0f;
    Frames(32, [&] { c.set.Update(); });
    EXPECT_EQ(s.Y, 100.0f + c.dy + 64.0f);
    EXPECT_EQ(s.X, 300.0f + c.dx + c.sideways / 2);
    // A busy slot is not restarted.
    c.set.Fire();
    EXPECT_EQ(s.Y, 100.0f + c.dy + 64.0f);
  }
}

TEST_F(ShotsTest, AShotFromAParkedParentIsFreedUnseenByTheNextUpdate) {
  // FlameFaller02's slots wait at (-500, -500) after the reset.
  StraightShot01.Fire();
  EXPECT_EQ(StraightShot01.Slots[0].X, -478.0f);
  EXPECT_EQ(StraightShot01.Slots[0].Y, -450.0f);
  Frames(1, [] {
    StraightShot01.Update();
    StraightShot01.Draw();
  });
  EXPECT_EQ(StraightShot01.Slots[0].Active, 0);
  EXPECT_EQ(StraightShot01.Slots[0].Y, ParkY);
  // Below the screen too: a craft that has left lies at (-500, 2550).
  Park(FlameFaller02Slots[1]);
  StraightShot01.Fire();
  EXPECT_EQ(StraightShot01.Slots[1].Y, 2600.0f);
  Frames(1, [] { StraightShot01.Update(); });
  EXPECT_EQ(StraightShot01.Slots[1].Active, 0);
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
}

TEST_F(ShotsTest, StraightShotBoundsBoxAndBomb) {
  PlaceShip(300.0f, 300.0f);
  struct Case {
    const StraightShotInstance& set;
    float x, y;  // from the ship's corner, or absolute when far
    bool hits;
  } cases[] = {
      {StraightShot01, 314, 324, true},     {StraightShot01, 330, 330, true},
      {StraightShot01, 313.9f, 327, false}, {StraightShot01, 330.1f, 327, false},
      {StraightShot01, 320, 323.9f, false}, {StraightShot35, 320, 320, true},
      {StraightShot34, 320, 320, false},
  };
  for (const auto& c : cases) {
    player::PlayerAliveFlag = 1;
    ShotSlot& s = c.set.Slots[0];
    s = ShotSlot{0, c.x, c.y, 0.0f, 0.0f, 1};
    Frames(1, [&] { c.set.Update(); });
    EXPECT_EQ(player::PlayerAliveFlag, c.hits ? 0 : 1) << c.x << ", " << c.y;
    EXPECT_EQ(s.Active, 1);  // a touch does not end the bullet
  }
  // The bounds are strict: y 600 and y -16 stay.
  struct Edge {
    float y;
    bool stays;
  } edges[] = {{600.0f, true}, {600.5f, false}, {-16.0f, true}, {-16.5f, false}};
  for (const Edge& e : edges) {
    ShotSlot& s = StraightShot14.Slots[0];
    s = ShotSlot{0, 700.0f, e.y, 0.0f, 0.0f, 1};  // far off the side: x is not tested
    Frames(1, [] { StraightShot14.Update(); });
    EXPECT_EQ(s.Active, e.stays ? 1 : 0) << e.y;
  }
  // The bomb frees the sets 01 to 20 only.
  bomb::BombFlag = 1;
  for (const StraightShotInstance* set : {&StraightShot20, &StraightShot21}) {
    set->Slots[0] = ShotSlot{0, 300.0f, 100.0f, 0.0f, 0.0f, 1};
    set->Update();
  }
  EXPECT_EQ(StraightShot20.Slots[0].Active, 0);
  EXPECT_EQ(StraightShot21.Slots[0].Active, 1);
}

TEST_F(ShotsTest, AnimatedShotsCountTheirFramesWhileFlying) {
  StraightShot10.Slots[0] = ShotSlot{9, 300.0f, 100.0f, 0.0f, 0.0f, 1};
  StraightShot10.Slots[1] = ShotSlot{9};  // free: keeps its frame
  Frames(7, [] { StraightShot10.Draw(); });
  EXPECT_EQ(StraightShot10.Slots[0].Frame, 0);  // 9..15 shown, then 0
  EXPECT_EQ(StraightShot10.Slots[1].Frame, 9);
  // The reset starts the random sets at frames 0..9 and the first three at 0.
  ResetWorld();
  EXPECT_EQ(StraightShot02.Slots[2].Frame, 0);
  for (const ShotSlot& s : StraightShot41.Slots) EXPECT_TRUE(s.Frame >= 0 && s.Frame <= 9) << s.Frame;
}

TEST_F(ShotsTest, LineShotsStringOutIntoALine) {
  struct Case {
    const char* name;
    const LineShotInstance& shot;
    std::span<ObjectSlot> parent;
    float startX, startY;  // from a parent at (300, 100)
    float side;            // per px of fall: drift per second, or the diagonal's sign
    bool diagonal;
  } cases[] = {
      {"01", LineShot01, FlameFaller01Slots, 327, 166, 0, false},
      {"04", LineShot04, FlameFaller03Slots, 332, 167, -8, false},
      {"07", LineShot07, FlameFaller03Slots, 332, 163, 17, false},
      {"08", LineShot08, DiagonalDiver01Slots, 350, 150, 1, true},
      {"11", LineShot11, DiagonalDiver04Slots, 310, 150, -1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetWorld();
    PlaceParent(c.parent, 0, 300.0f, 100.0f);
    c.shot.Fire();
    for (int k = 0; k < 5; ++k) {
      EXPECT_EQ(c.shot.Shots[k].X, c.startX);
      EXPECT_EQ(c.shot.Shots[k].Y, c.startY);
    }
    Frames(64, [&] { c.shot.Update(); });  // one second
    for (int k = 0; k < 5; ++k) {
      const float fall = 140.0f + 20.0f * k;
      EXPECT_EQ(c.shot.Shots[k].Y, c.startY + fall) << k;
      EXPECT_FLOAT_EQ(c.shot.Shots[k].X, c.startX + (c.diagonal ? c.side * fall : c.side)) << k;
    }
    // The row's other parent slots are parked: their shots are freed.
    EXPECT_EQ(c.shot.Shots[5].Active, 0);
    // Only a freed shot restarts, from where the parent is now.
    Park(c.shot.Shots[4]);
    c.parent[0].X = 400.0f;
    c.shot.Fire();
    EXPECT_EQ(c.shot.Shots[4].X, c.startX + 100.0f);
    EXPECT_EQ(c.shot.Shots[3].Y, c.startY + 200.0f);
  }
}

TEST_F(ShotsTest, LineShotBoxesMarginsAndBomb) {
  PlaceShip(300.0f, 300.0f);
  struct Case {
    const LineShotInstance& shot;
    float x, y;
    bool hits, stays;
  } cases[] = {
      {LineShot01, 314, 310, true, true},     {LineShot01, 330, 330, true, true},
      {LineShot01, 313, 320, false, true},    {LineShot01, 320, 309.5f, false, true},
      {LineShot08, 300, 310, true, true},     {LineShot08, 299.5f, 320, false, true},
      {LineShot01, 320, -16, false, true},    {LineShot01, 320, -16.5f, false, false},
      {LineShot08, 320, -30, false, true},    {LineShot08, 320, -30.5f, false, false},
      {LineShot10, 900, 600, false, true},    {LineShot10, 900, 600.5f, false, false},
  };
  for (const Case& c : cases) {
    player::PlayerAliveFlag = 1;
    ShotSlot& s = c.shot.Shots[0];
    s = ShotSlot{0, c.x, c.y, 0.0f, 0.0f, 1};
    Frames(1, [&] { c.shot.Update(); });
    EXPECT_EQ(player::PlayerAliveFlag, c.hits ? 0 : 1) << c.x << ", " << c.y;
    EXPECT_EQ(s.Active, c.stays ? 1 : 0) << c.x << ", " << c.y;
  }
  bomb::BombFlag = 1;
  LineShot09.Shots[3] = ShotSlot{0, 300.0f, 100.0f, 0.0f, 0.0f, 1};
  LineShot09.Update();
  EXPECT_EQ(LineShot09.Shots[3].Active, 0);
}

TEST_F(ShotsTest, Pictures) {
  PlaceParent(FlameFaller03Slots, 0, 300.0f, 60.0f);
  PlaceParent(DiagonalDiver01Slots, 0, 200.0f, 40.0f);
  PlaceParent(DiagonalLargeCraft02Slots, 0, 380.0f, 20.0f);
  Frames(90, [] {
    for (const auto* s : {&StraightShot10, &StraightShot11, &StraightShot12, &StraightShot13, &StraightShot14,
                          &StraightShot26, &StraightShot27, &StraightShot28, &StraightShot29, &StraightShot30}) {
      s->Fire();
      s->Update();
      s->Draw();
    }
    for (const auto* l : {&LineShot03, &LineShot06, &LineShot07, &LineShot08}) {
      l->Fire();
      l->Update();
      l->Draw();
    }
    FlameFaller03.Draw();
    DiagonalDiver01.Draw();
    DiagonalLargeCraft02.Draw();
  });
  Picture("shots_firing");
}

}  // namespace
