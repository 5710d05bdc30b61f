// Points, the HUD's digits as drawn into the back buffer, and the end of a
// game after the player gave up.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "engine/draw_hw.h"
#include "engine/frame.h"
#include "engine/music.h"
#include "engine/system.h"
#include "flow_fixture.h"
#include "game/assets.h"
#include "game/score.h"
#include "game/stage.h"
#include "platform/clock.h"

using namespace assets;
using namespace bomb;
using namespace flow;
using namespace player;
using namespace score;
using namespace stage;

using testing_support::BackBufferPixels;
using testing_support::GameFlowTest;
using testing_support::PicturePixels;

namespace {

TEST(AddScore, AddsOnlyInScoringModesAndKeepsTheLimits) {
  struct Case {
    int levelMode, doubleSpeed, score, hiScore, points;
    int wantScore, wantHiScore;
  };
  const Case cases[] = {
      {0, 0, 10, 500, 50, 10, 500},                       // before the title's Enter: nothing
      {1, 0, 10, 500, 50, 60, 500},
      {2, 1, 600, 500, 50, 650, 650},                     // the high score follows
      {1, 2, 10, 500, 50, 10, 500},                       // no mode the menus offer
      {1, 0, 999999989, 5, 50, 999999999, 999999999},     // clamped at the limit
      {1, 0, 999999999, 999999999, 2147483647, 999999999, 999999999},  // no overflow
  };
  for (const Case& c : cases) {
    LevelMode = c.levelMode;
    DoubleSpeedFlag = c.doubleSpeed;
    Score = c.score;
    HiScore = c.hiScore;
    AddScore(c.points);
    EXPECT_EQ(Score, c.wantScore) << c.score << " + " << c.points;
    EXPECT_EQ(HiScore, c.wantHiScore) << c.score << " + " << c.points;
  }
  LevelMode = DoubleSpeedFlag = 0;
}

using HudTest = GameFlowTest;

// Digits expected at a HUD position: the cells of the picture, by character.
void ExpectDigits(const std::string& text, int x, int y, int step, int picture, int cellX, int cellY, int cellStep,
                  int w, int h) {
  for (size_t i = 0; i < text.size(); ++i) {
    const int d = text[i] - '0';
    EXPECT_EQ(BackBufferPixels(x + step * static_cast<int>(i), y, w, h),
              PicturePixels(picture, cellX + cellStep * d, cellY, w, h))
        << "character " << i << " of " << text;
  }
}

TEST_F(HudTest, DrawsEachValueWithItsDigitCells) {
  struct Case {
    int score, hiScore, energy, bombs;
    const char* scoreText;
    const char* hiText;
    const char* energyText;  // nullptr: not shown
    const char* bombText;
  };
  const Case cases[] = {
      {123456789, 987, 42, 7, "123456789", "000000987", "042", "07"},
      {0, 999999999, 999, 0, "000000000", "999999999", "999", "00"},
      {5, 500, -16, -1, "000000005", "000000500", nullptr, nullptr},  // below 0: hidden
      {5, 500, 0, 150, "000000005", "000000500", "000", "99"},        // at most 99 bombs shown
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scoreText);
    Score = c.score;
    HiScore = c.hiScore;
    Energy = c.energy;
    BombStock = c.bombs;
    elDraw::Clear();
    DrawHud();
    ExpectDigits(c.scoreText, 180, 0, 20, PicSuji09, 0, 0, 20, 20, 25);
    ExpectDigits(c.hiText, 380, 6, 10, PicMymy, 8, 70, 7, 7, 10);
    const std::vector<uint16_t> blank(30 * 10, 0);
    if (c.energyText)
      ExpectDigits(c.energyText, 520, 6, 10, PicMymy, 8, 70, 7, 7, 10);
    else
      EXPECT_EQ(BackBufferPixels(520, 6, 30, 10), blank);
    if (c.bombText)
      ExpectDigits(c.bombText, 600, 6, 10, PicMymy, 8, 70, 7, 7, 10);
    else
      EXPECT_EQ(BackBufferPixels(600, 6, 20, 10), std::vector<uint16_t>(20 * 10, 0));
    EXPECT_EQ(BackBufferPixels(570, 6, 24, 10), PicturePixels(PicMymy, 170, 70, 24, 10));
    EXPECT_EQ(BackBufferPixels(490, 6, 24, 10), PicturePixels(PicMymy, 200, 70, 24, 10));
  }
}

using GameOverTest = GameFlowTest;

TEST_F(GameOverTest, TheTitleFollowsNineSecondsAfterGivingUp) {
  h.KeyDown('R');  // a running stage
  h.Frame();
  h.KeyUp('R');
  ASSERT_EQ(elSystem::SceneNumber, 2);
  h.Frames(5);
  EXPECT_EQ(GameOverFlag, 0);

  // As N at the continue prompt leaves it: answered, stage running.
  Energy = 0;
  ContinuePromptFlag = 1;
  GiveUpFlag = 1;
  h.Frame();
  ASSERT_EQ(GameOverFlag, 1);
  EXPECT_EQ(elMusic::MusicOpenFlag, 0);
  // Measured in the engine's milliseconds: the first stage frame at or after
  // 9000 ms returns to the title.
  const uint32_t start = platform::TimeGetTime();
  uint32_t elapsed = 0;
  while (elSystem::SceneNumber == 2 && elapsed < 10000) {
    h.Frame();
    elapsed = platform::TimeGetTime() - start;
  }
  EXPECT_EQ(elSystem::SceneNumber, 1);
  EXPECT_GE(elapsed, 9000u);
  EXPECT_LT(elapsed, 9034u);
  EXPECT_GT(GameOverTime, 0.0f);  // kept across games
}

TEST_F(GameOverTest, AnExpiredWaitOfAnEarlierGameEndsNoOtherGame) {
  elSystem::SetWait(GameOverTimer, 1);
  h.KeyDown('R');
  h.Frame();
  h.KeyUp('R');
  h.Frames(10);
  EXPECT_EQ(elSystem::SceneNumber, 2);
  EXPECT_EQ(GameOverFlag, 0);
}

TEST_F(GameOverTest, ThirtySecondsOfGameOversGoStraightToTheTitle) {
  h.KeyDown('R');
  h.Frame();
  h.KeyUp('R');
  GameOverTime = 29.999f;
  Energy = -16;
  GiveUpFlag = 1;
  h.Frame();
  EXPECT_EQ(elSystem::SceneNumber, 1);
  EXPECT_EQ(GameOverTime, 0.0f);
}

}  // namespace
