// What the player's shots hit: the table of targets with its boxes, lowest
// y, points, the divers' direct points and the bosses' damage.
#include <gtest/gtest.h>

#include "bosses/boss.h"
#include "enemies/diagonal_diver.h"
#include "enemies/diagonal_large_craft.h"
#include "enemies/flame_faller.h"
#include "enemies/giant_craft.h"
#include "enemies/large_craft.h"
#include "enemies/rising_lock_target.h"
#include "game/score.h"
#include "game/shot_targets.h"
#include "support/enemy_fixture.h"

namespace {

using namespace shots;
using testing_support::EnemyTest;

class ShotTargetsTest : public EnemyTest {};

TEST_F(ShotTargetsTest, CraftBoxesPerShotSet) {
  // 44 craft kinds and the 8 bosses, 144 records in all: 136 craft slots
  // (single records counted once) and a record per boss.
  EXPECT_EQ(Targets().size(), 52u);
  size_t records = 0;
  for (const Target& t : Targets()) records += t.Boss.Record ? 1 : t.Craft.Slots.size();
  EXPECT_EQ(records, 144u);
  struct Case {
    std::span<enemies::ObjectSlot> slots;
    float x, y;  // the craft's corner
    int sx, sy;  // the shot's corner
    ShotSet set;
    bool hit;
    int points;
  } cases[] = {
      // FlameFaller01: x box A -40..+50, B -60..+70, S -20..+70; y -60..+50.
      {enemies::FlameFaller01.Slots, 300.0f, 200.0f, 260, 140, ShotSet::A, true, 100},
      {enemies::FlameFaller01.Slots, 300.0f, 200.0f, 350, 250, ShotSet::A, true, 100},
      {enemies::FlameFaller01.Slots, 300.0f, 200.0f, 259, 200, ShotSet::A, false, 0},
      {enemies::FlameFaller01.Slots, 300.0f, 200.0f, 300, 251, ShotSet::A, false, 0},
      {enemies::FlameFaller01.Slots, 300.0f, 200.0f, 240, 200, ShotSet::B, true, 50},
      {enemies::FlameFaller01.Slots, 300.0f, 200.0f, 279, 200, ShotSet::Special, false, 0},
      // Truncation toward zero: a craft at 10.9 boxes from 10.
      {enemies::FlameFaller01.Slots, 300.9f, 200.9f, 350, 250, ShotSet::A, true, 100},
      // The lowest y: -45 is tested, below it is not.
      {enemies::FlameFaller01.Slots, 300.0f, -45.0f, 300, -45, ShotSet::A, true, 100},
      {enemies::FlameFaller01.Slots, 300.0f, -45.5f, 300, -45, ShotSet::A, false, 0},
      // A large craft is out of the special shots' reach above y 5.
      {enemies::DiagonalLargeCraft01.Slots, 300.0f, 4.0f, 300, 4, ShotSet::Special, false, 0},
      {enemies::DiagonalLargeCraft01.Slots, 300.0f, 5.0f, 300, 5, ShotSet::Special, true, 50},
      {enemies::DiagonalLargeCraft01.Slots, 300.0f, 4.0f, 300, 4, ShotSet::A, true, 100},
      {enemies::RisingLockTarget02.Slots, 300.0f, 300.0f, 380, 360, ShotSet::B, true, 250},
  };
  for (const Case& c : cases) {
    ResetWorld();
    score::Score = 0;
    enemies::ObjectSlot& s = c.slots.back();
    s.X = c.x;
    s.Y = c.y;
    s.Active = 1;
    EXPECT_FALSE(HitTargets(c.sx, c.sy, c.set));
    EXPECT_EQ(s.Hit, c.hit ? 1 : 0) << c.sx << ", " << c.sy;
    EXPECT_EQ(score::Score, c.points) << c.sx << ", " << c.sy;
  }
}

TEST_F(ShotTargetsTest, DiversGiveSetATwentyPointsWhateverTheMode) {
  flow::LevelMode = 0;  // before the title's Enter: AddScore adds nothing
  score::Score = 0;
  enemies::ObjectSlot& s = enemies::DiagonalDiver01.Slots[0];
  s.X = 300.0f;
  s.Y = 300.0f;
  HitTargets(310, 310, ShotSet::A);
  EXPECT_EQ(score::Score, 20);
  HitTargets(310, 310, ShotSet::B);
  EXPECT_EQ(score::Score, 20);
  flow::LevelMode = 1;
  HitTargets(310, 310, ShotSet::B);
  EXPECT_EQ(score::Score, 70);
  // A hit does not use the shot up, and scores again on the next frame.
  EXPECT_FALSE(HitTargets(310, 310, ShotSet::A));
  EXPECT_EQ(score::Score, 90);
}

TEST_F(ShotTargetsTest, BossesTakeDamagePerShotSet) {
  bosses::BossRecord& boss = bosses::Scene2Boss;
  boss.X = 200.0f;
  boss.Y = 50.0f;
  const float start = boss.BossHitPoints;
  score::Score = 0;
  // A main shot is used up and costs 100 times the frame step.
  EXPECT_TRUE(HitTargets(280, 60, ShotSet::B));
  EXPECT_EQ(boss.BossHitFlag, 1);
  EXPECT_FLOAT_EQ(boss.BossHitPoints, start - 100.0f * Step);
  EXPECT_EQ(score::Score, 50);
  // A special shot stays and costs 3 times the frame step.
  EXPECT_FALSE(HitTargets(540, 250, ShotSet::Special));
  EXPECT_FLOAT_EQ(boss.BossHitPoints, start - 103.0f * Step);
  // Outside the box, or a boss above the top, nothing.
  EXPECT_FALSE(HitTargets(279, 60, ShotSet::A));
  boss.Y = -0.5f;
  EXPECT_FALSE(HitTargets(280, 60, ShotSet::A));
  EXPECT_FLOAT_EQ(boss.BossHitPoints, start - 103.0f * Step);
}

TEST_F(ShotTargetsTest, TheGiantCraftCountsTwentyFiveTouches) {
  score::Score = 0;
  enemies::ObjectSlot& g = enemies::GiantCraft01.Slots[0];
  g.X = 250.0f;
  g.Y = 100.0f;
  for (int touch = 1; touch <= 24; ++touch) HitTargets(400, 150, ShotSet::B);
  EXPECT_EQ(g.Hit, 0);
  EXPECT_EQ(score::Score, 0);
  EXPECT_EQ(g.HitCounter, 24);
  HitTargets(400, 150, ShotSet::B);
  EXPECT_EQ(g.Hit, 1);
  EXPECT_EQ(score::Score, 500);
  HitTargets(400, 150, ShotSet::B);  // and on every touch after it
  EXPECT_EQ(score::Score, 1000);
}

TEST_F(ShotTargetsTest, TheBackwardsBoxOfTheFirstLargeCraftTakesOnlySpecialShots) {
  enemies::ObjectSlot& c = enemies::LargeCraft01.Slots[0];
  c.X = 300.0f;
  c.Y = 100.0f;
  for (int sx = 280; sx <= 400; sx += 5) {
    HitTargets(sx, 100, ShotSet::A);
    HitTargets(sx, 100, ShotSet::B);
  }
  EXPECT_EQ(c.Hit, 0);
  HitTargets(340, 100, ShotSet::Special);
  EXPECT_EQ(c.Hit, 1);
}

}  // namespace
