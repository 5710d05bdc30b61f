// The boss's aimed single shots: groups launched at their timer keys from
// four guns, each aimed at the ship, used up when they touch it.
#include <gtest/gtest.h>

#include <cmath>

#include "bosses/boss_aimed_shot.h"
#include "support/enemy_fixture.h"
#include "world/state.h"

namespace {

using namespace bosses;
using testing_support::EnemyTest;

class BossAimedShotTest : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    Scene2Boss.X = 180.0f;
    Scene2Boss.Y = 0.0f;
  }
  static void FireTimes(int n) {
    for (int i = 0; i < n; ++i) BossAimedShot01.Fire(0);
  }
  static int ActiveCount() {
    int n = 0;
    for (const BossAimedShotSlot& s : BossAimedShot01Slots) n += s.Active;
    return n;
  }
};

TEST_F(BossAimedShotTest, GroupsLeaveTheGunsAtTheirKeysAimedAtTheShip) {
  // Aim point (330, 500): straight below the first gun at (330, 100).
  PlaceShip(310.0f, 480.0f);
  FireTimes(99);
  EXPECT_EQ(ActiveCount(), 0);
  FireTimes(1);
  ASSERT_EQ(ActiveCount(), 4);
  struct Gun {
    float x, y;
  } guns[] = {{330.0f, 100.0f}, {450.0f, 100.0f}, {270.0f, 150.0f}, {510.0f, 150.0f}};
  for (int k = 0; k < 4; ++k) {
    const BossAimedShotSlot& s = BossAimedShot01Slots[k];
    EXPECT_EQ(s.X, guns[k].x) << k;
    EXPECT_EQ(s.Y, guns[k].y) << k;
    EXPECT_EQ(s.AimDx, 330.0f - guns[k].x) << k;
    EXPECT_EQ(s.AimDy, 500.0f - guns[k].y) << k;
    EXPECT_NEAR(s.Heading, std::atan2(500.0f - guns[k].y, 330.0f - guns[k].x), 1e-5) << k;
    EXPECT_GE(s.Speed, 180.0f);
    EXPECT_LT(s.Speed, 210.0f);
  }
  EXPECT_EQ(BossAimedShot01Slots[0].Heading, static_cast<float>(enemies::Pi / 2));

  // Straight down at its own speed.
  const float speed = BossAimedShot01Slots[0].Speed;
  BossAimedShot01.Update(0);
  EXPECT_NEAR(BossAimedShot01Slots[0].Y, 100.0f + speed / 64.0f, 1e-4);
  EXPECT_NEAR(BossAimedShot01Slots[0].X, 330.0f, 1e-4);
  elDraw::Clear();
  BossAimedShot01.Draw(0);
  EXPECT_GT(Lit(330, 100, 20, 23), 0);

  // The later groups at 200, 300, 440 and 500; the timer wraps at 630 and the
  // groups still in flight are not restarted.
  FireTimes(100);
  EXPECT_EQ(ActiveCount(), 8);
  FireTimes(300);
  EXPECT_EQ(ActiveCount(), 20);
  EXPECT_EQ(BossAimedShot01Slots[19].VolleyTimer, 500);
  FireTimes(130);
  EXPECT_EQ(BossAimedShot01Slots[19].VolleyTimer, 0);
  const float yBefore = BossAimedShot01Slots[0].Y;
  FireTimes(100);
  EXPECT_EQ(BossAimedShot01Slots[0].Y, yBefore);
}

// The ship's box 10..30 x 20..30, both ends included; a touching bullet is
// freed and parked, not left flying.
TEST_F(BossAimedShotTest, TouchUsesTheBulletUp) {
  PlaceShip(300.0f, 300.0f);
  struct Case {
    float ddx, ddy;
    bool hit;
  } cases[] = {{10.0f, 20.0f, true}, {30.0f, 30.0f, true}, {9.99f, 25.0f, false}, {20.0f, 30.01f, false}};
  for (const Case& c : cases) {
    player::PlayerAliveFlag = 1;
    BossAimedShotSlot& s = BossAimedShot01Slots[7];
    s = BossAimedShotSlot{};
    s.Active = 1;
    s.X = 300.0f + c.ddx;
    s.Y = 300.0f + c.ddy;
    s.Speed = 0.0f;
    BossAimedShot01.Update(0);
    EXPECT_EQ(player::PlayerAliveFlag, c.hit ? 0 : 1) << c.ddx << ", " << c.ddy;
    EXPECT_EQ(s.Active, c.hit ? 0 : 1) << c.ddx << ", " << c.ddy;
    EXPECT_EQ(s.Y, c.hit ? enemies::ParkY : 300.0f + c.ddy);
  }
}

TEST_F(BossAimedShotTest, FreedOutsideItsBoundsAndByTheBomb) {
  struct Case {
    float x, y;
    int bomb;
    bool kept;
  } cases[] = {{800.0f, 600.0f, 0, true}, {-20.0f, -20.0f, 0, true}, {800.5f, 300.0f, 0, false},
               {-20.5f, 300.0f, 0, false}, {300.0f, -20.5f, 0, false}, {300.0f, 600.5f, 0, false},
               {300.0f, 300.0f, 1, false}};
  for (const Case& c : cases) {
    BossAimedShotSlot& s = BossAimedShot01Slots[0];
    s = BossAimedShotSlot{};
    s.Active = 1;
    s.X = c.x;
    s.Y = c.y;
    bomb::BombFlag = c.bomb;
    BossAimedShot01.Update(0);
    EXPECT_EQ(s.Active == 1, c.kept) << c.x << ", " << c.y;
    if (!c.kept) {
      EXPECT_EQ(s.X, enemies::ParkX);
    }
  }
  bomb::BombFlag = 0;
}

}  // namespace
