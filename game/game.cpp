#include "game/game.h"

#include "game/assets.h"
#include "game/backgrounds.h"
#include "game/lock_sight.h"
#include "game/player.h"
#include "game/powerup.h"
#include "game/reset.h"
#include "game/replay.h"
#include "game/scenes.h"
#include "game/score.h"
#include "game/score_file.h"
#include "game/shots.h"
#include "game/stage.h"

using namespace assets;
using namespace backgrounds;
using namespace bomb;
using namespace flow;
using namespace player;
using namespace powerup;
using namespace replay;
using namespace score;
using namespace shots;
using namespace stage;

namespace game {

elSystem::GameHooks Hooks() {
  elSystem::GameHooks h;
  h.LoadAssets = &LoadAssets;
  h.OnKeyDown = &OnKeyDown;
  h.OnExit = &SaveHighScoreOnExit;
  h.Scenes[1] = &TitleScene;
  h.Scenes[2] = &StageScene2;
  h.Scenes[3] = &StageScene3;
  h.Scenes[4] = &StageScene4;
  h.Scenes[5] = &StageScene5;
  h.Scenes[6] = &StageScene6;
  h.Scenes[7] = &StageScene7;
  h.Scenes[8] = &StageScene8;
  h.Scenes[9] = &StageScene9;
  h.Scenes[10] = &EndingScene;
  h.Scenes[11] = &DifficultySelectScene;
  h.Scenes[12] = &ShipSelectScene;
  return h;
}

void ResetState() {
  AssetsLoaded = 0;
  ResetSceneState();
  ResetScoreState();
  ResetStageState();
  ResetBackgroundState();
  ReplayIndex = 0;
  ReplayRecordCount = 0;
  for (ReplayRecord& r : ReplayBuffer) r = ReplayRecord{};
  ResetPlayerState();
  ResetShotState();
  ResetPowerUpForGame();
  LockSight = LockSightPoint{elDraw::WholeParkX, elDraw::WholeParkY};
}

}  // namespace game
