// The frame that every stage scene runs: its music and clock rate, its
// power-up windows and which scenes run a started special volley.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bosses/boss_record.h"
#include "engine/draw_object.h"
#include "engine/frame.h"
#include "engine/system.h"
#include "game/powerup.h"
#include "game/reset.h"
#include "game/shots.h"
#include "game/stage.h"
#include "game/stage_script.h"
#include "patterns/drops/arm_strike.h"
#include "patterns/drops/falling_arm.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/small_drop.h"
#include "patterns/streams/spiral_stream.h"
#include "platform/pixel_buffer.h"
#include "player_fixture.h"

using namespace bomb;
using namespace flow;
using namespace player;
using namespace powerup;
using namespace shots;
using namespace stage;
using namespace patterns;

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
    EnterFreshScene(c.scene);
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

// States that a single call of a boss pattern changes: a drop table's
// volley timer, an arm strike's frame, a stream's emit counter, a small
// drop's first slot.
int Arm07Timer() { return FallingArm07.Slots[0].Timer; }
int Arm03Timer() { return FallingArm03.Slots[0].Timer; }
int Formation44Timer() { return FormationDrop44.Slots[0].Timer; }
int Strike01Frame() { return ArmStrike01.Strike->Frame; }
int Spiral13Counter() { return SpiralStream13.row.Boss->EmitCounter[SpiralStream13.row.EmitIndex]; }
int Drop16Active() { return SmallDrop16.Slots[0].Active; }
int Drop04Active() { return SmallDrop04.Slots[0].Active; }
int Formation08Timer() { return FormationDrop08.Slots[0].Timer; }
int Formation19Timer() { return FormationDrop19.Slots[0].Timer; }
int Formation33Timer() { return FormationDrop33.Slots[0].Timer; }
int Formation35Timer() { return FormationDrop35.Slots[0].Timer; }

