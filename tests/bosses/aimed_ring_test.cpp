// Aimed rings: the volley timer's keys, gaps where balls still fly, the
// ship's box, the bounds, the bomb, the mirrored guns and the reset.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "aimed_fixture.h"
#include "bosses/aimed_ring.h"
#include "engine/random.h"

namespace {

using namespace bosses;
using testing_support::AimedPatternTest;

class AimedRingTest : public AimedPatternTest {
 protected:
  static int Flying(const AimedRingInstance& ring, int first, int count) {
    int n = 0;
    for (int i = first; i < first + count; ++i) n += ring.Slots[static_cast<size_t>(i)].Active;
    return n;
  }
};

TEST_F(AimedRingTest, RingsStartAtTheirKeysCountedOverFireCallsOnly) {
  PlaceBoss(Scene3Boss, 100.0f, 0.0f);
  PlaceShip(300.0f, 450.0f);
  // AimedRing10: keys 30, 50, 90, 110, 130, 150 of a cycle of 200, rings of 12.
  std::vector<int> starts;
  for (int call = 1; call <= 200; ++call) {
    const int before = Flying(AimedRing10, 0, 72);
    AimedRing10.Fire();
    const int started = Flying(AimedRing10, 0, 72) - before;
    if (started) {
      EXPECT_EQ(started, 12) << call;
      starts.push_back(call);
    }
  }
  EXPECT_EQ(starts, (std::vector<int>{30, 50, 90, 110, 130, 150}));
  // Ring g is its own run of slots: the second launch filled slots 12..23.
  EXPECT_EQ(Flying(AimedRing10, 12, 12), 12);
  EXPECT_EQ(AimedRing10.Slots[0].VolleyTimer, 0);  // wrapped at 200
  // The balls of a ring share the gun and the speed.
  EXPECT_EQ(AimedRing10.Slots[5].X, 240.0f);
  EXPECT_EQ(AimedRing10.Slots[5].Y, 130.0f);
  EXPECT_EQ(AimedRing10.Slots[5].Speed, 140.0f);

  // The timers stand still between windows: AimedRing05 (keys every 10 of
  // 1000) fires its first ring on its 10th Fire, however the calls are spread.
  PlaceBoss(Scene8Boss, 100.0f, 0.0f);
  for (int i = 0; i < 9; ++i) AimedRing05.Fire();
  AimedRing05.Update();
  AimedRing05.Draw();
  EXPECT_EQ(Flying(AimedRing05, 0, 200), 0);
  AimedRing05.Fire();
  EXPECT_EQ(Flying(AimedRing05, 0, 200), 20);
}

TEST_F(AimedRingTest, AKeyThatComesAgainStartsOnlyTheFreeSlots) {
  PlaceBoss(Scene8Boss, 100.0f, 0.0f);
  PlaceShip(300.0f, 450.0f);
  // AimedRing06: rings of 30, keys 10..90 of a cycle of 100.
  for (int i = 0; i < 10; ++i) AimedRing06.Fire();
  ASSERT_EQ(Flying(AimedRing06, 0, 30), 30);
  Frames(20, [] { AimedRing06.Update(); });
  AimedRing06.Slots[7].Active = 0;  // freed meanwhile
  const float stillX = AimedRing06.Slots[8].X;
  for (int i = 0; i < 100; ++i) AimedRing06.Fire();  // key 10 again
  EXPECT_EQ(Flying(AimedRing06, 0, 30), 30);
  EXPECT_EQ(AimedRing06.Slots[7].X, 320.0f);  // back at the gun
  EXPECT_EQ(AimedRing06.Slots[7].Y, 220.0f);
  EXPECT_EQ(AimedRing06.Slots[8].X, stillX);  // not restarted
}

TEST_F(AimedRingTest, ShipBoxBoundsAndBomb) {
  PlaceShip(300.0f, 300.0f);
  RingBullet& b = AimedRing03.Slots[0];
  const struct {
    float x, y;
    bool hit, flying;
  } cases[] = {
      {310.0f, 320.0f, true, true},  {330.0f, 330.0f, true, true},  {309.9f, 325.0f, false, true},
      {330.1f, 325.0f, false, true}, {320.0f, 319.9f, false, true}, {320.0f, 330.1f, false, true},
      {800.0f, 600.0f, false, true}, {-20.0f, -20.0f, false, true}, {800.01f, 300.0f, false, false},
      {-20.01f, 300.0f, false, false}, {300.0f, 600.01f, false, false}, {300.0f, -20.01f, false, false},
  };
  for (const auto& c : cases) {
    player::PlayerAliveFlag = 1;
    b = RingBullet{};
    b.Active = 1;
    b.X = c.x;
    b.Y = c.y;
    b.Speed = 0.0f;
    AimedRing03.Update();
    EXPECT_EQ(player::PlayerAliveFlag, c.hit ? 0 : 1) << c.x << ", " << c.y;
    EXPECT_EQ(b.Active, c.flying ? 1 : 0) << c.x << ", " << c.y;
    if (!c.flying) {
      EXPECT_EQ(b.Y, enemies::ParkY);
    }
  }
  // A ball that touched the ship flies on and touches it again later.
  b = RingBullet{};
  b.Active = 1;
  b.X = 320.0f;
  b.Y = 325.0f;
  player::PlayerAliveFlag = 1;
  AimedRing03.Update();
  player::PlayerAliveFlag = 1;
  AimedRing03.Update();
  EXPECT_EQ(player::PlayerAliveFlag, 0);
  EXPECT_EQ(b.Active, 1);
  // While the ship is dead nothing touches it; the bomb frees every ball.
  player::PlayerAliveFlag = 0;
  bomb::BombFlag = 1;
  AimedRing03.Update();
  EXPECT_EQ(b.Active, 0);
  EXPECT_EQ(b.X, enemies::ParkX);
}

TEST_F(AimedRingTest, BallsFlyAndSpinAndParkedBallsDrawNothing) {
  PlaceBoss(Scene3Boss, 100.0f, 100.0f);
  AimPointAt(240.0f, 330.0f, 20.0f);  // straight below the gun at (240, 230)
  AimedRing10.Slots[11].Frame = 23;
  AimedRing10.Draw();
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
  EXPECT_EQ(AimedRing10.Slots[11].Frame, 0);  // spins while parked
  for (int i = 0; i < 30; ++i) AimedRing10.Fire();
  // 140 px/s over 16 frames of 1/64 s: 35 px along each ball's heading.
  Frames(16, [] { AimedRing10.Update(); });
  EXPECT_NEAR(AimedRing10.Slots[0].X, 240.0f, 1e-4);
  EXPECT_NEAR(AimedRing10.Slots[0].Y, 265.0f, 1e-4);
  EXPECT_NEAR(AimedRing10.Slots[3].X, 205.0f, 1e-4);  // 90 degrees on: left
  EXPECT_NEAR(AimedRing10.Slots[6].Y, 195.0f, 1e-4);  // 180: up
  AimedRing10.Draw();
  EXPECT_GT(Lit(240, 265, 20, 20), 0);
  EXPECT_GT(Lit(205, 230, 20, 20), 0);
}

TEST_F(AimedRingTest, MirroredGunsFireMirroredRings) {
  // AimedRing10 and AimedRing11 lie 100 px either side of the boss's x + 240.
  const float axis = 100.0f + 240.0f;
  for (float shipDy : {250.0f, -20.0f}) {
    ResetWorld();
    PlaceBoss(Scene3Boss, 100.0f, 50.0f);
    AimPointAt(axis, 180.0f + shipDy, 20.0f);
    AimedRing10.Spawn(0);
    AimedRing11.Spawn(0);
    AimedRing10.Spawn(2);
    AimedRing11.Spawn(10);  // ball 12 - 2 turns the other way
    Frames(30, [] {
      AimedRing10.Update();
      AimedRing11.Update();
    });
    for (auto [a, b] : {std::pair{0, 0}, std::pair{2, 10}}) {
      const RingBullet& l = AimedRing10.Slots[static_cast<size_t>(a)];
      const RingBullet& r = AimedRing11.Slots[static_cast<size_t>(b)];
      EXPECT_NEAR(l.X - axis, axis - r.X, 1e-3) << shipDy << ": " << a;
      EXPECT_NEAR(l.Y, r.Y, 1e-3) << shipDy << ": " << a;
    }
  }
}

TEST_F(AimedRingTest, ResetFreesEveryBallWithARandomFrameAndItsHeading) {
  for (int i = 0; i < 30; ++i) AimedRing09.Fire();
  AimedRing09.Slots[3].VolleyTimer = 17;
  ResetWorld();
  for (const AimedRingInstance* ring : {&AimedRing01, &AimedRing06, &AimedRing09, &AimedRing12}) {
    for (const RingBullet& b : ring->Slots) {
      EXPECT_EQ(b.Active, 0);
      EXPECT_EQ(b.VolleyTimer, 0);
      EXPECT_EQ(b.X, enemies::ParkX);
      EXPECT_EQ(b.Y, enemies::ParkY);
      EXPECT_GE(b.Frame, 0);
      EXPECT_LT(b.Frame, 10);
    }
  }
  EXPECT_EQ(AimedRing09.Slots[0].Heading, static_cast<float>(-3 * Pi / 580));
  EXPECT_EQ(AimedRing12.Slots[0].Heading, static_cast<float>(-3 * Pi / 180));
  // The frames are the random sequence, one draw per slot.
  int varied = 0;
  for (int i = 1; i < 72; ++i) varied += AimedRing01.Slots[static_cast<size_t>(i)].Frame != AimedRing01.Slots[0].Frame;
  EXPECT_GT(varied, 0);
  EXPECT_EQ(AimedRing06.SlotCount(), 270);
  EXPECT_EQ(AimedRing04.SlotCount(), 300);
}

}  // namespace
