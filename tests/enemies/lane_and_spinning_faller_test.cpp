// The lane divers (a mirror pair diving down fixed lanes) and the spinning
// fallers (two steering toward the ship, one falling straight): spawning,
// the paths, the steering, the bottom bound, the spin and the explosion.
#include <gtest/gtest.h>

#include "enemies/lane_diver.h"
#include "enemies/spinning_faller.h"
#include "support/craft_probe.h"
#include "support/enemy_fixture.h"
#include "world/state.h"

namespace {

using namespace enemies;
using testing_support::CraftProbe;
using testing_support::EnemyTest;
using testing_support::Probe;

class LaneAndSpinningFallerTest : public EnemyTest {};

TEST_F(LaneAndSpinningFallerTest, LaneDiversDiveDownTheirLanesDriftingApart) {
  struct Case {
    const LaneDiverInstance& diver;
    float laneX, sign;
  } cases[] = {{LaneDiver01, 220.0f, 1.0f}, {LaneDiver02, 520.0f, -1.0f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.laneX);
    ResetWorld();
    c.diver.Spawn();
    for (const ObjectSlot& s : c.diver.Slots) {
      EXPECT_EQ(s.Active, 1);
      EXPECT_EQ(s.X, c.laneX);
      EXPECT_EQ(s.Y, -60.0f);
      EXPECT_TRUE(s.Vx >= 0 && s.Vx <= 9) << s.Vx;
      EXPECT_TRUE(s.Vy >= 60 && s.Vy <= 239) << s.Vy;
    }
    // A busy table is not restarted.
    c.diver.Slots[0].Y = 10.0f;
    c.diver.Spawn();
    EXPECT_EQ(c.diver.Slots[0].Y, 10.0f);

    ObjectSlot& s = c.diver.Slots[0];
    s.Y = -60.0f;
    s.Vx = 8.0f;
    s.Vy = 128.0f;
    // Half a second: 64 down, 4 along the drift.
    Frames(32, [&] { c.diver.Move(); });
    EXPECT_EQ(s.Y, 4.0f);
    EXPECT_EQ(s.X, c.laneX + c.sign * 4.0f);

    // No side bound; the bottom is strict.
    s.X = -300.0f;
    s.Y = 600.0f;
    s.Vx = s.Vy = 0.0f;
    Frames(1, [&] { c.diver.Move(); });
    EXPECT_EQ(s.Active, 1);
    s.Y = 600.01f;
    Frames(1, [&] { c.diver.Move(); });
    EXPECT_EQ(s.Active, 0);
    EXPECT_EQ(s.X, -500.0f);
    EXPECT_EQ(s.Y, 2550.0f);
  }
}

TEST_F(LaneAndSpinningFallerTest, CraftExplodeInPlaceForSixteenDrawsAndAreParked) {
  const CraftProbe crafts[] = {Probe("LaneDiver01", LaneDiver01), Probe("LaneDiver02", LaneDiver02),
                               Probe("SpinningFaller01", SpinningFaller01), Probe("SpinningFaller02", SpinningFaller02),
                               Probe("SpinningFaller03", SpinningFaller03)};
  for (const CraftProbe& c : crafts) {
    SCOPED_TRACE(c.Name);
    ResetWorld();
    c.Spawn();
    ObjectSlot& s = c.Slots[1];
    s.X = 300.0f;
    s.Y = 200.0f;
    c.Hit(1);
    int draws = 0;
    while (s.Active != 0 && draws < 40) {
      Frames(1, [&] {
        c.Move();
        c.Draw();
      });
      ++draws;
      if (draws == 1) {
        // Stopped where it was hit, the blast drawn in place of the craft.
        EXPECT_EQ(s.Vx, 0.0f);
        EXPECT_EQ(s.Vy, 0.0f);
        EXPECT_GT(Lit(300, 200, 80, 80), 0);
      }
    }
    EXPECT_EQ(draws, 16);
    EXPECT_EQ(s.X, -500.0f);
    EXPECT_EQ(s.Y, 2550.0f);
    EXPECT_EQ(s.Hit, 0);
    c.Hit(7);  // outside the table: nothing
  }
}

TEST_F(LaneAndSpinningFallerTest, SpinningFallersStartAboveTheFieldAtTheirSpeeds) {
  struct Case {
    const SpinningFallerInstance& faller;
    int vyLo;
  } cases[] = {{SpinningFaller01, 120}, {SpinningFaller02, 140}, {SpinningFaller03, 40}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vyLo);
    ResetWorld();
    c.faller.Spawn();
    for (const ObjectSlot& s : c.faller.Slots) {
      EXPECT_EQ(s.Active, 1);
      EXPECT_TRUE(s.X >= 180 && s.X <= 539) << s.X;
      EXPECT_EQ(s.Y, -80.0f);
      EXPECT_TRUE(s.Vx >= 0 && s.Vx <= 9) << s.Vx;
      EXPECT_TRUE(s.Vy >= c.vyLo && s.Vy <= c.vyLo + 79) << s.Vy;
    }
  }
}

