// The game as the engine sees it: its loader, key handler and scenes.
#pragma once
#include "engine/system.h"

namespace game {

elSystem::GameHooks Hooks();

}  // namespace game

void LoadAssets();
void OnKeyDown(int vk);
void TitleScene();
void StageScene2();
void StageScene3();
void StageScene4();
void StageScene5();
void StageScene6();
void StageScene7();
void StageScene8();
void StageScene9();
void EndingScene();
void DifficultySelectScene();
void ShipSelectScene();
