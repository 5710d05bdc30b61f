// The power-up item: its start, its fall, the pick-up box and what a pick-up
// gives.
#include <gtest/gtest.h>

#include "engine/frame.h"
#include "game/player.h"
#include "game/powerup.h"
#include "game/score.h"
#include "game/shot_collision.h"
#include "game/shots.h"
#include "game/stage.h"
#include "player_fixture.h"

using namespace bomb;
using namespace flow;
using namespace player;
using namespace powerup;
using namespace score;
using namespace shots;
using namespace stage;

using testing_support::PlayerTest;

namespace {

using PowerUpTest = PlayerTest;

TEST_F(PowerUpTest, OneItemAtATimeStartsAboveTheFieldAndFallsOutOfIt) {
  for (int run = 0; run < 50; ++run) {
    ParkPowerUp();
    const int count = PowerUpCount;
    SpawnPowerUp();
    ASSERT_EQ(PowerUpItem.Active, 1);
    EXPECT_EQ(PowerUpCount, count + 1);
    EXPECT_GE(PowerUpItem.X, 210.0f);
    EXPECT_LE(PowerUpItem.X, 529.0f);
    EXPECT_EQ(PowerUpItem.Y, -60.0f);
    EXPECT_GE(PowerUpItem.Vy, 100.0f);
    EXPECT_LE(PowerUpItem.Vy, 229.0f);
  }
  const PowerUpRecord falling = PowerUpItem;
  SpawnPowerUp();  // one at a time
  EXPECT_EQ(PowerUpItem.X, falling.X);

  elSystem::FrameStep = 0.5f;
  MovePowerUp();
  EXPECT_EQ(PowerUpItem.Y, -60.0f + falling.Vy * 0.5f);
  PowerUpItem.Y = 599.0f;
  MovePowerUp();
  EXPECT_EQ(PowerUpItem.Active, 0);
  EXPECT_EQ(PowerUpItem.Y, 2550.0f);
}

TEST_F(PowerUpTest, TheShipPicksTheItemUpWithin60PixelsEdgesIncluded) {
  LevelMode = 1;
  struct Case {
    float itemY;
    float shipX, shipY;
    bool picked;
  };
  // The item at x 300; its y as given.
  const Case cases[] = {
      {300, 240, 240, true},  {300, 360, 360, true},  {300, 239, 300, false}, {300, 361, 300, false},
      {300, 300, 239, false}, {300, 300, 361, false}, {300, 360.9f, 300, true}, {50, 300, 50, false},
      {50.5f, 300, 50, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.itemY << " " << c.shipX << " " << c.shipY);
    PowerUpItem = PowerUpRecord{300.0f, c.itemY, 0.0f, 1, 0};
    PlayerPosition = ShipPoint{c.shipX, c.shipY};
    Score = 0;
    TestPowerUpPickup();
    EXPECT_EQ(PowerUpItem.Picked == 1, c.picked);
    EXPECT_EQ(Score, c.picked ? 500 : 0);
  }
}

TEST_F(PowerUpTest, APickUpGivesPowerAndOneOrTwoBombsByTheItemsStartedSinceTheLastDeath) {
  struct Case {
    int count, bombs, countAfter;
  };
  for (const Case c : {Case{0, 2, 1}, Case{1, 1, 1}, Case{2, 1, 2}, Case{3, 2, 3}, Case{7, 2, 7}}) {
    SCOPED_TRACE(c.count);
    ShotPowerFlag = 0;
    BombStock = 5;
    PowerUpCount = c.count;
    PowerUpItem = PowerUpRecord{300.0f, 300.0f, 100.0f, 1, 1};
    DrawPowerUp();
    EXPECT_EQ(BombStock, 5 + c.bombs);
    EXPECT_EQ(ShotPowerFlag, 1);
    EXPECT_EQ(PowerUpCount, c.countAfter);
    EXPECT_EQ(PowerUpItem.Active, 0);
    EXPECT_EQ(PowerUpItem.Picked, 0);
    EXPECT_EQ(PowerUpItem.Y, 2550.0f);
  }
}

TEST_F(PowerUpTest, InAStageAnItemOnTheShipScoresOnceAndGivesTheSideShots) {
  StartLiveGame();
  ASSERT_LT(StageProgress, 100.0f);  // before the first window
  const int bombs = BombStock;
  PowerUpCount = 1;
  PowerUpItem = PowerUpRecord{PlayerPosition.X, PlayerPosition.Y, 0.0f, 1, 0};
  Shot("powerup");
  h.Frames(5);
  EXPECT_EQ(Score, 500);
  EXPECT_EQ(BombStock, bombs + 1);
  EXPECT_EQ(ShotPowerFlag, 1);
  Hold({'Z'}, 6);
  EXPECT_EQ(MainShotB[27].Active, 1);
  EXPECT_EQ(MainShotB[53].Active, 1);

  // The windows start items by themselves.
  StageProgress = 99.9f;
  ParkPowerUp();
  h.Frame();
  EXPECT_EQ(PowerUpItem.Active, 1);
  EXPECT_EQ(PowerUpCount, 2);
}

}  // namespace
