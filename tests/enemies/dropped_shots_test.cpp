// The shots of the sweeping and giant craft and the flame fallers' chains:
// the clusters placed under a stopped craft, the spirals paced by the
// counters in their parent's record, and the curving chains that turn, then
// fly straight, and stop where their tail left the screen.
#include <gtest/gtest.h>

#include <cmath>

#include "enemies/cluster_drop_shot.h"
#include "enemies/common/turn_angle.h"
#include "enemies/curving_chain_shot.h"
#include "enemies/flame_faller.h"
#include "enemies/spiral_shot.h"
#include "enemies/giant_craft.h"
#include "enemies/sweeping_craft.h"
#include "support/enemy_fixture.h"
#include "world/state.h"

namespace {

using namespace enemies;
using testing_support::EnemyTest;

constexpr double Degree = 3.141592653589793 / 180;

class DroppedShotsTest : public EnemyTest {
 protected:
  static void PlaceRecord(ObjectSlot& r, float x, float y) {
    r.X = x;
    r.Y = y;
    r.Active = 1;
  }
};

TEST_F(DroppedShotsTest, AClusterFallsInFormationUnderItsCraft) {
  PlaceRecord(SweepingCraft01Record, 100.0f, 130.0f);
  ClusterDropShot01.Fire();
  const float x[] = {220, 220, 160, 160}, y[] = {220, 250, 250, 220};
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(ClusterDropShot01.Slots[k].X, x[k]);
    EXPECT_EQ(ClusterDropShot01.Slots[k].Y, y[k]);
    EXPECT_EQ(ClusterDropShot01.Slots[k].Active, 1);
  }
  Frames(64, [] { ClusterDropShot01.Update(); });
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(ClusterDropShot01.Slots[k].X, x[k]);
    EXPECT_EQ(ClusterDropShot01.Slots[k].Y, y[k] + 140.0f);
  }
  // A Fire while one bullet is free restarts it and pulls the whole cluster
  // back under the craft where it now stands.
  SweepingCraft01Record.X = 150.0f;
  Park(ClusterDropShot01.Slots[1]);
  ClusterDropShot01.Fire();
  EXPECT_EQ(ClusterDropShot01.Slots[1].Active, 1);
  EXPECT_EQ(ClusterDropShot01.Slots[0].X, 270.0f);
  EXPECT_EQ(ClusterDropShot01.Slots[3].Y, 220.0f);
  // While every bullet flies a Fire changes nothing.
  Frames(1, [] { ClusterDropShot01.Update(); });
  ClusterDropShot01.Fire();
  EXPECT_EQ(ClusterDropShot01.Slots[3].Y, 220.0f + 140.0f / 64);
}

TEST_F(DroppedShotsTest, TheOuterBulletsDriftOnceForEveryBulletInFlight) {
  PlaceRecord(SweepingCraft03Record, 100.0f, 130.0f);
  ClusterDropShot03.Fire();
  // Four in flight: slot 0 right and slot 3 left at 4 x 20 px/s.
  Frames(64, [] { ClusterDropShot03.Update(); });
  EXPECT_EQ(ClusterDropShot03.Slots[0].X, 300.0f);
  EXPECT_EQ(ClusterDropShot03.Slots[3].X, 80.0f);
  EXPECT_EQ(ClusterDropShot03.Slots[1].X, 220.0f);
  EXPECT_EQ(ClusterDropShot03.Slots[0].Y, 370.0f);
  // Two in flight: 40 px/s. The free ones keep their place.
  Park(ClusterDropShot03.Slots[1]);
  Park(ClusterDropShot03.Slots[2]);
  Frames(64, [] { ClusterDropShot03.Update(); });
  EXPECT_EQ(ClusterDropShot03.Slots[0].X, 340.0f);
  EXPECT_EQ(ClusterDropShot03.Slots[3].X, 40.0f);
  EXPECT_EQ(ClusterDropShot03.Slots[1].Y, 2550.0f);

  // The giant's cluster closes in instead: its top bullets move inward.
  PlaceRecord(GiantCraft01Record, 200.0f, 0.0f);
  ClusterDropShot07.Fire();
  Frames(1, [] { ClusterDropShot07.Update(); });
  EXPECT_LT(ClusterDropShot07.Slots[0].X, 440.0f);
  EXPECT_GT(ClusterDropShot07.Slots[5].X, 240.0f);
}

