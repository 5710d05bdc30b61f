// The ending (scene 10): a short message with the ship still under the
// player's control, the ending pictures one after the other, three lines of
// text, and back to the title, by itself or on Space.
#include "engine/draw_hw.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/music.h"
#include "engine/present.h"
#include "engine/system.h"
#include "engine/text.h"
#include "game/assets.h"
#include "game/backgrounds.h"
#include "game/player.h"
#include "game/reset.h"
#include "game/scenes.h"
#include "game/score.h"
#include "game/shot_collision.h"
#include "game/shots.h"
#include "game/stage.h"
#include "engine/machine.h"

using namespace assets;
using namespace backgrounds;
using namespace bomb;
using namespace flow;
using namespace player;
using namespace score;
using namespace shots;

namespace stage {

namespace {

constexpr float EndingRate = 20.0f;  // progress per second, as in scene 2
constexpr int MusicCounterWrap = 100999999;
constexpr float ShipShownUntil = 400.0f;
constexpr float TextFrom = 2001.0f, EndingEnd = 2400.0f;
constexpr int TitleTransitionFrames = 60;
constexpr int EndingSleepMs = 10;

// Each ending picture's window of the progress, inclusive; between windows
// no picture shows.
struct EndingPicture {
  float lo, hi;
  const int* picture;
};
const EndingPicture kPictures[] = {
    {400, 700, &PicQktscg1},   {701, 1000, &PicQktscg2},  {1001, 1300, &PicQktscg3},
    {1301, 1600, &PicQktscg5}, {1601, 2000, &PicQktscg6},
};

// The edition line and the two credit lines.
constexpr const char* kEndingLines[] = {
    "Quorvane　リナックス版　第一版",
    "プログラム・絵・音楽：Quorvane 制作班",
    "最後まで遊んでくれて、ありがとう！",
};

bool Within(float lo, float hi) { return lo <= StageProgress && StageProgress <= hi; }

void LeaveForTitle() {
  elMusic::Stop();
  ResetObjects();
  ResetBosses();
}

}  // namespace

void EndingScene() {
  if (elSystem::FirstFrameFlag) StageProgress = 0.0f;
  ++MusicCounter;
  if (MusicCounter == 1) elMusic::Play("MIDI/KTSMEND.MID", 1);
  if (MusicCounter >= MusicCounterWrap) MusicCounter = 0;

  elDraw::Clear();
  StageProgress += elSystem::FrameStep * EndingRate;
  UpdateStarfield(80, 80);
  if (Within(0.0f, ShipShownUntil)) {
    elDraw::Draw(250, 100, PicMygoodn, 0, 0, 300, 100);
    DrawPlayerShots();
    DrawPlayer();
  }
  DrawHud();
  for (const EndingPicture& p : kPictures)
    if (Within(p.lo, p.hi)) elDraw::Draw(180, 60, *p.picture, 0, 0, 440, 480);
  if (Within(TextFrom, EndingEnd))
    for (int i = 0; i < 3; ++i) elText::DebugPrint(280, 220 + 20 * i, kEndingLines[i]);
  if (Within(0.0f, ShipShownUntil)) DrawHud();
  elDraw::SetVSync(1);
  elDraw::Flip();
  elSystem::Sleep(EndingSleepMs);

  // The ship still moves and fires through the whole ending.
  MovePlayer();
  if (SpecialVolleyFlag == 1) FireSpecialVolley();
  CollidePlayerShots();

  if (StageProgress > EndingEnd) {
    // The game's values stay for the title; its Enter starts a new game.
    LeaveForTitle();
    ChangeScene(1, elDraw::TransitionRowScatter, TitleTransitionFrames);
  }
  if (elInput::LastKey == elKey::VK_SPACE) {
    LeaveForTitle();
    ResetGame();
    ChangeScene(1, elDraw::TransitionRowScatter, TitleTransitionFrames);
  }
}

}  // namespace stage
