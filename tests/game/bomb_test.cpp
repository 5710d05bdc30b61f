// The bomb burst from a set BombFlag: when each ring leaves, where its shards
// fly, what they hit on the way, the bomb it costs and the bullets it frees.
#include "game/bomb.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "bosses/boss_record.h"
#include "enemies/flame_faller.h"
#include "enemies/straight_shot.h"
#include "game/score.h"
#include "game/shots.h"
#include "support/enemy_fixture.h"

using namespace bomb;

namespace {

class BombTest : public testing_support::EnemyTest {
 protected:
  // One stage frame's share of the bomb: its burst step, then the move.
  void BurstFrame() {
    Frames(1, [] {
      if (BombFlag == 1) RunBombBurst();
      MoveBombShards();
    });
  }
};

TEST_F(BombTest, RingsLeaveTwiceFlyOutAndTheBurstCostsOneBomb) {
  score::BombStock = 3;
  BombFlag = 1;
  shots::MainShotBEnable = shots::MainShotAEnable = 0;
  PlaceShip(370.9f, 400.2f);  // shards start at (360, 390)

  // A ring has started in a frame when its first shard lies one step from
  // the start point (no shard comes back there later).
  std::vector<std::set<int>> startsOf(8);
  int frames = 0;
  while (BombFlag == 1 && frames < 100) {
    BurstFrame();
    ++frames;
    for (int r = 0; r < 8; ++r) {
      const BombShardRecord& s = BombShard[r * ShardsPerRing];
      if (s.Active && s.X == 360 - 15 && s.Y == 390 + 36) startsOf[static_cast<size_t>(r)].insert(frames);
    }
    if (frames == 4) {
      // Ring 1 left in frame 3 and moved twice, 40 pixels a frame truncated
      // per axis: 112.5 degrees for its first shard, 36 more per shard.
      EXPECT_EQ(BombShard[10].X, 330);
      EXPECT_EQ(BombShard[10].Y, 462);
      EXPECT_EQ(BombShard[12].X, 282);  // 184.5 degrees: (-39, -3) a frame
      EXPECT_EQ(BombShard[12].Y, 384);
      EXPECT_EQ(BombShard[17].X, 438);  // 4.5 degrees: (39, 3)
      EXPECT_EQ(BombShard[17].Y, 396);
      EXPECT_EQ(BombShard[20].Active, 0);  // ring 2 leaves in frame 6
    }
    if (frames == 7) {
      EXPECT_EQ(BombShard[10].Y, 570);
    }
    if (frames == 8) {
      // Past the bottom after its sixth step: freed at the integer park.
      EXPECT_EQ(BombShard[10].Active, 0);
      EXPECT_EQ(BombShard[10].X, -500);
      EXPECT_EQ(BombShard[10].Y, 500);
    }
  }
  EXPECT_EQ(frames, BombBurstFrames);
  EXPECT_EQ(startsOf[0], (std::set<int>{24}));  // a counter of 0 never comes
  for (int r = 1; r < 8; ++r) EXPECT_EQ(startsOf[static_cast<size_t>(r)], (std::set<int>{3 * r, 24 + 3 * r})) << r;
  EXPECT_EQ(score::BombStock, 2);
  EXPECT_EQ(BombCounter, 0);
  EXPECT_EQ(shots::MainShotBEnable, 1);
  EXPECT_EQ(shots::MainShotAEnable, 1);
}

TEST_F(BombTest, AShardHitsEveryCraftAndBossOnItsWayAsSetBDoes) {
  score::Score = 0;
  PlaceShip(100.0f, 300.0f);  // shard 7 starts at (90, 290) and steps (39, 3)
  enemies::ObjectSlot& craft = enemies::FlameFaller01Slots[0];
  craft.X = 250.0f;  // set B's box: x 190..320, y 260..370
  craft.Y = 320.0f;
  craft.Active = 1;
  bosses::Scene3Boss.X = 100.0f;  // box: x 150..490, y 160..350
  bosses::Scene3Boss.Y = 150.0f;
  const float hitPoints = bosses::Scene3Boss.BossHitPoints;

  SpawnBombShard(7);
  for (int i = 0; i < 25; ++i) BurstFrame();

  // The craft is passed at x 207, 246 and 285 (50 each), the boss at
  // x 168 to 480 in nine steps (60 each, 35 hit points a second each).
  EXPECT_EQ(craft.Hit, 1);
  EXPECT_EQ(bosses::Scene3Boss.BossHitFlag, 1);
  EXPECT_EQ(score::Score, 3 * 50 + 9 * 60);
  EXPECT_FLOAT_EQ(bosses::Scene3Boss.BossHitPoints, hitPoints - 9 * 35.0f * Step);
  // It flew through both and left past the right edge at x 831.
  EXPECT_EQ(BombShard[7].Active, 0);
}

TEST_F(BombTest, BulletsAreFreedWhileItRunsAndAnEmptyStockEndsItAtOnce) {
  using enemies::StraightShot20;
  StraightShot20.Slots[0] = enemies::ShotSlot{0, 300.0f, 100.0f, 0.0f, 0.0f, 1};
  BombFlag = 1;
  StraightShot20.Update();
  EXPECT_EQ(StraightShot20.Slots[0].Active, 0);

  score::BombStock = 0;
  shots::MainShotBEnable = shots::MainShotAEnable = 0;
  PlaceShip(300.0f, 300.0f);
  BurstFrame();
  EXPECT_EQ(BombFlag, 0);
  EXPECT_EQ(score::BombStock, 0);
  EXPECT_EQ(shots::MainShotBEnable, 1);
  EXPECT_EQ(shots::MainShotAEnable, 1);
  for (const BombShardRecord& s : BombShard) EXPECT_EQ(s.Active, 0);
}

TEST_F(BombTest, PictureOfABurst) {
  score::BombStock = 3;
  BombFlag = 1;
  PlaceShip(370.0f, 420.0f);
  for (int i = 0; i < 9; ++i) BurstFrame();
  elDraw::Clear();
  DrawBombShards();
  // Rings 1 to 3 are out, ring 1 farthest.
  EXPECT_GT(Lit(BombShard[14].X, BombShard[14].Y, 80, 80), 0);
  EXPECT_EQ(Lit(190, 10, 120, 100), 0);
  Picture("bomb_burst");
}

}  // namespace
