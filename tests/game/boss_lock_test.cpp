// The boss lock-on through the sight's centre, the lock points on each boss,
// the boss lock shots' hits, and the game's own path, where no weapon acts.
#include <gtest/gtest.h>

#include <cmath>

#include "bosses/boss.h"
#include "bosses/boss_lock_on.h"
#include "enemies/crossing_spinner.h"
#include "game/bomb.h"
#include "game/boss_lock_shot.h"
#include "game/lock_shot.h"
#include "game/lock_sight.h"
#include "game/missile_barrage.h"
#include "game/options.h"
#include "game/score.h"
#include "support/enemy_fixture.h"

using namespace lockon;
using enemies::LockOnRecord;

namespace {

class BossLockTest : public testing_support::EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    flow::ShipType = 1;
    score::Score = 0;
  }
  // The sight placed so that its centre lies at (x, y).
  static void CentreSightAt(int x, int y) { player::LockSight = player::LockSightPoint{x - 150, y - 120}; }
};

TEST_F(BossLockTest, TheSightsCentreOnABossLocksBothSetsEdgesIncluded) {
  bosses::Scene2Boss.X = 180.6f;  // box x 220..580, y 60..340
  bosses::Scene2Boss.Y = 20.3f;
  struct Case {
    int shipType;
    float bossY;
    int noHit;
    int px, py;
    bool locks;
  } cases[] = {
      {1, 20.3f, 0, 220, 60, true},
      {1, 20.3f, 0, 580, 340, true},
      {1, 20.3f, 0, 219, 60, false},
      {1, 20.3f, 0, 581, 200, false},
      {1, 20.3f, 0, 300, 341, false},
      {2, 20.3f, 0, 300, 200, true},
      {0, 20.3f, 0, 300, 200, true},
      {1, 20.3f, 1, 300, 200, false},
      // Below y -10 the scene-2 boss is not locked (box y from by + 40).
      {1, -10.0f, 0, 300, 40, true},
      {1, -10.5f, 0, 300, 40, false},
  };
  for (const Case& c : cases) {
    BossLockShot01.ResetLocks();
    BossLockShot02.ResetLocks();
    flow::ShipType = c.shipType;
    bosses::Scene2Boss.Y = c.bossY;
    bosses::Scene2Boss.NoHit = c.noHit;
    CentreSightAt(c.px, c.py);
    LockOnBosses();
    for (const auto* table : {bosses::BossLockShot01LockOn, bosses::BossLockShot02LockOn})
      for (int i = 0; i < 3; ++i) EXPECT_EQ(table[i].Locked, c.locks ? 1 : 0) << c.px << ", " << c.py;
    // Every scene-2 record sits at (190, 150) from the boss's truncated corner.
    if (c.locks) {
      EXPECT_EQ(bosses::BossLockShot02LockOn[2].X, 180 + 190);
      EXPECT_EQ(bosses::BossLockShot02LockOn[2].Y, static_cast<int>(c.bossY) + 150);
    }
  }
  // The scene-7 boss needs y 0 at least.
  bosses::Scene7Boss.X = 100.0f;
  for (float y : {-0.5f, 0.0f}) {
    bosses::Scene7Boss.Y = y;
    CentreSightAt(300, 200);
    LockOnBosses();
    EXPECT_EQ(bosses::BossLockShot11LockOn[0].Locked, y >= 0.0f ? 1 : 0) << y;
  }
  // Its two sets differ in their last point.
  EXPECT_EQ(bosses::BossLockShot11LockOn[8].Y, -40);
  EXPECT_EQ(bosses::BossLockShot12LockOn[8].Y, 70);
}

