#include "game/stage.h"

#include "engine/draw_hw.h"
#include "engine/frame.h"
#include "engine/music.h"
#include "engine/present.h"
#include "engine/system.h"
#include "game/backgrounds.h"
#include "game/player.h"
#include "game/powerup.h"
#include "game/scenes.h"
#include "game/score.h"
#include "game/shot_collision.h"
#include "game/shots.h"

using namespace backgrounds;
using namespace bomb;
using namespace flow;
using namespace player;
using namespace powerup;
using namespace score;
using namespace shots;

namespace stage {

namespace {

// A power-up window of the stage clock, inclusive at both ends.
struct Window {
  float lo, hi;
};
constexpr int PowerUpWindowCount = 5;

// What the stage scenes differ in so far.
struct StageValues {
  const char* music;  // nullptr: none
  bool musicOnFirstFrame;
  float rate;         // stage progress per second
  const Window* powerUps;  // PowerUpWindowCount windows
  bool powerUpMovesFirst;  // the item moves before it is drawn
  bool runsVolley;         // the frame runs a started special volley
  bool replayFires;        // a replay fires the main shots
  int continueBombs;       // the bomb stock after a continue
  bool sidePanels;         // the side panels are drawn over the HUD
};

constexpr Window kPowerUps[PowerUpWindowCount] = {{100, 150}, {300, 350}, {500, 550}, {800, 850}, {1000, 1050}};
constexpr Window kScene2PowerUps[PowerUpWindowCount] = {{100, 150}, {300, 350}, {500, 550}, {800, 850}, {950, 1000}};

// Scenes 2 to 9.
const StageValues kStages[] = {
    {"MIDI/KTSM1.MID", false, 20, kScene2PowerUps, false, true, true, 5, false},
    {"MIDI/KTSM2.MID", false, 18, kPowerUps, false, true, false, 5, false},
    {"MIDI/GTCB3.MID", true, 20, kPowerUps, true, false, false, 5, true},
    {"MIDI/KTSM3.MID", false, 16, kPowerUps, false, true, true, 5, false},
    {"MIDI/KTSM4.MID", false, 14, kPowerUps, false, true, true, 5, false},
    {"MIDI/QVN.MID", true, 13, kPowerUps, false, true, true, 5, false},
    {"MIDI/KTSM5.MID", false, 20, kPowerUps, false, true, true, 3, false},
    {nullptr, false, 20, kPowerUps, false, true, true, 5, false},
};
constexpr int FirstStageScene = 2;
constexpr int MusicCounterWrap = 100999999;

void RunPowerUp(const StageValues& stage) {
  if (stage.powerUpMovesFirst) {
    MovePowerUp();
    DrawPowerUp();
  } else {
    DrawPowerUp();
    MovePowerUp();
  }
  for (int i = 0; i < PowerUpWindowCount; ++i)
    if (const Window& w = stage.powerUps[i]; w.lo <= StageProgress && StageProgress <= w.hi) SpawnPowerUp();
}

// The frame every stage runs. For now it carries the clock, the music, the
// backgrounds, the player and the HUD; the stage scripts fill in the craft,
// the boss and the bullets between them.
void StageFrame(int scene) {
  const StageValues& stage = kStages[scene - FirstStageScene];
  if (elSystem::FirstFrameFlag) {
    if (scene == 2) PauseFlag = ContinuePromptFlag = GiveUpFlag = 0;
    if (stage.musicOnFirstFrame) elMusic::Play(stage.music, 1);
  }
  if (PauseFlag != 0) {
    // Frozen: only the continue prompt's answer is taken.
    if (ContinuePromptFlag == 1) AnswerContinuePrompt(stage.continueBombs);
    return;
  }

  if (stage.music && !stage.musicOnFirstFrame) {
    ++MusicCounter;
    if (MusicCounter == 1) elMusic::Play(stage.music, 1);
    if (MusicCounter >= MusicCounterWrap) MusicCounter = 0;
  }
  elDraw::Clear();
  StageProgress += elSystem::FrameStep * stage.rate;
  DrawSceneBackground(scene);
  DrawPlayerShots();
  RunPowerUp(stage);
  DrawPlayer();
  DrawHud();
  DrawGameOverLabel();
  ShowContinuePrompt();
  if (stage.sidePanels) DrawSidePanels();
  elDraw::SetVSync(1);
  elDraw::Flip();

  MovePlayer();
  if (stage.runsVolley && SpecialVolleyFlag == 1) FireSpecialVolley();
  CollidePlayerShots();
  if (stage.replayFires && ReplayFlag == 1) {
    if (ShipType == 1) FireMainShotB();
    if (ShipType == 2) FireMainShotA();
  }
  CheckGameOver();
}

}  // namespace

void StageScene2() { StageFrame(2); }
void StageScene3() { StageFrame(3); }
void StageScene4() { StageFrame(4); }
void StageScene5() { StageFrame(5); }
void StageScene6() { StageFrame(6); }
void StageScene7() { StageFrame(7); }
void StageScene8() { StageFrame(8); }
void StageScene9() { StageFrame(9); }

void ResetStageState() {
  StageProgress = 0.0f;
  MusicCounter = 0;
  PauseFlag = ContinuePromptFlag = GiveUpFlag = 0;
}

}  // namespace stage
