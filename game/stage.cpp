#include "game/stage.h"

#include "engine/draw_hw.h"
#include "engine/frame.h"
#include "engine/music.h"
#include "engine/present.h"
#include "engine/system.h"
#include "game/backgrounds.h"
#include "game/score.h"

namespace {

// What the stage scenes differ in so far.
struct StageValues {
  const char* music;  // nullptr: none
  bool musicOnFirstFrame;
  float rate;         // stage progress per second
};

// Scenes 2 to 9.
const StageValues kStages[] = {
    {"MIDI/KTSM1.MID", false, 20}, {"MIDI/KTSM2.MID", false, 18}, {"MIDI/GTCB3.MID", true, 20},
    {"MIDI/KTSM3.MID", false, 16}, {"MIDI/KTSM4.MID", false, 14}, {"MIDI/QVN.MID", true, 13},
    {"MIDI/KTSM5.MID", false, 20}, {nullptr, false, 20},
};
constexpr int FirstStageScene = 2;
constexpr int MusicCounterWrap = 100999999;

// The frame every stage runs. For now it carries the clock, the music, the
// backgrounds and the HUD; the stage scripts fill in the craft, the boss,
// the bullets and the player between them.
void StageFrame(int scene) {
  const StageValues& stage = kStages[scene - FirstStageScene];
  if (elSystem::FirstFrameFlag) {
    if (scene == 2) PauseFlag = ContinuePromptFlag = GiveUpFlag = 0;
    if (stage.musicOnFirstFrame) elMusic::Play(stage.music, 1);
  }
  if (PauseFlag != 0) return;

  if (stage.music && !stage.musicOnFirstFrame) {
    ++MusicCounter;
    if (MusicCounter == 1) elMusic::Play(stage.music, 1);
    if (MusicCounter >= MusicCounterWrap) MusicCounter = 0;
  }
  elDraw::Clear();
  StageProgress += elSystem::FrameStep * stage.rate;
  DrawSceneBackground(scene);
  DrawHud();
  elDraw::SetVSync(1);
  elDraw::Flip();
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

// The ending is still to come; nothing leads to it yet.
void EndingScene() {}

void ResetStageState() {
  StageProgress = 0.0f;
  MusicCounter = 0;
  PauseFlag = ContinuePromptFlag = GiveUpFlag = 0;
}