TEST_F(DroppedShotsTest, ClusterBoundsBoxFramesAndBomb) {
  ShotSlot& s = ClusterDropShot02.Slots[0];
  s.X = 300.0f;
  s.Y = 600.0f - 140.0f / 64;
  s.Active = 1;
  ClusterDropShot02.Update();
  EXPECT_EQ(s.Y, 600.0f);
  EXPECT_EQ(s.Active, 1);
  ClusterDropShot02.Update();
  EXPECT_EQ(s.Active, 0);
  EXPECT_EQ(s.Y, 2550.0f);

  struct Case {
    float dx, dy;
    bool hits;
  } cases[] = {{10, 20, true}, {30, 30, true}, {9.99f, 25, false}, {20, 30.01f, false}};
  for (const Case& c : cases) {
    s.X = 300.0f + c.dx;
    s.Y = 300.0f + c.dy - 140.0f / 64;
    s.Active = 1;
    PlaceShip(300.0f, 300.0f);
    player::PlayerAliveFlag = 1;
    ClusterDropShot02.Update();
    EXPECT_EQ(player::PlayerAliveFlag, c.hits ? 0 : 1) << c.dx << ", " << c.dy;
    EXPECT_EQ(s.Active, 1);
  }
  bomb::BombFlag = 1;
  ClusterDropShot02.Update();
  EXPECT_EQ(s.Active, 0);

  // Every frame steps on every Draw, free or not: 24 Draws (7 for the
  // giant's) come round to the same frame.
  const int f2 = ClusterDropShot02.Slots[3].Frame, f7 = ClusterDropShot07.Slots[3].Frame;
  EXPECT_TRUE(f2 >= 0 && f2 < 10);
  Frames(1, [] { ClusterDropShot02.Draw(); });
  const int after2 = ClusterDropShot02.Slots[3].Frame;
  Frames(24, [] { ClusterDropShot02.Draw(); });
  EXPECT_EQ(ClusterDropShot02.Slots[3].Frame, after2);
  Frames(1, [] { ClusterDropShot07.Draw(); });
  const int after7 = ClusterDropShot07.Slots[3].Frame;
  EXPECT_TRUE(after7 == (f7 + 1 >= 7 ? 0 : f7 + 1));
  Frames(7, [] { ClusterDropShot07.Draw(); });
  EXPECT_EQ(ClusterDropShot07.Slots[3].Frame, after7);
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
}

TEST_F(DroppedShotsTest, ASpiralLaunchesEverySecondCountTenDegreesOn) {
  SweepingCraft01Record.SpiralCountLeft = 0;
  SweepingCraft01Record.SpiralCountRight = 0;
  PlaceRecord(SweepingCraft01Record, 300.0f, 100.0f);
  SpiralShot01.Fire();
  for (const SpiralShotSlot& s : SpiralShot01.Slots) EXPECT_EQ(s.Active, 0);
  SpiralShot01.Fire();
  EXPECT_EQ(SpiralShot01.Slots[1].Active, 1);
  EXPECT_EQ(SpiralShot01.Slots[1].X, 335.0f);
  EXPECT_EQ(SpiralShot01.Slots[1].Y, 200.0f);
  EXPECT_EQ(SpiralShot01.Slots[1].Speed, 110.0f);
  for (int call = 3; call <= 68; ++call) SpiralShot01.Fire();
  for (int k = 1; k <= 34; ++k) EXPECT_EQ(SpiralShot01.Slots[static_cast<std::size_t>(k)].Active, 1) << k;
  EXPECT_EQ(SpiralShot01.Slots[0].Active, 0);
  EXPECT_EQ(SpiralShot01.Slots[35].Active, 0);
  // 69, 70 (count 0) and 71 launch nothing; 72 starts slot 1 again once it
  // has come free.
  Park(SpiralShot01.Slots[1]);
  for (int call = 69; call <= 71; ++call) SpiralShot01.Fire();
  EXPECT_EQ(SpiralShot01.Slots[1].Active, 0);
  SpiralShot01.Fire();
  EXPECT_EQ(SpiralShot01.Slots[1].Active, 1);
  EXPECT_EQ(SweepingCraft01Record.SpiralCountLeft, 2);
  EXPECT_EQ(SweepingCraft01Record.SpiralCountRight, 0);

  // A window that opens with the counter at 39 starts at slot 20.
  SweepingCraft02Record.SpiralCountRight = 39;
  SpiralShot04.Fire();
  EXPECT_EQ(SpiralShot04.Slots[20].Active, 1);
  EXPECT_EQ(SpiralShot04.Slots[19].Active, 0);
}

