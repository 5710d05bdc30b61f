#include "game/game.h"

#include "engine/screen.h"
#include "engine/system.h"
#include "platform/keys.h"

namespace game {

elSystem::GameHooks Hooks() {
  elSystem::GameHooks h;
  h.LoadAssets = &LoadAssets;
  h.OnKeyDown = &OnKeyDown;
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

}  // namespace game

void LoadAssets() {
  // Without a screen there is nothing to play on: the error box has been
  // shown, and the program ends.
  if (!elDraw::Screen(800, 600, 2)) {
    elSystem::Exit();
    return;
  }
  elDraw::SetClip(180, 0, 620, 600);
  elSystem::SceneNumber = 1;
  elSystem::PreviousScene = 0;
}

void OnKeyDown(int vk) {
  if (vk == platform::VK_ESCAPE) elSystem::Exit();
}

void TitleScene() {}
void StageScene2() {}
void StageScene3() {}
void StageScene4() {}
void StageScene5() {}
void StageScene6() {}
void StageScene7() {}
void StageScene8() {}
void StageScene9() {}
void EndingScene() {}
void DifficultySelectScene() {}
void ShipSelectScene() {}
