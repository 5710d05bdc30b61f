// The frame that every stage scene runs: its music and clock rate, its
// power-up windows and which scenes run a started special volley.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/draw_object.h"
#include "engine/frame.h"
#include "engine/system.h"
#include "game/powerup.h"
#include "game/reset.h"
#include "game/shots.h"
#include "game/stage.h"
#include "platform/pixel_buffer.h"
#include "player_fixture.h"

using namespace bomb;
using namespace flow;
using namespace player;
using namespace powerup;
using namespace shots;
using namespace stage;

using testing_support::PlayerTest;
using testing_support::StillFrame;

namespace {

using StageTest = PlayerTest;

TEST_F(StageTest, EachSceneStartsItsMusicOnItsFirstFrameAndRunsAtItsRate) {
  struct Case {
    int scene;
    const char* music;  // nullptr: none
    float rate;
  };
  const Case cases[] = {
      {2, "MIDI/KTSM1.MID", 20}, {3, "MIDI/KTSM2.MID", 18}, {4, "MIDI/GTCB3.MID", 20}, {5, "MIDI/KTSM3.MID", 16},
      {6, "MIDI/KTSM4.MID", 14}, {7, "MIDI/QVN.MID", 13},   {8, "MIDI/KTSM5.MID", 20}, {9, nullptr, 20},
  };
  StartLiveGame();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scene);
    ResetObjects();
    ResetBosses();
    EnterScene(c.scene);
    std::vector<std::string>& log = h.backend().mci_commands;
    log.clear();
    h.Frame();
    bool opened = false, any = false;
    for (const std::string& command : log) {
      any = any || command.rfind("open", 0) == 0;
      opened = opened || (c.music && command.find(c.music) != std::string::npos);
    }
    EXPECT_EQ(any, c.music != nullptr);
    EXPECT_EQ(opened, c.music != nullptr);

    const float before = StageProgress;
    h.Frame();
    ASSERT_GT(elSystem::FrameStep, 0.0f);
    EXPECT_FLOAT_EQ((StageProgress - before) / elSystem::FrameStep, c.rate);
  }
}

TEST_F(StageTest, PowerUpWindowsAreInclusiveAndScene2EndsItsLastOneEarlier) {
  struct Case {
    int scene;
    float progress;
    bool spawns;
  };
  const Case cases[] = {
      {2, 99.9f, false},   {2, 100, true},   {2, 150, true},    {2, 150.1f, false}, {2, 950, true},
      {2, 1000, true},     {2, 1000.1f, false}, {3, 950, false}, {3, 1000, true},    {3, 1050, true},
      {3, 1050.1f, false}, {4, 300, true},   {8, 850, true},    {9, 800, true},     {9, 700, false},
  };
  StartLiveGame();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "scene " << c.scene << " at " << c.progress);
    ParkPowerUp();
    StillFrame(c.scene, c.progress);
    EXPECT_EQ(PowerUpItem.Active, c.spawns ? 1 : 0);
  }
}

TEST_F(StageTest, EveryStageButScene4RunsAStartedVolley) {
  StartLiveGame();
  for (int scene = 2; scene <= 9; ++scene) {
    SCOPED_TRACE(scene);
    StartSpecialVolley();
    StillFrame(scene, 0);
    EXPECT_EQ(SpecialVolleyCounter, scene == 4 ? 0 : 1);
  }
}

TEST_F(StageTest, Scene4DrawsItsSidePanelsOverTheFieldOpaquely) {
  // The panels' picture is never loaded: they copy draw object 0, which is
  // filled here with one colour to tell its pixels from the stage's.
  constexpr uint16_t PanelColour = 0x1234;
  StartLiveGame();
  for (const int scene : {4, 5}) {
    SCOPED_TRACE(scene);
    platform::Surface* panel = elDraw::ObjectSurface(0);
    platform::PixelBuffer view;
    ASSERT_TRUE(panel && panel->Lock(view) == platform::DisplayResult::Ok);
    for (int y = 0; y < view.height; ++y)
      for (int x = 0; x < view.width; ++x) view.Row(y)[x] = PanelColour;
    panel->Unlock();

    StillFrame(scene, 0);
    // Only the right panel reaches into the field (x 540 to 619), over its
    // first 480 rows; the left one lies outside the clip rectangle.
    int covered = 0;
    for (uint16_t p : testing_support::BackBufferPixels(540, 0, 80, 480)) covered += p == PanelColour;
    EXPECT_EQ(covered, scene == 4 ? 80 * 480 : 0);
    for (uint16_t p : testing_support::BackBufferPixels(540, 480, 80, 120)) ASSERT_NE(p, PanelColour);
  }
}

}  // namespace