TEST_F(BossLockTest, ARelockMovesEveryPointOfTheSetButOnTheSceneTwoBoss) {
  bosses::Scene8Boss.X = 100.0f;
  bosses::Scene8Boss.Y = 0.0f;
  CentreSightAt(300, 200);
  LockOnBosses();
  EXPECT_EQ(bosses::BossLockShot05LockOn[4].X, 100 + 320);
  EXPECT_EQ(bosses::BossLockShot06LockOn[1].Y, 90);
  // Record 2 unlocked by a hit; the boss has moved on.
  bosses::BossLockShot05LockOn[2] = LockOnRecord{-500, 500, 0};
  bosses::Scene8Boss.X = 120.0f;
  LockOnBosses();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(bosses::BossLockShot05LockOn[i].Locked, 1);
  EXPECT_EQ(bosses::BossLockShot05LockOn[4].X, 120 + 320);  // locked, still moved
  EXPECT_EQ(bosses::BossLockShot06LockOn[4].X, 100 + 320);  // nothing of its set was unlocked

  bosses::Scene2Boss.X = 180.0f;
  bosses::Scene2Boss.Y = 0.0f;
  bosses::Scene8Boss.X = 1000.0f;
  LockOnBosses();
  bosses::BossLockShot01LockOn[1] = LockOnRecord{-500, 500, 0};
  bosses::Scene2Boss.X = 200.0f;
  LockOnBosses();
  EXPECT_EQ(bosses::BossLockShot01LockOn[1].X, 200 + 190);
  EXPECT_EQ(bosses::BossLockShot01LockOn[0].X, 180 + 190);
}

TEST_F(BossLockTest, BossLockShotsHitLowerHitPointsAndScore) {
  bosses::Scene5Boss.X = 100.0f;  // points (290, 200), (120, 160), (460, 160)
  bosses::Scene5Boss.Y = 20.0f;
  bosses::Scene8Boss.X = 100.0f;
  bosses::Scene8Boss.Y = 0.0f;
  CentreSightAt(300, 200);
  LockOnBosses();
  PlaceShip(300.0f, 400.0f);
  BossLockShot07.Spawn();
  BossLockShot06.Spawn();
  EXPECT_FLOAT_EQ(BossLockShot07Shots[0].X, 280.0f);  // ship + 20 - 40
  EXPECT_FLOAT_EQ(BossLockShot07Shots[0].Speed, 600.0f);
  EXPECT_FLOAT_EQ(BossLockShot07Shots[0].LaunchX, 310.0f - 280.0f);
  EXPECT_FLOAT_EQ(BossLockShot06Shots[0].X, 360.0f);
  const float hp5 = bosses::Scene5Boss.BossHitPoints, hp8 = bosses::Scene8Boss.BossHitPoints;
  for (int i = 0; i < 120; ++i)
    Frames(1, [] {
      BossLockShot07.Update();
      BossLockShot06.Update();
    });
  for (const LockShotRecord& s : BossLockShot07Shots) EXPECT_EQ(s.Active, 0);
  for (const LockShotRecord& s : BossLockShot06Shots) EXPECT_EQ(s.Active, 0);
  for (const LockOnRecord& r : bosses::BossLockShot07LockOn) EXPECT_EQ(r.Locked, 0);
  EXPECT_EQ(bosses::BossLockShot07LockOn[0].X, -500);
  EXPECT_EQ(bosses::Scene5Boss.BossHitFlag, 1);
  EXPECT_EQ(bosses::Scene8Boss.BossHitFlag, 1);
  EXPECT_FLOAT_EQ(bosses::Scene5Boss.BossHitPoints, hp5 - 3 * 150.0f * Step);
  EXPECT_FLOAT_EQ(bosses::Scene8Boss.BossHitPoints, hp8 - 5 * 150.0f * Step);
  EXPECT_EQ(score::Score, 3 * 300);  // the scene-8 boss's second set scores nothing
}

