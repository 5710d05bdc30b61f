// The menus and keys played through the real loop: title, difficulty
// selection, the start of a game with its transition, and ESC, R, S, T.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/input.h"
#include "engine/music.h"
#include "engine/present.h"
#include "engine/system.h"
#include "flow_fixture.h"
#include "game/assets.h"
#include "game/backgrounds.h"
#include "game/replay.h"
#include "game/scenes.h"
#include "game/score.h"
#include "game/score_file.h"
#include "game/stage.h"
#include "platform/keys.h"

using namespace assets;
using namespace backgrounds;
using namespace bomb;
using namespace flow;
using namespace player;
using namespace replay;
using namespace score;
using namespace stage;

using namespace platform;
using testing_support::GameFlowTest;

namespace {

using ScenesTest = GameFlowTest;

TEST_F(ScenesTest, TitleShowsItsPictureAndSetsItsFlagsOnTheFirstFrame) {
  BackgroundOffFlag = 1;
  NoDeathFlag = 1;
  ShipType = 2;
  EffectsFlag = 0;
  MouseControlFlag = 1;
  KeyboardControlFlag = 0;
  elSystem::PreviousScene = 0;  // the title's first frame again
  h.Frame();
  EXPECT_EQ(elSystem::SceneNumber, 1);
  EXPECT_EQ(BackgroundOffFlag, 0);
  EXPECT_EQ(NoDeathFlag, 0);
  EXPECT_EQ(ShipType, 0);
  EXPECT_EQ(EffectsFlag, 1);
  EXPECT_EQ(MouseControlFlag, 0);
  EXPECT_EQ(KeyboardControlFlag, 1);
  Shot("title");
  // The title picture fills 440 x 480 at (180, 60); outside it the screen is
  // clear.
  EXPECT_EQ(FramePixel(100, 300), 0);
  EXPECT_EQ(testing_support::BackBufferPixels(180, 60, 440, 480),
            testing_support::PicturePixels(PicTitlec, 0, 0, 440, 480));
}

TEST_F(ScenesTest, EnterOnTheTitleStartsTheDifficultySelectionThroughTheScatter) {
  h.Frame();
  Shot("title_before_enter");
  const std::vector<uint16_t> title(h.backend().frame);
  Tap(VK_RETURN);
  EXPECT_EQ(elSystem::SceneNumber, 11);
  EXPECT_EQ(LevelMode, 1);
  EXPECT_EQ(DoubleSpeedFlag, 0);
  EXPECT_EQ(elInput::LastKey, 0);
  EXPECT_EQ(elDraw::TransitionType, elDraw::TransitionRowScatter);
  EXPECT_EQ(elDraw::TransitionCounter, 26);
  EXPECT_EQ(Energy, 999);  // the new game's reset ran
  EXPECT_EQ(BombStock, 5);

  // Scene 11 runs from the next frame, with the captured title drawn over it
  // while the counter runs down over 26 presented frames.
  int presents = 0;
  while (elDraw::TransitionCounter != 0 && presents < 40) {
    h.Frame();
    ++presents;
    if (presents == 13) Shot("transition_to_difficulty");
  }
  EXPECT_EQ(presents, 26);
  EXPECT_EQ(elSystem::SceneNumber, 11);
  EXPECT_EQ(ShipType, 1);
  h.Frame();
  Shot("difficulty");
  EXPECT_NE(h.backend().frame, title);
  EXPECT_EQ(testing_support::BackBufferPixels(180, 60, 440, 480),
            testing_support::PicturePixels(PicLevel1, 0, 0, 440, 480));
}

TEST_F(ScenesTest, F1AndF2StartAGameAtTheirDifficultyInScene2) {
  struct Case {
    int key, difficulty;
  };
  for (const Case c : {Case{VK_F1, 1}, Case{VK_F2, 3}}) {
    SCOPED_TRACE(c.key);
    elSystem::SceneNumber = 1;
    elSystem::PreviousScene = 0;
    ReachDifficultySelection();
    BackgroundOffFlag = 1;  // options chosen before survive the start
    Score = 1234;
    Tap(c.key);
    EXPECT_EQ(elSystem::SceneNumber, 2);
    EXPECT_EQ(Difficulty, c.difficulty);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(Energy, 999);
    EXPECT_EQ(BombStock, 5);
    EXPECT_EQ(ReplayFlag, 0);
    EXPECT_EQ(LevelMode, 1);
    EXPECT_EQ(ShipType, 1);
    EXPECT_EQ(BackgroundOffFlag, 1);
    EXPECT_EQ(StageProgress, 0.0f);
    EXPECT_EQ(elDraw::TransitionType, elDraw::TransitionRowScatter);
    EXPECT_EQ(elDraw::TransitionCounter, 26);
    for (int i = 0; i < 26; ++i) h.Frame();
    EXPECT_EQ(elDraw::TransitionCounter, 0);
    EXPECT_EQ(elSystem::SceneNumber, 2);
    EXPECT_GT(StageProgress, 0.0f);
  }
}

TEST_F(ScenesTest, GameStartFromTheMenusShowsScene2AfterTheTransition) {
  ReachDifficultySelection();
  Tap(VK_F1);
  for (int i = 0; i < 13; ++i) h.Frame();
  Shot("transition_to_scene2");
  h.Frames(20);
  Shot("scene2");
  // The stage's first strip covers the field; its music plays.
  bool music = false;
  for (const auto& c : h.backend().mci_commands) music = music || c.find("KTSM1.MID") != std::string::npos;
  EXPECT_TRUE(music);
  int field = 0, outside = 0;
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) (x >= 180 && x < 620 ? field : outside) += FramePixel(x, y) != 0;
  EXPECT_GT(field, 1000);
  EXPECT_EQ(outside, 0);  // everything is clipped to the play field
}

