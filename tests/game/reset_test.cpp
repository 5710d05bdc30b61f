// The new-game reset and the object reset: what each puts back and what each
// leaves alone.
#include <gtest/gtest.h>

#include <cstring>

#include "enemies/line_shot.h"
#include "enemies/straight_shot.h"
#include "engine/machine.h"
#include "engine/random.h"
#include "flow_fixture.h"
#include "game/backgrounds.h"
#include "game/options.h"
#include "game/replay.h"
#include "game/reset.h"
#include "game/score.h"
#include "game/stage.h"
#include "platform/clock.h"

using namespace backgrounds;
using namespace bomb;
using namespace flow;
using namespace player;
using namespace replay;
using namespace score;
using namespace stage;

using testing_support::GameFlowTest;

namespace {

using ResetTest = GameFlowTest;

// Values a game leaves behind, none of them at its start value.
void PlayedState() {
  Score = 4321;
  HiScore = 9999;
  Energy = 3;
  BombStock = 40;
  Difficulty = 3;
  ReplayFlag = 1;
  ReplayIndex = 777;
  LevelMode = 1;
  EffectsFlag = 1;
  NoDeathFlag = 1;
  BackgroundOffFlag = 1;
  StageProgress = 5000.0f;
  MusicCounter = 90;
  PauseFlag = ContinuePromptFlag = GiveUpFlag = GameOverFlag = 1;
  PlaceBackgroundStrips();
  for (auto& t : BackgroundStrip[0]) t.Y += 333.0f;
}

TEST_F(ResetTest, ResetGameStartsTheWholeGameAndKeepsTheRunsValues) {
  PlayedState();
  ResetGame();
  EXPECT_EQ(Score, 0);
  EXPECT_EQ(Energy, 999);
  EXPECT_EQ(BombStock, 5);
  EXPECT_EQ(Difficulty, 0);
  EXPECT_EQ(ReplayFlag, 0);
  EXPECT_EQ(ReplayIndex, 0);
  EXPECT_EQ(BackgroundStrip[0][0].Y, 120.0f);
  // Not its values: the high score, the options, the running stage.
  EXPECT_EQ(HiScore, 9999);
  EXPECT_EQ(LevelMode, 1);
  EXPECT_EQ(NoDeathFlag, 1);
  EXPECT_EQ(BackgroundOffFlag, 1);
  EXPECT_EQ(StageProgress, 5000.0f);
  EXPECT_EQ(PauseFlag, 1);
}

TEST_F(ResetTest, ResetObjectsClearsTheStageAndLeavesTheGame) {
  PlayedState();
  ResetObjects();
  EXPECT_EQ(StageProgress, 0.0f);
  EXPECT_EQ(MusicCounter, 0);
  EXPECT_EQ(PauseFlag, 0);
  EXPECT_EQ(ContinuePromptFlag, 0);
  EXPECT_EQ(GiveUpFlag, 0);
  EXPECT_EQ(GameOverFlag, 0);
  EXPECT_EQ(Score, 4321);
  EXPECT_EQ(Energy, 3);
  EXPECT_EQ(BombStock, 40);
  EXPECT_EQ(Difficulty, 3);
  EXPECT_EQ(ReplayIndex, 777);
  EXPECT_EQ(BackgroundStrip[0][0].Y, 453.0f);  // strips scroll on across stages
  for (const StarStreak& s : Starfield) {
    ASSERT_GE(s.Colour, 0);
    ASSERT_LT(s.Colour, 7);
    ASSERT_GE(s.X, -400.0f);
    ASSERT_LT(s.X, 840.0f);
    ASSERT_GE(s.Y, 0.0f);
    ASSERT_LT(s.Y, 480.0f);
    ASSERT_GE(s.SpeedY, 100.0f);
    ASSERT_LT(s.SpeedY, 200.0f);
  }
}

TEST_F(ResetTest, ResetsWithinOneSecondGiveTheSameStarfield) {
  platform::SetManualSeconds(1'500'000'000);
  ResetObjects();
  ResetBosses();
  StarStreak first[StreakCount];
  std::memcpy(first, Starfield, sizeof first);
  platform::AdvanceClockMs(300);
  ResetObjects();
  ResetBosses();
  EXPECT_EQ(std::memcmp(first, Starfield, sizeof first), 0);
  platform::AdvanceClockMs(1000);
  ResetObjects();
  EXPECT_NE(std::memcmp(first, Starfield, sizeof first), 0);
}

// The random start values are drawn in one fixed order from the clock's
// seed: first the small fry's shot tables, one draw per slot (1152 in all,
// summed by hand from their slot counts, with 16 slots per twin-drop table
// and 12 per volley table of three-shot fans; the craft, StraightShot01 to
// 03, AimedShot04 and 05 and VolleyShot01 and 02 draw nothing), then the
// starfield's four per streak.
TEST_F(ResetTest, ResetObjectsDrawsEveryStartValueInItsOrder) {
  platform::SetManualSeconds(1'600'000'000);
  ResetObjects();
  const uint32_t after = elRandom::State;

  elRandom::Seed(static_cast<uint32_t>(elSystem::TimeSeconds()));
  const auto next = [] { return elRandom::Next(); };
  // Draws 1 to 21 and 22 to 42: the two chains of the first faller, 3 x 7
  // each; 43 to 57 its line shots, 3 rows of 5.
  for (int i = 0; i < 42; ++i) next();
  EXPECT_EQ(enemies::LineShot01.Shots[0].Frame, next() % 10);
  for (int i = 43; i < 149; ++i) next();
  // Draw 150 on: StraightShot10 to 14 are one pass, slot by slot across the
  // five tables.
  int frames[10];
  for (int& f : frames) f = next() % 10;
  const enemies::StraightShotInstance* pass[] = {&enemies::StraightShot10, &enemies::StraightShot11,
                                                 &enemies::StraightShot12, &enemies::StraightShot13,
                                                 &enemies::StraightShot14};
  for (int slot = 0; slot < 2; ++slot)
    for (int t = 0; t < 5; ++t) EXPECT_EQ(pass[t]->Slots[slot].Frame, frames[5 * slot + t]) << t << ", " << slot;
  for (int i = 159; i < 1152; ++i) next();
  // The first streak takes draws 1153 to 1156.
  const int colour = next() % 7;
  const float x = static_cast<float>(next() % 1240 - 400);
  const float y = static_cast<float>(next() % 480);
  const float speed = static_cast<float>(next() % 100 + 100);
  EXPECT_EQ(Starfield[0].Colour, colour);
  EXPECT_EQ(Starfield[0].X, x);
  EXPECT_EQ(Starfield[0].Y, y);
  EXPECT_EQ(Starfield[0].SpeedY, speed);
  for (int i = 1; i < StreakCount; ++i)
    for (int k = 0; k < 4; ++k) next();
  EXPECT_EQ(elRandom::State, after) << "the reset draws another number of values";
}

}  // namespace