// A boss shot with a launch drift takes its heading first and drifts after
// (the craft lock shots drift first): the drift moves it, the aim does not
// see it.
TEST_F(BossLockTest, ADriftingBossShotAimsBeforeItDrifts) {
  bosses::Scene5Boss.X = 100.0f;  // record 0 at (290, 200), aimed at (310, 220)
  bosses::Scene5Boss.Y = 20.0f;
  CentreSightAt(300, 200);
  LockOnBosses();
  PlaceShip(300.0f, 400.0f);
  BossLockShot07.Spawn();  // shot 0 at (280, 410), drifting left
  Frames(1, [] { BossLockShot07.Update(); });
  const LockShotRecord& s = BossLockShot07Shots[0];
  // Aim from (280, 410): (30, -190), 192.3538 long. Drift: 600 / 64 = 9.375
  // left, 0.8 of it (7.5) down. Then 9.375 along the heading.
  EXPECT_NEAR(s.Heading, std::atan(-190.0f / 30.0f), 1e-5f);
  EXPECT_NEAR(s.X, 280.0f - 9.375f + 9.375f * 30.0f / 192.3538f, 1e-3f);
  EXPECT_NEAR(s.Y, 410.0f + 7.5f - 9.375f * 190.0f / 192.3538f, 1e-3f);
  EXPECT_FLOAT_EQ(s.LaunchTimer, 260.0f / 64.0f);
}

// The game as it runs: the bomb never set, the sight at its reset place, the
// missiles fired at difficulty 3 while a crosser flies, the lock weapons
// called as a replay calls them. Nothing locks, launches or bursts.
TEST_F(BossLockTest, TheGamesOwnPathLeavesEveryWeaponIdle) {
  flow::Difficulty = 3;
  PlaceShip(370.0f, 450.0f);
  bosses::Scene2Boss.X = 180.0f;
  bosses::Scene2Boss.Y = 0.0f;
  const LockShotInstance* all[] = {&LockShot01,     &LockShot02,     &LockShot03,     &LockShot04,     &LockShot05,
                                   &LockShot06,     &LockShot07,     &LockShot08,     &BossLockShot01, &BossLockShot02,
                                   &BossLockShot03, &BossLockShot04, &BossLockShot05, &BossLockShot06, &BossLockShot07,
                                   &BossLockShot08, &BossLockShot09, &BossLockShot10, &BossLockShot11, &BossLockShot12,
                                   &BossLockShot13, &BossLockShot14, &BossLockShot15, &BossLockShot16};
  int launched = 0;
  Frames(300, [&] {
    bomb::DrawBombShards();
    enemies::CrossingSpinner01.Spawn();
    enemies::CrossingSpinner01.Move();
    enemies::CrossingSpinner01.Draw();
    bosses::Scene2BossOps.Draw();
    if (bomb::BombFlag == 1) bomb::RunBombBurst();
    bomb::MoveBombShards();
    MissileBarrage01.Fire();
    MissileBarrage01.Update();
    for (int i = 0; i < 8; ++i) all[i]->Spawn();
    LockOnBosses();
    for (int i = 8; i < 24; ++i) all[i]->Spawn();
    for (const LockShotInstance* set : all) set->Update();
    for (const auto& row : MissileBarrage01Missiles)
      for (const MissileRecord& m : row) launched += m.Active;
  });
  EXPECT_GT(launched, 0);
  EXPECT_EQ(Lit(180, 0, 440, 600) > 0, true);  // the crossers and the boss show
  for (const bomb::BombShardRecord& s : bomb::BombShard) {
    EXPECT_EQ(s.Active, 0);
    EXPECT_EQ(s.X, -500);
  }
  for (const LockShotInstance* set : all) {
    for (const LockShotRecord& s : set->Shots) EXPECT_EQ(s.Active, 0);
    for (const LockOnRecord& r : set->Row.Locks) EXPECT_EQ(r.Locked, 0);
  }
  for (const LockOnRecord& r : enemies::CrossingSpinner01Locks) EXPECT_EQ(r.Locked, 0);
}

}  // namespace
