#include "game/stage.h"

#include "bosses/boss.h"
#include "engine/draw_hw.h"
#include "engine/frame.h"
#include "engine/music.h"
#include "engine/present.h"
#include "engine/system.h"
#include "game/backgrounds.h"
#include "game/bomb.h"
#include "game/boss_lock_shot.h"
#include "game/lock_shot.h"
#include "game/player.h"
#include "game/powerup.h"
#include "game/reset.h"
#include "game/scenes.h"
#include "game/score.h"
#include "game/shot_collision.h"
#include "game/shots.h"
#include "game/stage_script.h"

using namespace backgrounds;
using namespace bomb;
using namespace flow;
using namespace player;
using namespace powerup;
using namespace score;
using namespace shots;

namespace stage {

bool AtDifficulty2Or3() { return Difficulty == 2 || Difficulty == 3; }
bool AtDifficulty3() { return Difficulty == 3; }
bool ExtraModes() { return LevelMode == 2 || DoubleSpeedFlag == 1; }
bool DoubleSpeed() { return DoubleSpeedFlag == 1; }
bool NotDoubleSpeed() { return DoubleSpeedFlag != 1; }
bool NotLevelMode1() { return LevelMode != 1; }
bool LevelMode1() { return LevelMode == 1; }
bool LevelMode2() { return LevelMode == 2; }
bool AtDifficulty1() { return Difficulty == 1; }
bool DoubleSpeedNonZero() { return DoubleSpeedFlag != 0; }

const StageScript& ScriptOf(int scene) {
  static const StageScript* const scripts[] = {&Scene2Script, &Scene3Script, &Scene4Script, &Scene5Script,
                                               &Scene6Script, &Scene7Script, &Scene8Script, &Scene9Script};
  return *scripts[scene - 2];
}

void EndStage(const bosses::BossRow& boss) {
  ResetObjects();
  ResetBosses();
  ChangeScene(boss.NextScene, elDraw::TransitionRowScatter, boss.TransitionDuration);
}

namespace {

constexpr int MusicCounterWrap = 100999999;

using namespace lockon;

// What a replay runs after its shots: every lock shot's launch in number
// order, the boss lock-on, then every boss lock shot's launch.
constexpr Call ReplayLockCalls[] = {
    Spawn<LockShot01>,      Spawn<LockShot02>,      Spawn<LockShot03>,      Spawn<LockShot04>,
    Spawn<LockShot05>,      Spawn<LockShot06>,      Spawn<LockShot07>,      Spawn<LockShot08>,
    LockOnBosses,           Spawn<BossLockShot01>,  Spawn<BossLockShot02>,  Spawn<BossLockShot03>,
    Spawn<BossLockShot04>,  Spawn<BossLockShot05>,  Spawn<BossLockShot06>,  Spawn<BossLockShot07>,
    Spawn<BossLockShot08>,  Spawn<BossLockShot09>,  Spawn<BossLockShot10>,  Spawn<BossLockShot11>,
    Spawn<BossLockShot12>,  Spawn<BossLockShot13>,  Spawn<BossLockShot14>,  Spawn<BossLockShot15>,
    Spawn<BossLockShot16>,
};

void Run(std::span<const Call> calls) {
  for (Call c : calls) c();
}

bool Holds(Condition when) { return when == nullptr || when(); }

// The rows of a list, each on the frames of its window. The stage clock is
// read afresh for every row: a stage ended earlier in the frame has reset it.
void RunRows(std::span<const ProgressRow> rows) {
  for (const ProgressRow& r : rows)
    if (r.lo < StageProgress && StageProgress < r.hi && Holds(r.when)) Run(r.calls);
}

void RunPowerUp(const StageScript& stage) {
  if (stage.powerUpMovesFirst) {
    MovePowerUp();
    DrawPowerUp();
  } else {
    DrawPowerUp();
    MovePowerUp();
  }
  for (const Window& w : stage.powerUps)
    if (w.lo <= StageProgress && StageProgress <= w.hi) SpawnPowerUp();
}

// The boss's move and draw, its attack timeline, and the time-out. When the
// death sequence has run its course the stage ends there and then, and the
// rest of the frame runs on the reset tables: every value is read from the
// globals at the moment it is used, never kept across that point.
void RunBoss(const BossScript& boss) {
  if (!(boss.windowLo < StageProgress && StageProgress < boss.windowHi)) return;
  bosses::BossRecord& r = *boss.record;
  boss.ops->Move();
  if (boss.ops->Draw()) EndStage(boss.ops->Row);
  if (0.0f < r.BossHitPoints && r.BossHitPoints < boss.gate) {
    ++r.AttackCounter;
    for (const AttackRow& row : boss.attacks)
      if (row.lo <= r.AttackCounter && r.AttackCounter <= row.hi && Holds(row.when)) Run(row.calls);
    const int d = Difficulty < 0 ? 0 : (Difficulty > 3 ? 3 : Difficulty);
    if (r.AttackCounter >= boss.cycle[d]) r.AttackCounter = 0;
  }
  if (boss.timeOut <= StageProgress && StageProgress <= boss.windowHi) {
    r.BossHitPoints = 0.0f;
    if (boss.ops->Death()) EndStage(boss.ops->Row);
  }
}

void StageFrame(int scene) {
  const StageScript& stage = ScriptOf(scene);
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
  DrawBombShards();
  RunBoss(stage.boss);
  DrawPlayerShots();
  RunRows(stage.early);
  RunRows(stage.smallFry);
  RunPowerUp(stage);
  DrawPlayer();
  RunRows(stage.bullets);
  DrawHud();
  DrawGameOverLabel();
  ShowContinuePrompt();
  if (stage.sidePanels) DrawSidePanels();
  elDraw::SetVSync(1);
  elDraw::Flip();

  MovePlayer();
  if (BombFlag == 1 && (!stage.bombNeedsVolleyOff || MainShotBEnable == 0)) RunBombBurst();
  MoveBombShards();
  if (stage.runsVolley && SpecialVolleyFlag == 1) FireSpecialVolley();
  CollidePlayerShots();
  Run(stage.lockWeapons);
  if (stage.replayBlock && ReplayFlag == 1) {
    if (ShipType == 1) FireMainShotB();
    if (ShipType == 2) FireMainShotA();
    Run(ReplayLockCalls);
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