TEST_F(LaneAndSpinningFallerTest, TheSteeringFallersCloseInOnTheShipFromTheirSecondMove) {
  struct Case {
    const char* name;
    const SpinningFallerInstance& faller;
    float startX;
    float x1, vx1;  // after the first move
    float x2;       // after the second
  } cases[] = {
      // From the right: the first move drifts by the start speed (8 px/s).
      {"01 right", SpinningFaller01, 400.0f, 400.125f, -50.0f, 400.125f - 50.0f / 64},
      {"02 right", SpinningFaller02, 400.0f, 400.125f, -55.0f, 400.125f - 55.0f / 64},
      {"01 left", SpinningFaller01, 200.0f, 200.125f, 50.0f, 200.125f + 50.0f / 64},
      {"02 left", SpinningFaller02, 200.0f, 200.125f, 55.0f, 200.125f + 55.0f / 64},
      // Level with the ship after its first move: the speed stays.
      {"01 level", SpinningFaller01, 299.875f, 300.0f, 8.0f, 300.125f},
      // Falls straight, whatever the ship.
      {"03", SpinningFaller03, 400.0f, 400.0f, 8.0f, 400.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetWorld();
    PlaceShip(300.0f, 400.0f);
    c.faller.Spawn();
    ObjectSlot& s = c.faller.Slots[0];
    s.X = c.startX;
    s.Vx = 8.0f;
    s.Vy = 64.0f;
    Frames(1, [&] { c.faller.Move(); });
    EXPECT_EQ(s.X, c.x1);
    EXPECT_EQ(s.Vx, c.vx1);
    EXPECT_EQ(s.Y, -79.0f);
    Frames(1, [&] { c.faller.Move(); });
    EXPECT_EQ(s.X, c.x2);
    EXPECT_EQ(s.Y, -78.0f);
  }
}

TEST_F(LaneAndSpinningFallerTest, SpinningFallersTurnSevenDegreesADrawAndLeaveAtTheBottom) {
  ObjectSlot& s = SpinningFaller02.Slots[2];
  s.SpinAngle = 350;
  Frames(1, [] { SpinningFaller02.Draw(); });
  EXPECT_EQ(s.SpinAngle, 357);
  Frames(1, [] { SpinningFaller02.Draw(); });
  EXPECT_EQ(s.SpinAngle, 0);
  // The reset leaves the angle where it stands.
  s.SpinAngle = 14;
  ResetWorld();
  EXPECT_EQ(s.SpinAngle, 14);

  SpinningFaller02.Spawn();
  s.Y = 600.0f;
  s.Vy = 0.0f;
  Frames(1, [] { SpinningFaller02.Move(); });
  EXPECT_EQ(s.Active, 1);
  s.Y = 600.5f;
  Frames(1, [] { SpinningFaller02.Move(); });
  EXPECT_EQ(s.Active, 0);
  EXPECT_EQ(s.Y, 2550.0f);
}

}  // namespace