TEST_F(ScenesTest, OptionKeysOnTheDifficultySelectionSetTheirFlagsAndAreConsumed) {
  ReachDifficultySelection();
  struct Case {
    int key;
    int* flag;
    int value;
  };
  const Case cases[] = {{VK_SPACE, &BackgroundOffFlag, 1},
                        {'M', &MouseControlFlag, 1},
                        {'M', &KeyboardControlFlag, 0},
                        {'K', &KeyboardControlFlag, 1},
                        {'K', &MouseControlFlag, 0},
                        {'U', &NoDeathFlag, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    h.KeyDown(c.key);
    h.Frame();
    EXPECT_EQ(*c.flag, c.value);
    EXPECT_EQ(elInput::LastKey, 0);
    EXPECT_EQ(elSystem::SceneNumber, 11);
    h.KeyUp(c.key);
    h.Pump();
  }
  // They last until the title resets them.
  Tap('T');
  h.Frame();
  EXPECT_EQ(elSystem::SceneNumber, 1);
  EXPECT_EQ(BackgroundOffFlag, 0);
  EXPECT_EQ(NoDeathFlag, 0);
  EXPECT_EQ(MouseControlFlag, 0);
}

TEST_F(ScenesTest, RevisitingTheDifficultySelectionTakesNoNewDrawObject) {
  ReachDifficultySelection();
  const int ship = ShipPicture;
  EXPECT_GT(ship, 166);
  for (int i = 0; i < 3; ++i) {
    Tap('T');
    h.Frame();
    ReachDifficultySelection();
    EXPECT_EQ(ShipPicture, ship);
  }
  EXPECT_EQ(elDraw::DrawObjectTable[ship + 1].Name[0], '\0');
}

TEST_F(ScenesTest, TReturnsToTheTitleAtOnceWithoutAReset) {
  ReachDifficultySelection();
  Tap(VK_F2);
  h.Frames(40);
  Score = 777;
  const float progress = StageProgress;
  ShipType = 1;
  EffectsFlag = 0;
  h.KeyDown('T');
  h.Pump();
  EXPECT_EQ(elSystem::SceneNumber, 1);
  EXPECT_EQ(elSystem::PreviousScene, 1);  // the loop's bookkeeping took the change
  EXPECT_EQ(ShipType, 0);
  EXPECT_EQ(EffectsFlag, 1);
  EXPECT_EQ(Score, 777);
  EXPECT_EQ(Difficulty, 3);
  EXPECT_EQ(StageProgress, progress);
  EXPECT_EQ(elMusic::MusicOpenFlag, 0);
}

TEST_F(ScenesTest, RStartsAReplayInScene2FromAnyScene) {
  h.Frame();
  ReplayIndex = 500;
  Score = 40;
  h.KeyDown('R');
  h.Frame();
  EXPECT_EQ(elSystem::SceneNumber, 2);
  EXPECT_EQ(ReplayFlag, 1);
  EXPECT_EQ(ReplayIndex, 0);
  EXPECT_EQ(Difficulty, 1);
  EXPECT_EQ(KeyboardControlFlag, 1);
  EXPECT_EQ(MouseControlFlag, 0);
  EXPECT_EQ(Score, 0);
  EXPECT_EQ(LevelMode, 0);  // no game was started from the title: nothing scores
  EXPECT_EQ(elDraw::TransitionCounter, 0);
  EXPECT_GT(StageProgress, 0.0f);
}

TEST_F(ScenesTest, SPausesAndResumesTheStageButNotDuringTheContinuePrompt) {
  ReachDifficultySelection();
  Tap(VK_F1);
  h.Frames(30);
  Tap('S');
  EXPECT_EQ(PauseFlag, 1);
  const float progress = StageProgress;
  const int presents = h.backend().present_count;
  h.Frames(10);
  EXPECT_EQ(StageProgress, progress);
  EXPECT_EQ(h.backend().present_count, presents);
  Tap('S');
  EXPECT_EQ(PauseFlag, 0);
  EXPECT_GT(StageProgress, progress);

  ContinuePromptFlag = 1;
  Tap('S');
  EXPECT_EQ(PauseFlag, 0);
}

TEST_F(ScenesTest, EscWritesTheHighScoreFileAndEndsTheProgram) {
  h.Frame();
  HiScore = 12345;
  h.Press(VK_ESCAPE);
  for (int i = 0; i < 5 && !h.Quit(); ++i) h.Frame();
  EXPECT_TRUE(h.Quit());
  std::FILE* f = std::fopen("SCORE/score.dat", "rb");
  ASSERT_NE(f, nullptr);
  unsigned char bytes[300];
  const size_t n = std::fread(bytes, 1, sizeof bytes, f);
  std::fclose(f);
  ASSERT_EQ(n, 255u);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), 5), "12345");
  for (size_t i = 5; i < n; ++i) ASSERT_EQ(bytes[i], 0) << i;
}

