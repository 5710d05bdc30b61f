#include "game/scenes.h"

#include "engine/draw_hw.h"
#include "engine/draw_object.h"
#include "engine/input.h"
#include "engine/present.h"
#include "engine/screen.h"
#include "engine/system.h"
#include "game/assets.h"
#include "game/reset.h"
#include "game/score_file.h"
#include "engine/machine.h"

using namespace assets;
using namespace bomb;
using namespace player;
using namespace score;
using namespace stage;

namespace flow {

namespace {

constexpr int MenuSleepMs = 20;
constexpr int MenuTransitionFrames = 26;
constexpr int TransitionNoCapture = 13;

// Shows the scene's 440 x 480 picture; keys are tested after it, so a key
// takes effect once the frame that showed it has been presented.
void MenuFrame(int picture) {
  elDraw::Clear();
  elDraw::Draw(180, 60, picture, 0, 0, 440, 480);
  elDraw::SetVSync(1);
  elDraw::Flip();
  elSystem::Sleep(MenuSleepMs);
}

// Loads a ship picture into its own draw object on the first call only; a
// failed load is not tried again (it would take a new entry every time).
int ShipPictureOnce(int& object, const char* name) {
  if (object < 0) object = elDraw::LoadObject(name, 1);
  return object;
}

void StartGame(int difficulty) {
  ResetObjects();
  ResetBosses();
  ResetGame();
  Difficulty = difficulty;
  LoadHighScore();
  ChangeScene(2, elDraw::TransitionRowScatter, MenuTransitionFrames);
}

void ChooseShip(int type, const char* name) {
  ShipPicture = ShipPictureOnce(ShipSelectPicture[type - 1], name);
  ShipType = type;
  ChangeScene(11, elDraw::TransitionRowBlinds, MenuTransitionFrames);
}

}  // namespace

void ResetTitleOptions() {
  BackgroundOffFlag = 0;
  MouseControlFlag = 0;
  KeyboardControlFlag = 1;
  EffectsFlag = 1;
  NoDeathFlag = 0;
  ShipType = 0;
}

void TitleScene() {
  if (elSystem::FirstFrameFlag) ResetTitleOptions();
  MenuFrame(PicTitlec);
  if (elInput::LastKey == elKey::VK_RETURN) {
    ResetGame();
    ResetObjects();
    ResetBosses();
    LevelMode = 1;
    DoubleSpeedFlag = 0;
    BackgroundOffFlag = 0;
    LoadHighScore();
    ChangeScene(11, elDraw::TransitionRowScatter, MenuTransitionFrames);
    elInput::LastKey = 0;
  }
}

void DifficultySelectScene() {
  if (elSystem::FirstFrameFlag) {
    ShipPicture = ShipPictureOnce(DifficultyShipPicture, "IMAGE/MYME1.BMP");
    ShipType = 1;
  }
  MenuFrame(PicLevel1);
  int& key = elInput::LastKey;
  if (key == elKey::VK_F1) StartGame(1);
  if (key == elKey::VK_F2) StartGame(3);
  if (key == elKey::VK_SPACE) {
    BackgroundOffFlag = 1;
    key = 0;
  }
  if (key == 'M') {
    MouseControlFlag = 1;
    KeyboardControlFlag = 0;
    key = 0;
  }
  if (key == 'K') {
    MouseControlFlag = 0;
    KeyboardControlFlag = 1;
    key = 0;
  }
  if (key == 'U') {
    NoDeathFlag = 1;
    key = 0;
  }
}

void ShipSelectScene() {
  MenuFrame(PicLevel0);
  if (elInput::LastKey == elKey::VK_F5) ChooseShip(1, "MYME1.BMP");
  if (elInput::LastKey == elKey::VK_F6) ChooseShip(2, "MYME2.BMP");
}

void ChangeScene(int scene, int type, int duration) {
  elDraw::TransitionType = type;
  elDraw::TransitionDuration = duration;
  if (elDraw::TransitionType == 0) {
    elSystem::PendingScene = scene;
    elDraw::StartTransition();
    return;
  }
  if (elDraw::TransitionType != TransitionNoCapture)
    elDraw::CaptureScreen(elDraw::ScreenSprite, 0, 0, elDraw::ScreenSize[0], elDraw::ScreenSize[1]);
  elSystem::SceneNumber = scene;
  elSystem::PreviousScene = 0;
  elDraw::TransitionCounter = duration;
  elDraw::TransitionState = -1;
}

void ResetSceneState() {
  Difficulty = LevelMode = DoubleSpeedFlag = 0;
  EffectsFlag = 1;
  MouseControlFlag = 0;
  KeyboardControlFlag = 1;
  BackgroundOffFlag = NoDeathFlag = ShipType = ReplayFlag = 0;
  ShipPicture = 0;
  DifficultyShipPicture = -1;
  ShipSelectPicture[0] = ShipSelectPicture[1] = -1;
}

}  // namespace flow