TEST_F(DroppedShotsTest, TheSpiralsAngleSequenceAndDirections) {
  PlaceRecord(SweepingCraft01Record, 300.0f, 100.0f);
  for (int k = 1; k <= 34; ++k) {
    SpiralShot01.Spawn(k, k);
    SpiralShot02.Spawn(k, k);
    const auto i = static_cast<std::size_t>(k);
    // k * 10 degrees, or a degree less where the stored heading rounds low.
    EXPECT_NEAR(SpiralShot01.Slots[i].Heading, -k * 10 * Degree, 1e-6);
    EXPECT_NEAR(SpiralShot02.Slots[i].Heading, k * 10 * Degree, 1e-6);
  }
  // Drawn one at a time, the rotation runs in steps of ten.
  int previous = 0;
  for (int k = 1; k <= 34; ++k) {
    const int r = TurnAngle(SpiralShot01.Slots[static_cast<std::size_t>(k)].Heading, false);
    const int m = TurnAngle(SpiralShot02.Slots[static_cast<std::size_t>(k)].Heading, true);
    EXPECT_TRUE(r == 10 * k || r == 10 * k - 1) << k << ": " << r;
    EXPECT_TRUE(m == 360 - 10 * k || m == 359 - 10 * k) << k << ": " << m;
    EXPECT_GE(r - previous, 9);
    previous = r;
  }
  Frames(64, [] {
    SpiralShot01.Update();
    SpiralShot02.Update();
  });
  // Minus: k 9 straight down, k 18 right, k 1 left and a little down;
  // plus: k 1 right and a little down, k 18 left.
  EXPECT_NEAR(SpiralShot01.Slots[9].X, 335.0f, 1e-3);
  EXPECT_NEAR(SpiralShot01.Slots[9].Y, 310.0f, 1e-3);
  EXPECT_NEAR(SpiralShot01.Slots[18].X, 445.0f, 1e-3);
  EXPECT_NEAR(SpiralShot01.Slots[1].X, 335.0f - 110 * std::cos(10 * Degree), 1e-3);
  EXPECT_NEAR(SpiralShot01.Slots[1].Y, 200.0f + 110 * std::sin(10 * Degree), 1e-3);
  EXPECT_NEAR(SpiralShot02.Slots[1].X, 435.0f + 110 * std::cos(10 * Degree), 1e-3);
  EXPECT_NEAR(SpiralShot02.Slots[18].X, 325.0f, 1e-3);
  Frames(1, [] { SpiralShot01.Draw(); });
  EXPECT_GT(Lit(335, 310, 30, 30), 0);
}

TEST_F(DroppedShotsTest, SpiralShotsLeaveByTheScreenBounds) {
  struct Case {
    float x, y;
    bool freed;
  } cases[] = {{-30, 300, false}, {-30.01f, 300, true}, {800, 300, false}, {800.01f, 300, true},
               {300, -30, false}, {300, -30.01f, true}, {300, 600, false}, {300, 600.01f, true}};
  for (const Case& c : cases) {
    SpiralShotSlot& s = SpiralShot03.Slots[5];
    s = SpiralShotSlot{};
    s.X = c.x;
    s.Y = c.y;
    s.Active = 1;  // speed 0: it stands
    SpiralShot03.Update();
    EXPECT_EQ(s.Active, c.freed ? 0 : 1) << c.x << ", " << c.y;
  }
  bomb::BombFlag = 1;
  SpiralShot03.Slots[5].Y = 300.0f;
  SpiralShot03.Slots[5].Active = 1;
  SpiralShot03.Update();
  EXPECT_EQ(SpiralShot03.Slots[5].Active, 0);
}