TEST_F(StageTest, EachBossFightsInsideItsWindowGateAndCycleAndTimesOutAt11000) {
  struct Case {
    int scene;
    const char* what;
    int difficulty;
    float progress;
    float hitPoints;
    int counter;  // AttackCounter before the frame
    int counterAfter;
    float hitPointsAfter;
    int (*probe)() = nullptr;  // a pattern that a row calls on this frame or not
    bool fires = false;
    int levelMode = 1;
    int calls = 0;  // where not 0, how many times the probe's pattern fires
  };
  const Case cases[] = {
      {3, "window shut at its low bound", 1, 1060, 970, 10, 10, 970},
      {3, "window open just past it", 1, 1060.01f, 970, 10, 11, 970},
      {3, "window shut at its high bound", 1, 11100, 970, 10, 10, 970},
      {3, "gate shut at G", 1, 5000, 980, 10, 10, 980},
      {3, "gate open just under G", 1, 5000, 979.9f, 10, 11, 979.9f},
      {3, "difficulty 1 ends the cycle at 2300", 1, 5000, 970, 2299, 0, 970},
      {3, "difficulty 3 runs past 2300", 3, 5000, 970, 2299, 2300, 970},
      {3, "difficulty 3 ends the cycle at 3710", 3, 5000, 970, 3709, 0, 970},
      {3, "no time-out before 11000", 1, 10999.9f, 1000, 0, 0, 1000},
      {3, "time-out at 11000", 1, 11000, 1000, 0, 0, 0},
      {3, "falling arms not at difficulty 1", 1, 5000, 970, 1319, 1320, 970, Arm07Timer, false},
      {3, "falling arms at difficulty 3", 3, 5000, 970, 1319, 1320, 970, Arm07Timer, true},

      {5, "window shut at its low bound", 1, 1470, 770, 10, 10, 770},
      {5, "window open just past it", 1, 1470.01f, 770, 10, 11, 770},
      {5, "window shut at its high bound", 1, 11100, 770, 10, 10, 770},
      {5, "gate shut at G", 1, 5000, 780, 10, 10, 780},
      {5, "gate open just under G", 1, 5000, 779.9f, 10, 11, 779.9f},
      {5, "the cycle ends at 4900", 3, 5000, 770, 4899, 0, 770},
      {5, "time-out at 11000", 3, 11000, 800, 0, 0, 0},
      {5, "small drops in a band outside the menus' modes", 1, 5000, 770, 10, 11, 770, Drop16Active, true, 0},
      {5, "no small drops in the menus' mode", 1, 5000, 770, 10, 11, 770, Drop16Active, false, 1},
      {5, "no small drops between the bands", 1, 5000, 771, 10, 11, 771, Drop16Active, false, 0},

      {6, "window shut at its low bound", 1, 1300, 970, 10, 10, 970},
      {6, "window open just past it", 1, 1300.01f, 970, 10, 11, 970},
      {6, "window shut at its high bound", 1, 11100, 970, 10, 10, 970},
      {6, "gate shut at G", 1, 5000, 980, 10, 10, 980},
      {6, "the cycle ends at 1770", 3, 5000, 970, 1769, 0, 970},
      {6, "time-out at 11000", 1, 11000, 1000, 0, 0, 0},
      {6, "arm strikes not at difficulty 1", 1, 5000, 970, 299, 300, 970, Strike01Frame, false},
      {6, "arm strikes at difficulty 3", 3, 5000, 970, 299, 300, 970, Strike01Frame, true},
      {6, "a difficulty-1 formation", 1, 5000, 970, 1099, 1100, 970, Formation44Timer, true},
      {6, "not at difficulty 3", 3, 5000, 970, 1099, 1100, 970, Formation44Timer, false},

      {8, "window shut at its low bound", 1, 1260, 1470, 10, 10, 1470},
      {8, "window open just past it", 1, 1260.01f, 1470, 10, 11, 1470},
      {8, "window shut at its high bound", 1, 11100, 1470, 10, 10, 1470},
      {8, "gate shut at G", 1, 5000, 1480, 10, 10, 1480},
      {8, "difficulty 1 ends the cycle at 3000", 1, 5000, 1470, 2999, 0, 1470},
      {8, "difficulty 3 runs past 3000", 3, 5000, 1470, 2999, 3000, 1470},
      {8, "difficulty 3 ends the cycle at 4390", 3, 5000, 1470, 4389, 0, 1470},
      {8, "time-out at 11000", 3, 11000, 1500, 0, 0, 0},
      {8, "difficulty 1's spirals from 1500", 1, 5000, 1470, 1499, 1500, 1470, Spiral13Counter, true},
      {8, "difficulty 3's not yet", 3, 5000, 1470, 1499, 1500, 1470, Spiral13Counter, false},
      {8, "difficulty 3's from 1900", 3, 5000, 1470, 1899, 1900, 1470, Spiral13Counter, true},
      {8, "falling arms not at difficulty 1", 1, 5000, 1470, 679, 680, 1470, Arm03Timer, false},
      {8, "falling arms at difficulty 3", 3, 5000, 1470, 679, 680, 1470, Arm03Timer, true},

      {4, "window shut at its low bound", 1, 1050, 580, 10, 10, 580},
      {4, "window open just past it", 1, 1050.01f, 580, 10, 11, 580},
      {4, "window shut at its high bound", 1, 11100, 580, 10, 10, 580},
      {4, "gate shut at G", 1, 5000, 590, 10, 10, 590},
      {4, "gate open just under G", 1, 5000, 589.9f, 10, 11, 589.9f},
      {4, "the cycle ends at 1100", 3, 5000, 580, 1099, 0, 580},
      {4, "no time-out before 11000", 1, 10999.9f, 600, 0, 0, 600},
      {4, "time-out at 11000", 1, 11000, 600, 0, 0, 0},
      {4, "the 980..1180 row fires up to the cycle's end", 1, 5000, 580, 1099, 0, 580, Formation08Timer, true},
      {4, "not between 370 and 380", 1, 5000, 580, 370, 371, 580, Formation08Timer, false},
      {4, "small drops outside the menus' modes", 1, 5000, 580, 49, 50, 580, Drop04Active, true, 0},
      {4, "no small drops in the menus' mode", 1, 5000, 580, 49, 50, 580, Drop04Active, false, 1},
      {4, "none after the first band", 1, 5000, 580, 100, 101, 580, Drop04Active, false, 0},

      {7, "window shut at its low bound", 1, 1250, 1370, 10, 10, 1370},
      {7, "window open just past it", 1, 1250.01f, 1370, 10, 11, 1370},
      {7, "window shut at its high bound", 1, 11100, 1370, 10, 10, 1370},
      {7, "gate shut at G", 1, 5000, 1380, 10, 10, 1380},
      {7, "gate open just under G", 1, 5000, 1379.9f, 10, 11, 1379.9f},
      {7, "the cycle ends at 1610", 3, 5000, 1370, 1609, 0, 1370},
      {7, "time-out at 11000", 1, 11000, 1400, 0, 0, 0},
      {7, "a formation up to 1500", 1, 5000, 1370, 1499, 1500, 1370, Formation19Timer, true, 1, 1},
      {7, "not past it", 1, 5000, 1370, 1500, 1501, 1370, Formation19Timer, false},

      {9, "window shut at its low bound", 1, 1800, 1190, 10, 10, 1190},
      {9, "window open just past it", 1, 1800.01f, 1190, 10, 11, 1190},
      {9, "window shut at its high bound", 1, 11100, 1190, 10, 10, 1190},
      {9, "gate shut at G", 1, 5000, 1200, 10, 10, 1200},
      {9, "gate open just under G", 1, 5000, 1199.9f, 10, 11, 1199.9f},
      {9, "time-out at 11000", 1, 11000, 1220, 0, 0, 0},
      {9, "the 800..1220 row runs at the cycle's end", 1, 5000, 1190, 1219, 0, 1190, Formation33Timer, true},
      {9, "two rows fire the same formation at 800", 1, 5000, 1190, 799, 800, 1190, Formation35Timer, true, 1, 2},
      {9, "one row of them at 801", 1, 5000, 1190, 800, 801, 1190, Formation35Timer, true, 1, 1},
  };
  StartLiveGame();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "scene " << c.scene << ": " << c.what);
    ResetObjects();
    ResetBosses();
    Difficulty = c.difficulty;
    LevelMode = c.levelMode;
    bosses::BossRecord& boss = *ScriptOf(c.scene).boss.record;
    // The boss in its fight, on the screen, where its drops start from.
    boss.MovePhase = 80;
    boss.BossHitPoints = c.hitPoints;
    boss.AttackCounter = c.counter;
    const int before = c.probe ? c.probe() : 0;
    StillFrame(c.scene, c.progress);
    EXPECT_EQ(boss.AttackCounter, c.counterAfter);
    EXPECT_FLOAT_EQ(boss.BossHitPoints, c.hitPointsAfter);
    if (c.probe) {
      EXPECT_EQ(c.probe() != before, c.fires);
      if (c.calls != 0) {
        EXPECT_EQ(c.probe() - before, c.calls);
      }
    }
  }
}

}  // namespace
