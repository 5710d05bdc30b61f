#include "game/reset.h"

#include <cstdint>

#include "enemies/reset.h"
#include "engine/machine.h"
#include "engine/random.h"
#include "game/backgrounds.h"
#include "game/bomb.h"
#include "game/boss_parade.h"
#include "game/lock_sight.h"
#include "game/lock_weapons.h"
#include "game/options.h"
#include "game/player.h"
#include "game/powerup.h"
#include "game/replay.h"
#include "game/score.h"
#include "game/shots.h"
#include "game/stage.h"
#include "patterns/reset.h"

using namespace backgrounds;
using namespace bomb;
using namespace player;
using namespace powerup;
using namespace replay;
using namespace score;
using namespace shots;
using namespace stage;

namespace flow {

void ResetGame() {
  PlaceBackgroundStrips();
  ReplayFlag = 0;
  Difficulty = 0;
  ReplayIndex = 0;
  Score = 0;
  BombStock = 5;
  Energy = 999;
  ResetShipForGame();
  ResetPowerUpForGame();
}

void ResetObjects() {
  // Two resets within the same second give the same start values.
  elRandom::Seed(static_cast<uint32_t>(elSystem::TimeSeconds()));

  MusicCounter = 0;
  StageProgress = 0.0f;
  GameOverFlag = 0;
  PauseFlag = 0;
  ContinuePromptFlag = 0;
  GiveUpFlag = 0;
  ParkPowerUp();
  ResetShipForStage();
  ResetShotCounters();
  LockSight = LockSightPoint{elDraw::WholeParkX, elDraw::WholeParkY};

  // The lock-on weapons' tables, before the player's.
  lockon::ResetLockWeapons();

  // The player's tables.
  ResetDeathFragments();
  ResetBombShards();
  ResetShotTables();
  parade::ResetBossParade();

  // The small fry draw their random start values before the starfield.
  enemies::ResetSmallFry();

  ScatterStarfield();
}

void ResetBosses() {
  patterns::ResetBossesAndPatterns();
}

}  // namespace flow
