// The ship's death and respawn, the continue prompt and its answers, and the
// game-over label, played through the real loop in a running stage.
#include <gtest/gtest.h>

#include <cstdint>

#include "engine/draw_hw.h"
#include "engine/input.h"
#include "engine/present.h"
#include "engine/system.h"
#include "game/assets.h"
#include "game/options.h"
#include "game/player.h"
#include "game/powerup.h"
#include "game/score.h"
#include "game/shots.h"
#include "game/stage.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "player_fixture.h"

using namespace assets;
using namespace bomb;
using namespace flow;
using namespace player;
using namespace powerup;
using namespace score;
using namespace shots;
using namespace stage;

using namespace platform;
using testing_support::PlayerTest;

namespace {

using ShipDeathTest = PlayerTest;

bool RingActive(int ring) {
  for (int i = ring * FragmentsPerRing; i < (ring + 1) * FragmentsPerRing; ++i)
    if (DeathFragment[i].Active != 1) return false;
  return true;
}
bool AnyFragmentActive() {
  for (const DeathFragmentRecord& f : DeathFragment)
    if (f.Active != 0) return true;
  return false;
}

TEST_F(ShipDeathTest, ADeathRunsFiveRingsCosts16EnergyAndEndsInA249FrameRespawn) {
  StartLiveGame();
  ShotPowerFlag = 1;
  PowerUpCount = 2;
  const ShipPoint start = PlayerPosition;
  h.KeyDown(VK_LEFT);  // the ship stays under control while it explodes
  PlayerAliveFlag = 0;  // as an enemy bullet does

  const int ringStart[] = {1, 10, 20, 30, 40};
  for (int frame = 1; frame <= DeathSequenceFrames; ++frame) {
    h.Frame();
    ASSERT_EQ(DeathFragment[79].SequenceCount, frame);
    for (int ring = 0; ring < 5; ++ring) {
      if (frame == ringStart[ring] - 1) {
        EXPECT_FALSE(RingActive(ring)) << "frame " << frame;
      }
      if (frame == ringStart[ring]) {
        EXPECT_TRUE(RingActive(ring)) << "frame " << frame;
      }
    }
    EXPECT_EQ(Energy, frame < 40 ? 999 : 983) << frame;
    EXPECT_EQ(PlayerAliveFlag, frame < DeathSequenceFrames ? 0 : 1) << frame;
    if (frame == 1) {
      EXPECT_EQ(ShotPowerFlag, 0);
      EXPECT_EQ(PowerUpCount, 0);
    }
    if (frame == 5) {
      // The first fragment of a ring flies toward the screen's corner (20, 20).
      const float dx = DeathFragment[0].X - start.X, dy = DeathFragment[0].Y - start.Y;
      EXPECT_LT(dx, -10.0f);
      EXPECT_NEAR(dy / dx, (20.0f - start.Y) / (20.0f - start.X), 0.05f);
    }
  }
  EXPECT_LT(PlayerPosition.X, start.X);
  EXPECT_EQ(RespawnFlag, 1);
  h.KeyUp(VK_LEFT);

  h.Frames(RespawnFrames - 1);
  EXPECT_EQ(RespawnFlag, 1);
  // A hit in the respawn period is undone and lengthens it by one frame.
  PlayerAliveFlag = 0;
  h.Frame();
  EXPECT_EQ(PlayerAliveFlag, 1);
  EXPECT_EQ(RespawnFlag, 1);
  EXPECT_EQ(Energy, 983);
  h.Frame();
  EXPECT_EQ(RespawnFlag, 0);
  EXPECT_EQ(RespawnCounter, 0);
  EXPECT_FALSE(AnyFragmentActive());
  EXPECT_EQ(DeathFragment[0].SequenceCount, 0);
  EXPECT_EQ(DeathFragment[0].Y, 2550.0f);
}

TEST_F(ShipDeathTest, FragmentsAreDrawnOverTheShipThroughTheirFifteenCells) {
  StartLiveGame();
  PlayerAliveFlag = 0;
  h.Frame();
  Shot("death_start");
  // Ring 0 starts on the ship's corner; its first cell is drawn there.
  const int x = static_cast<int>(DeathFragment[0].X), y = static_cast<int>(DeathFragment[0].Y);
  EXPECT_GT(testing_support::LitPixels(x, y, 60, 60), 0);
  std::vector<std::pair<int, int>> cells;
  for (int i = 0; i < 16; ++i) {
    cells.emplace_back(DeathFragment[0].Column, DeathFragment[0].Row);
    h.Frame();
  }
  // Row 0 columns 0 to 7 (the first drawn last frame), then row 1 from 1.
  EXPECT_EQ(cells.front(), std::make_pair(1, 0));
  EXPECT_EQ(cells[6], std::make_pair(7, 0));
  EXPECT_EQ(cells[7], std::make_pair(1, 1));
  EXPECT_EQ(cells[13], std::make_pair(7, 1));
  EXPECT_EQ(cells[14], std::make_pair(0, 0));
  h.Frames(20);
  Shot("death_rings");
}

TEST_F(ShipDeathTest, WithNoDeathTheFirstHitLeavesTheShipUnhittableAndWhole) {
  StartLiveGame();
  NoDeathFlag = 1;
  PlayerAliveFlag = 0;
  h.Frames(60);
  EXPECT_EQ(PlayerAliveFlag, 0);
  EXPECT_EQ(Energy, 999);
  EXPECT_FALSE(AnyFragmentActive());
  EXPECT_EQ(DeathFragment[0].SequenceCount, 0);
}

using ContinueTest = PlayerTest;

// A death with `energy` left, run up to its fortieth frame.
void DieWith(testing_support::Harness& h, int energy) {
  Energy = energy;
  PlayerAliveFlag = 0;
  h.Frames(40);
}

TEST_F(ContinueTest, ThePromptPausesTheStageWhenEnergyRunsOutAndYContinues) {
  for (const auto& [scene, bombs] : {std::pair{2, 5}, std::pair{8, 3}}) {
    SCOPED_TRACE(scene);
    StartLiveGame();
    EnterScene(scene);
    h.Frame();
    Score = 7000;
    BombStock = 1;
    MainShotB[10] = ShotRecord{300, 590, 0, 10, 1};
    MainShotB[50] = ShotRecord{330, 590, 2, 10, 1};
    MainShotA[10] = ShotRecord{360, 590, 0, 10, 1};
    DieWith(h, 7);
    EXPECT_EQ(Energy, -9);
    EXPECT_EQ(ContinuePromptFlag, 1);
    EXPECT_EQ(PauseFlag, 1);
    Shot("continue_prompt");
    // Slots 0 to 38 of set B go; the others fly on.
    EXPECT_EQ(MainShotB[10].Active, 0);
    EXPECT_EQ(MainShotB[10].Y, 500);
    EXPECT_EQ(MainShotB[50].Active, 1);
    EXPECT_EQ(MainShotA[10].Active, 1);
    EXPECT_EQ(testing_support::PictureShown(220, 190, PicContinu1, 200, 100), 1.0);

    const float progress = StageProgress;
    const int presents = h.backend().present_count;
    h.Frames(10);
    EXPECT_EQ(StageProgress, progress);
    EXPECT_EQ(h.backend().present_count, presents);

    Tap('Y');
    EXPECT_EQ(PauseFlag, 0);
    EXPECT_EQ(ContinuePromptFlag, 0);
    EXPECT_EQ(Energy, 111);
    EXPECT_EQ(BombStock, bombs);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(RespawnFlag, 1);
    EXPECT_EQ(PlayerAliveFlag, 1);
    h.Frames(2);
    EXPECT_GT(StageProgress, progress);
    EXPECT_EQ(DeathFragment[0].SequenceCount, 40);  // the rest of the explosion is skipped
    Tap('T');
  }
}

TEST_F(ContinueTest, NGivesUpAndTheTitleFollowsNineSecondsLater) {
  StartLiveGame();
  DieWith(h, 16);
  ASSERT_EQ(ContinuePromptFlag, 1);
  Tap('N');
  EXPECT_EQ(GiveUpFlag, 1);
  EXPECT_EQ(PauseFlag, 0);
  EXPECT_EQ(ContinuePromptFlag, 1);
  h.Frame();  // the answer is taken in a paused frame; the stage runs from the next
  EXPECT_EQ(GameOverFlag, 1);
  const uint32_t start = TimeGetTime();
  h.Frames(9);
  EXPECT_EQ(DeathFragment[0].SequenceCount, 50);  // the explosion runs to its end
  EXPECT_EQ(PlayerAliveFlag, 1);
  Tap('S');  // answered: the prompt stays, and S does nothing
  EXPECT_EQ(PauseFlag, 0);
  while (elSystem::SceneNumber == 2 && TimeGetTime() - start < 10000) h.Frame();
  EXPECT_EQ(elSystem::SceneNumber, 1);
  EXPECT_GE(TimeGetTime() - start, 9000u);
}

TEST_F(ContinueTest, TheGameOverLabelGrowsFromItsCentreLineAndIsCutAtTheScreen) {
  StartLiveGame();
  GameOverFlag = 1;
  // The label's ten source rows, each stretched over its own band.
  const std::vector<uint16_t> label = testing_support::PicturePixels(PicMymy, 81, 70, 55, 10);
  for (const int height : {0, 100, 600, 2000}) {
    SCOPED_TRACE(height);
    elDraw::Clear();
    GameOverLabelHeight = static_cast<float>(height);
    DrawGameOverLabel();
    EXPECT_GT(GameOverLabelHeight, static_cast<float>(height));
    const int top = (480 - height) / 2;
    std::vector<bool> inLabel(600, false);
    for (int r = 0; r < 10; ++r) {
      bool rowLit = false;
      for (int i = 0; i < 55; ++i) rowLit = rowLit || label[r * 55 + i] != 0;
      const int b0 = top + r * height / 10, b1 = top + (r + 1) * height / 10;
      for (int y = std::max(b0, 0); y < std::min(b1, 600); ++y) inLabel[y] = true;
      const int middle = (b0 + b1) / 2;
      if (rowLit && height > 0 && middle >= 0 && middle < 600) {
        EXPECT_GT(testing_support::LitPixels(180, middle, 290, 1), 0) << "source row " << r;
      }
    }
    for (int y = 0; y < 600; ++y) {
      if (!inLabel[y]) {
        ASSERT_EQ(testing_support::LitPixels(0, y, 800, 1), 0) << "row " << y;
      }
    }
  }
}

}  // namespace
