// The real game started headless and brought into a running stage or the
// ending, with the ship's keys held over frames and the screen read back.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/frame.h"
#include "engine/present.h"
#include "engine/system.h"
#include "flow_fixture.h"
#include "game/player.h"
#include "game/reset.h"
#include "game/stage.h"
#include "platform/keys.h"

namespace testing_support {

class PlayerTest : public GameFlowTest {
 protected:
  // A live game from the menus at difficulty 1 (F1) or 3 (F2), in scene 2
  // with its transition over: ship type 1, keyboard control.
  void StartLiveGame(int key = platform::VK_F1) {
    ReachDifficultySelection();
    Tap(key);
    ASSERT_EQ(elSystem::SceneNumber, 2);
    while (elDraw::TransitionCounter != 0) h.Frame();
    h.Frame();
  }

  // Keys held down together for `frames` frames, then released; the release
  // is taken at the start of the next frame.
  void Hold(std::initializer_list<int> keys, int frames) {
    for (int k : keys) h.KeyDown(k);
    h.Frames(frames);
    for (int k : keys) h.KeyUp(k);
  }

  // Moves to `scene` at once, as the keys and the game-over check do.
  void EnterScene(int scene) {
    elSystem::SceneNumber = scene;
    elSystem::PreviousScene = 0;
  }

  // A stage begun afresh: every table reset, then `scene` entered.
  void EnterFreshScene(int scene) {
    flow::ResetObjects();
    flow::ResetBosses();
    EnterScene(scene);
  }

  // How many songs the music commands since the log was last cleared opened.
  int MusicOpens() {
    int opens = 0;
    for (const std::string& command : h.backend().mci_commands) opens += command.rfind("open", 0) == 0;
    return opens;
  }
};

// The stage scenes by scene number, 2 to 9.
inline void (*const StageScenes[])() = {nullptr,       nullptr,       stage::StageScene2, stage::StageScene3,
                                        stage::StageScene4, stage::StageScene5, stage::StageScene6,
                                        stage::StageScene7, stage::StageScene8, stage::StageScene9};

// One running frame of a stage called directly, with the clock standing still.
inline void StillFrame(int scene, float progress = 0.0f) {
  elSystem::FirstFrameFlag = 0;
  elSystem::FrameStep = 0.0f;
  stage::StageProgress = progress;
  StageScenes[scene]();
}

// A picture drawn additively over black differs from the picture only in the
// lowest green bit of a 5-6-5 pixel, which the additive tables drop; masking
// it makes a keyed and an additive draw compare alike.
inline std::vector<uint16_t> WithoutLowGreen(std::vector<uint16_t> pixels) {
  for (uint16_t& p : pixels) p &= static_cast<uint16_t>(~0x0020u);
  return pixels;
}

// The share of a picture's non-black pixels that the back buffer shows at
// (x, y): 1 where the picture was drawn whole over whatever lay there.
inline double PictureShown(int x, int y, int picture, int w, int h) {
  const std::vector<uint16_t> screen = WithoutLowGreen(BackBufferPixels(x, y, w, h));
  const std::vector<uint16_t> source = WithoutLowGreen(PicturePixels(picture, 0, 0, w, h));
  int lit = 0, shown = 0;
  for (size_t i = 0; i < source.size() && i < screen.size(); ++i) {
    if (source[i] == 0) continue;
    ++lit;
    shown += screen[i] == source[i];
  }
  return lit == 0 ? 0.0 : static_cast<double>(shown) / lit;
}

// How many pixels of a back-buffer rectangle are not black.
inline int LitPixels(int x, int y, int w, int h) {
  int lit = 0;
  for (uint16_t p : BackBufferPixels(x, y, w, h)) lit += p != 0;
  return lit;
}

}  // namespace testing_support
