// The ending scene: its pictures in their windows, its text lines, the ship
// flying and firing under it, and its two ways back to the title.
#include <gtest/gtest.h>

#include <cstdint>

#include "engine/frame.h"
#include "engine/input.h"
#include "engine/present.h"
#include "engine/system.h"
#include "game/assets.h"
#include "game/player.h"
#include "game/reset.h"
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
using namespace score;
using namespace shots;
using namespace stage;

using namespace platform;
using testing_support::PlayerTest;

namespace {

class EndingTest : public PlayerTest {
 protected:
  // A live game carried into the ending as the last boss's death does it:
  // objects reset, then the ending's first frame.
  void EnterEnding() {
    StartLiveGame();
    ResetObjects();
    ResetBosses();
    EnterScene(10);
    h.Frame();
    ASSERT_EQ(elSystem::SceneNumber, 10);
  }
  // One ending frame at exactly `progress`: the frame step is held at 0.
  void FrameAt(float progress) {
    StageProgress = progress;
    elSystem::FrameStep = 0.0f;
    EndingScene();
  }
};

int NavyPixels(int x, int y, int w, int h) {
  int n = 0;
  for (uint16_t p : testing_support::BackBufferPixels(x, y, w, h)) n += p == 0x0010;  // the debug print's ground
  return n;
}

TEST_F(EndingTest, EachPictureShowsInItsWindowAndTheTextLinesAtTheEnd) {
  EnterEnding();
  EXPECT_TRUE(std::any_of(h.backend().mci_commands.begin(), h.backend().mci_commands.end(),
                          [](const std::string& c) { return c.find("KTSMEND.MID") != std::string::npos; }));
  const int* pictures[] = {&PicQktscg1, &PicQktscg2, &PicQktscg3, &PicQktscg5, &PicQktscg6};
  struct Case {
    float progress;
    int shown;  // index into pictures, -1 none
    bool text;
  };
  const Case cases[] = {
      {400.2f, 0, false},  {700.0f, 0, false},   {700.5f, -1, false}, {701.0f, 1, false},  {1000.5f, -1, false},
      {1001.2f, 2, false}, {1301.2f, 3, false}, {1601.2f, 4, false},  {2000.5f, -1, false}, {2001.2f, -1, true},
      {2400.0f, -1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.progress);
    FrameAt(c.progress);
    ASSERT_EQ(elSystem::SceneNumber, 10);
    for (int i = 0; i < 5; ++i) {
      const double shown = testing_support::PictureShown(180, 60, *pictures[i], 440, 480);
      if (i == c.shown) {
        EXPECT_EQ(shown, 1.0) << i;
      } else {
        EXPECT_LT(shown, 0.5) << i;
      }
    }
    EXPECT_EQ(NavyPixels(280, 220, 340, 60) > 500, c.text);
    if (c.progress == 2001.2f) Shot("ending_text");
    if (c.progress == 701.0f) Shot("ending_picture");
  }
}

TEST_F(EndingTest, TheEndOfTheEndingKeepsTheScoreAndSpaceClearsIt) {
  for (const bool space : {false, true}) {
    SCOPED_TRACE(space);
    EnterEnding();
    Score = 123450;
    MainShotB[5] = ShotRecord{300, 300, 0, 10, 1};
    if (space) {
      h.KeyDown(VK_SPACE);
      h.Frame();
      h.KeyUp(VK_SPACE);
    } else {
      FrameAt(2400.0f);
      ASSERT_EQ(elSystem::SceneNumber, 10);  // 2400 itself is still the ending
      FrameAt(2400.01f);
    }
    EXPECT_EQ(elSystem::SceneNumber, 1);
    EXPECT_EQ(elDraw::TransitionCounter, 60);
    EXPECT_EQ(elDraw::TransitionType, elDraw::TransitionRowScatter);
    EXPECT_EQ(Score, space ? 0 : 123450);
    EXPECT_EQ(MainShotB[5].Active, 0);  // the objects are reset
    EXPECT_EQ(StageProgress, 0.0f);
    h.Frames(70);
  }
}

TEST_F(EndingTest, TheShipFliesAndFiresThroughTheEndingUntilTheTitle) {
  EnterEnding();
  const ShipPoint start = PlayerPosition;
  h.KeyDown(VK_LEFT);
  h.KeyDown('Z');
  h.Frames(40);
  EXPECT_LT(PlayerPosition.X, start.X - 80.0f);
  EXPECT_EQ(MainShotB[1].Active, 1);
  Shot("ending_ship");
  // The ship, its message and its shots are drawn.
  const int x = static_cast<int>(PlayerPosition.X), y = static_cast<int>(PlayerPosition.Y);
  EXPECT_GT(testing_support::LitPixels(x, y, 60, 70), 200);
  EXPECT_EQ(testing_support::PictureShown(250, 100, PicMygoodn, 300, 100) > 0.9, true);
  int shotsLit = 0;
  for (const ShotRecord& s : MainShotB)
    if (s.Active && s.Y > 0) shotsLit += testing_support::LitPixels(s.X, s.Y, 60, 60);
  EXPECT_GT(shotsLit, 0);
  // At 400 the first picture comes over them; the ship's lower part stays
  // in sight below it.
  h.Frames(30);
  FrameAt(400.0f);
  Shot("ending_ship_shots_picture");
  EXPECT_EQ(testing_support::PictureShown(180, 60, PicQktscg1, 440, 480), 1.0);
  EXPECT_GT(testing_support::LitPixels(static_cast<int>(PlayerPosition.X), 540, 60, 600 - 540), 200);
  h.KeyUp(VK_LEFT);
  h.KeyUp('Z');

  // Played to its end: the 2000 left at 20 a second take 100 s.
  const uint32_t from400 = TimeGetTime();
  int frames = 0;
  while (elSystem::SceneNumber == 10 && frames < 8000) {
    h.Frame();
    ++frames;
  }
  EXPECT_EQ(elSystem::SceneNumber, 1);
  EXPECT_NEAR((TimeGetTime() - from400) / 1000.0, 100.0, 0.5);
  h.Frames(70);
  Shot("ending_back_at_title");
}

}  // namespace
