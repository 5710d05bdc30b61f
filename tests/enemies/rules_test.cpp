// The rules every enemy kind shares: the ship's box, aiming, counters and
// the parked slot.
#include <gtest/gtest.h>

#include <cmath>

#include "enemies/common/rules.h"
#include "support/enemy_fixture.h"
#include "world/assets.h"

namespace {

using namespace enemies;
using testing_support::EnemyTest;

class RulesTest : public EnemyTest {};

TEST_F(RulesTest, ShipBoxIsInclusiveOnFloats) {
  PlaceShip(300.0f, 400.0f);
  struct Case {
    float ddx, ddy;
    bool hit;
  } cases[] = {{14.0f, 27.0f, true},    {30.0f, 27.0f, true},   {13.999f, 27.0f, false},
               {30.001f, 27.0f, false}, {20.0f, 24.0f, true},   {20.0f, 30.0f, true},
               {20.0f, 23.99f, false},  {20.0f, 30.01f, false}};
  for (const Case& c : cases) {
    player::PlayerAliveFlag = 1;
    TestPlayer(300.0f + c.ddx, 400.0f + c.ddy, Box16);
    EXPECT_EQ(player::PlayerAliveFlag, c.hit ? 0 : 1) << c.ddx << ", " << c.ddy;
  }
  // A dead ship is not hit again.
  player::PlayerAliveFlag = 0;
  EXPECT_FALSE(TouchesPlayer(320.0f, 427.0f, Box16));
}

TEST_F(RulesTest, AimingPointsAtTheShipCorner) {
  const float pi = static_cast<float>(Pi);
  struct Case {
    float shipX, shipY;  // the gun is at (300, 300), aim offset 0
    float heading;
  } cases[] = {
      {300.0f, 400.0f, pi / 2},       // straight below: dx 0
      {300.0f, 200.0f, 3 * pi / 2},   // straight above
      {200.0f, 300.0f, pi},           // left, dy 0
      {400.0f, 300.0f, 0.0f},         // right
      {300.0f, 300.0f, pi / 2 + pi},  // on the gun: straight up
      {400.0f, 400.0f, pi / 4},       // below right
      {200.0f, 400.0f, 3 * pi / 4},   // below left
      {200.0f, 200.0f, 5 * pi / 4},   // above left
  };
  for (const Case& c : cases) {
    PlaceShip(c.shipX, c.shipY);
    EXPECT_NEAR(AimHeading(300.0f, 300.0f, 0.0f), c.heading, 1e-6) << c.shipX << ", " << c.shipY;
  }
}

TEST_F(RulesTest, AimOffsetAndTurn) {
  PlaceShip(290.0f, 390.0f);
  float dx = 0, dy = 0;
  // The aim offset moves the aim point to (300, 400): straight below.
  EXPECT_NEAR(AimHeading(300.0f, 300.0f, 10.0f, 0.0, dx, dy), Pi / 2, 1e-6);
  EXPECT_EQ(dx, 0.0f);
  EXPECT_EQ(dy, 100.0f);
  // A turn is added before the half-turn test, which reads dx and dy only.
  EXPECT_NEAR(AimHeading(300.0f, 300.0f, 10.0f, 2 * TwoPiOver30), Pi / 2 + 2 * TwoPiOver30, 1e-6);
}

TEST_F(RulesTest, CountersWrapBeforeTheirKeys) {
  int c = 0, fired70 = 0, fired2 = 0;
  for (int i = 0; i < 500; ++i) {
    const int v = StepCounter(c, 70);
    fired70 += v == 70;
    fired2 += v == 2;
  }
  EXPECT_EQ(fired70, 0);
  EXPECT_EQ(fired2, 8);  // calls 2, 72, ..., 492
  int d = 0, reached = 0;
  for (int i = 0; i < 70; ++i) reached += StepCounterInclusive(d, 70) == 70;
  EXPECT_EQ(reached, 1);
  EXPECT_EQ(StepCounterInclusive(d, 70), 0);

  int frame = 9;  // a random start past a 7-frame sheet
  StepFrame(frame, 7);
  EXPECT_EQ(frame, 0);
  int spin = 350;
  StepSpin(spin);
  EXPECT_EQ(spin, 357);
  StepSpin(spin);
  EXPECT_EQ(spin, 0);
}

TEST_F(RulesTest, ParkedSlotDrawsNothingAndAngles) {
  ObjectSlot s;
  s.X = 1000.0f;
  Park(s);
  EXPECT_EQ(s.X, ParkX);
  EXPECT_EQ(s.Y, ParkY);
  DrawCell(s.X, s.Y, 0, 0, assets::PicZfire2, Cell{60, 60});
  DrawCellAdd(s.X, s.Y, 25, 25, assets::PicZfire2, Cell{60, 60});
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
  // Truncation first, then the offset.
  EXPECT_EQ(Px(-0.5f) + 25, 25);
  EXPECT_EQ(Px(10.9f), 10);
  EXPECT_EQ(Px(1e30f), 1 << 28);
  // A needle along heading pi/2 (down) turns by 180. The float nearest pi/2
  // lies just above it: the whole expression truncates to 179, while deg(h)
  // alone truncates to 90 before the subtraction.
  EXPECT_EQ(NeedleAngle(static_cast<float>(Pi / 2)), 179);
  EXPECT_EQ(NeedleAngleWholeDegrees(static_cast<float>(Pi / 2)), 180);
  EXPECT_EQ(WholeDegrees(static_cast<float>(Pi / 2)), 90);
}

}  // namespace