TEST_F(DroppedShotsTest, AChainTurnsThenFliesStraightAndDriftsACallLate) {
  PlaceRecord(FlameFaller01Slots[0], 300.0f, 100.0f);
  CurvingChainShot01.Fire();
  CurvingChainShot02.Fire();
  const float ladder[] = {223, 231, 238, 244, 248, 251, 253};
  for (std::size_t j = 0; j < 7; ++j) {
    const ChainSegment& s = CurvingChainShot01.Slots[j];
    EXPECT_EQ(s.X, 320.0f);
    EXPECT_EQ(s.Y, 120.0f);
    EXPECT_EQ(s.Speed, ladder[j]);
    EXPECT_NEAR(s.Heading, -36 * Degree, 1e-6);
  }
  // The chains of the parked slots 1 and 2 start far out.
  EXPECT_EQ(CurvingChainShot01.Slots[7].Active, 1);
  Frames(1, [] {
    CurvingChainShot01.Update();
    CurvingChainShot02.Update();
  });
  EXPECT_EQ(CurvingChainShot01.Slots[7].Active, 0);
  EXPECT_EQ(CurvingChainShot01.Slots[20].Active, 0);
  // First step: along 36 degrees below the horizontal, left (minus) or
  // right (plus), no drift yet.
  for (std::size_t j = 0; j < 7; ++j) {
    const ChainSegment& m = CurvingChainShot01.Slots[j];
    const ChainSegment& p = CurvingChainShot02.Slots[j];
    const double step = ladder[j] / 64.0;
    EXPECT_NEAR(m.X, 320 - step * std::cos(36 * Degree), 1e-4);
    EXPECT_NEAR(m.Y, 120 + step * std::sin(36 * Degree), 1e-4);
    EXPECT_EQ(p.X - 320.0f, 320.0f - m.X);
    EXPECT_EQ(p.Y, m.Y);
    EXPECT_NEAR(m.Heading, -(36 + 1.125) * Degree, 1e-6);
    EXPECT_NEAR(p.Heading, (36 + 1.125) * Degree, 1e-6);
    EXPECT_EQ(m.DriftX, 16.0f - 7.0f * j);
  }
  // Second step: the drift of segment 0 (16 px/s) lifts it and moves it left.
  const float x1 = CurvingChainShot01.Slots[0].X, y1 = CurvingChainShot01.Slots[0].Y;
  Frames(1, [] { CurvingChainShot01.Update(); });
  const double h1 = -(36 + 1.125) * Degree, step0 = 223 / 64.0;
  EXPECT_NEAR(CurvingChainShot01.Slots[0].X, x1 - step0 * std::cos(h1) - 0.25, 1e-4);
  EXPECT_NEAR(CurvingChainShot01.Slots[0].Y, y1 - step0 * std::sin(h1) - 0.25, 1e-4);

  // The turn timer grows 20/64 a call: 54 calls turn (to 16.875), the 55th
  // passes 17 and ends the turn; then the heading holds.
  Frames(52, [] { CurvingChainShot01.Update(); });
  EXPECT_NEAR(CurvingChainShot01.Slots[3].Heading, -(36 + 54 * 1.125) * Degree, 1e-4);
  Frames(6, [] { CurvingChainShot01.Update(); });
  EXPECT_NEAR(CurvingChainShot01.Slots[3].Heading, -(36 + 54 * 1.125) * Degree, 1e-4);
  EXPECT_EQ(CurvingChainShot01.Slots[3].TurnTimer, 18.0f);
  EXPECT_EQ(CurvingChainShot01.Slots[3].Active, 1);
  // Straight flight: two later steps of a segment are the same step.
  const float ax = CurvingChainShot01.Slots[6].X;
  Frames(1, [] { CurvingChainShot01.Update(); });
  const float bx = CurvingChainShot01.Slots[6].X;
  Frames(1, [] { CurvingChainShot01.Update(); });
  EXPECT_NEAR(CurvingChainShot01.Slots[6].X - bx, bx - ax, 1e-4);
  Frames(1, [] { CurvingChainShot01.Draw(); });
  const ChainSegment& head = CurvingChainShot01.Slots[6];
  EXPECT_GT(Lit(static_cast<int>(head.X), static_cast<int>(head.Y), 30, 30), 0);
}

