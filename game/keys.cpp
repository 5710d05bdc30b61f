// The game's key handler: every key is stored for the scenes to poll, and
// ESC, R, S and T act at once in every scene.
#include "engine/machine.h"
#include "engine/input.h"
#include "engine/music.h"
#include "engine/present.h"
#include "engine/system.h"
#include "game/game.h"
#include "game/reset.h"
#include "game/scenes.h"
#include "game/score_file.h"
#include "game/stage.h"

using namespace bomb;
using namespace player;
using namespace score;
using namespace stage;

namespace flow {

void OnKeyDown(int vk) {
  if (elDraw::ViewerFlag == 0) {
    elInput::LastKey = vk;
    elInput::PressedKey = vk;
  } else {
    elInput::ViewerKey = vk;
  }

  switch (vk) {
    case elKey::VK_ESCAPE:
      // Exit saves once more on its way out (as every orderly end does);
      // writing the same value twice is harmless.
      elMusic::Stop();
      SaveHighScore();
      elSystem::Exit();
      break;
    case 'R':
      // A replay of the last game's path, from scene 2 at once.
      ResetGame();
      ResetObjects();
      ResetBosses();
      ReplayFlag = 1;
      KeyboardControlFlag = 1;
      MouseControlFlag = 0;
      Difficulty = 1;
      elSystem::SceneNumber = 2;
      elSystem::PreviousScene = 0;
      break;
    case 'S':
      if (ContinuePromptFlag == 0) PauseFlag = PauseFlag == 0 ? 1 : 0;
      break;
    case 'T':
      // Back to the title without any reset; the title's Enter does them.
      elMusic::Stop();
      ResetTitleOptions();
      elSystem::SceneNumber = 1;
      elSystem::PreviousScene = 0;
      break;
    default:
      break;
  }
}

}  // namespace flow