TEST_F(ScenesTest, ClosingTheWindowAlsoKeepsTheHighScore) {
  h.Frame();
  HiScore = 4242;
  h.Post(Msg::Close);
  for (int i = 0; i < 5 && !h.Quit(); ++i) h.Frame();
  EXPECT_TRUE(h.Quit());
  HiScore = 0;
  LoadHighScore();
  EXPECT_EQ(HiScore, 4242);
}

TEST_F(ScenesTest, ShipSelectionLoadsItsPictureOnceAndReturnsToTheDifficultySelection) {
  elSystem::SceneNumber = 12;
  elSystem::PreviousScene = 0;
  h.Frame();
  h.KeyDown(VK_F6);
  h.Frame();
  EXPECT_EQ(ShipType, 2);
  EXPECT_EQ(elSystem::SceneNumber, 11);
  EXPECT_EQ(elDraw::TransitionType, elDraw::TransitionRowBlinds);
  const int first = ShipSelectPicture[1];
  h.KeyUp(VK_F6);
  elSystem::SceneNumber = 12;
  elSystem::PreviousScene = 0;
  h.Frames(30);
  h.KeyDown(VK_F6);
  h.Frame();
  EXPECT_EQ(ShipSelectPicture[1], first);
  // The difficulty selection's first frame takes its own ship again.
  h.Frame();
  EXPECT_EQ(ShipType, 1);
  EXPECT_EQ(ShipPicture, DifficultyShipPicture);
}

}  // namespace