TEST_F(DroppedShotsTest, AChainStopsWhereItsTailLeftAndStillEndsTheShip) {
  // SweepingCraft03 high up: the gun at y -40, above the bound: the first
  // Update frees the chain where it stands.
  PlaceRecord(SweepingCraft03Record, 300.0f, -50.0f);
  CurvingChainShot03.Fire();
  EXPECT_EQ(CurvingChainShot03.Slots[0].X, 385.0f);
  bomb::BombFlag = 1;  // the chains have no bomb rule
  CurvingChainShot03.Update();
  for (const ChainSegment& s : CurvingChainShot03.Slots) {
    EXPECT_EQ(s.Active, 0);
    EXPECT_GT(s.Y, -40.0f);  // moved once, then stopped there, not parked
    EXPECT_LT(s.X, 385.0f);
    EXPECT_NEAR(s.Heading, -36 * Degree, 1e-6);
    EXPECT_EQ(s.TurnTimer, 0.0f);
  }
  // The next Fire starts it again.
  CurvingChainShot03.Fire();
  EXPECT_EQ(CurvingChainShot03.Slots[4].Active, 1);
  EXPECT_EQ(CurvingChainShot03.Slots[4].Y, -40.0f);

  // A chain whose tail leaves while a faster segment is on the screen:
  // that segment stops there, is not drawn and still ends the ship.
  ChainSegment& tail = CurvingChainShot04.Slots[0];
  ChainSegment& head = CurvingChainShot04.Slots[6];
  for (ChainSegment& s : CurvingChainShot04.Slots) {
    s.Active = 1;
    s.X = 300.0f;
    s.Y = 300.0f;
    s.Speed = 0.0f;
  }
  tail.Y = 600.01f;
  head.Y = 250.0f;
  bomb::BombFlag = 0;
  CurvingChainShot04.Update();
  EXPECT_EQ(head.Active, 0);
  EXPECT_EQ(head.Y, 250.0f);
  Frames(1, [] { CurvingChainShot04.Draw(); });
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
  PlaceShip(290.0f, 230.0f);  // the segment lies at (10, 20) in the box
  CurvingChainShot04.Update();
  EXPECT_EQ(player::PlayerAliveFlag, 0);
}

TEST_F(DroppedShotsTest, Pictures) {
  // The sweepers with their clusters and chains, the spiral pair and the
  // giant with its cluster.
  flow::DoubleSpeedFlag = 1;
  PlaceRecord(SweepingCraft03Record, 200.0f, 60.0f);
  SweepingCraft03Record.PhaseTime = 55.0f;
  PlaceRecord(SweepingCraft01Record, 380.0f, 120.0f);
  SweepingCraft01Record.PhaseTime = 55.0f;
  Frames(50, [] {
    SweepingCraft03.Move();
    SweepingCraft01.Move();
    SpiralShot01.Fire();
    SpiralShot02.Fire();
    ClusterDropShot03.Update();
    ClusterDropShot01.Update();
    CurvingChainShot03.Update();
    CurvingChainShot04.Update();
    SpiralShot01.Update();
    SpiralShot02.Update();
    SweepingCraft03.Draw();
    SweepingCraft01.Draw();
    ClusterDropShot03.Draw();
    ClusterDropShot01.Draw();
    CurvingChainShot03.Draw();
    CurvingChainShot04.Draw();
    SpiralShot01.Draw();
    SpiralShot02.Draw();
  });
  EXPECT_GT(Lit(180, 300, 440, 300), 0);
  Picture("sweeping_craft_shots");

  ResetWorld();
  PlaceRecord(FlameFaller01Slots[0], 250.0f, 60.0f);
  PlaceRecord(FlameFaller01Slots[1], 450.0f, 100.0f);
  PlaceRecord(GiantCraft01Record, 320.0f, -200.0f);
  GiantCraft01Record.Timer = 25;
  Frames(40, [] {
    CurvingChainShot01.Fire();
    CurvingChainShot02.Fire();
    GiantCraft01.Move();
    CurvingChainShot01.Update();
    CurvingChainShot02.Update();
    ClusterDropShot07.Update();
    FlameFaller01.Draw();
    GiantCraft01.Draw();
    CurvingChainShot01.Draw();
    CurvingChainShot02.Draw();
    ClusterDropShot07.Draw();
  });
  Picture("chains_and_giant_cluster");
}

}  // namespace
