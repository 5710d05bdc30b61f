#include "game/score.h"

#include <cstdint>
#include <cstdio>

#include "engine/draw_hw.h"
#include "engine/frame.h"
#include "engine/music.h"
#include "engine/system.h"
#include "game/assets.h"
#include "game/stage.h"

using namespace assets;
using namespace bomb;
using namespace flow;
using namespace player;
using namespace stage;

namespace score {

namespace {

// One HUD number: its text is formatted into a buffer sized for the widest
// value shown, so that no value can write past it.
struct DigitRow {
  int x, y, step;   // position of character 0 and the distance between characters
  int picture;      // SUJI09 or MYMY
  int cellX, cellY, cellStep, cellW, cellH;  // source cell of digit 0 and the step per digit
};

void DrawDigits(const char* text, int count, const DigitRow& row) {
  for (int i = 0; i < count && text[i] != '\0'; ++i) {
    const int d = text[i] - '0';
    if (d < 0 || d > 9) continue;  // only digits have a cell
    const int sx = row.cellX + row.cellStep * d;
    elDraw::Draw(row.x + row.step * i, row.y, row.picture, sx, row.cellY, sx + row.cellW, row.cellY + row.cellH);
  }
}

using elDraw::Clamp;

}  // namespace

void AddScore(int points) {
  if ((LevelMode == 1 || LevelMode == 2) && (DoubleSpeedFlag == 0 || DoubleSpeedFlag == 1)) {
    AddScoreInAnyMode(points);
    return;
  }
  if (Score > ScoreLimit) Score = ScoreLimit;
  if (Score > HiScore) HiScore = Score;
}

void AddScoreInAnyMode(int points) {
  // Summed wide: no sum of two ints can overflow here.
  const int64_t sum = static_cast<int64_t>(Score) + points;
  Score = sum > ScoreLimit ? ScoreLimit : sum < INT32_MIN ? INT32_MIN : static_cast<int>(sum);
  if (Score > HiScore) HiScore = Score;
}

void DrawHud() {
  const DigitRow large{180, 0, 20, PicSuji09, 0, 0, 20, 20, 25};
  DigitRow small{380, 6, 10, PicMymy, 8, 70, 7, 7, 10};

  // Nine digits for either score; a value outside 0..999999999 cannot be
  // shown in them and is shown at the nearest end.
  char text[16];
  std::snprintf(text, sizeof text, "%09d", Clamp(Score, 0, ScoreLimit));
  DrawDigits(text, 9, large);
  std::snprintf(text, sizeof text, "%09d", Clamp(HiScore, 0, ScoreLimit));
  DrawDigits(text, 9, small);
  if (Energy >= 0) {
    small.x = 520;
    std::snprintf(text, sizeof text, "%03d", Clamp(Energy, 0, 999));
    DrawDigits(text, 3, small);
  }
  if (BombStock >= 0) {
    // The stock itself may grow past 99; two digits show at most 99.
    small.x = 600;
    std::snprintf(text, sizeof text, "%02d", Clamp(BombStock, 0, 99));
    DrawDigits(text, 2, small);
  }
  elDraw::Draw(570, 6, PicMymy, 170, 70, 194, 80);
  elDraw::Draw(490, 6, PicMymy, 200, 70, 224, 80);
}

void CheckGameOver() {
  if (elSystem::CheckWait(GameOverTimer) && GameOverFlag == 1) {
    elSystem::SceneNumber = 1;
    elSystem::PreviousScene = 0;
  }
  if (GameOverFlag == 0 && GiveUpFlag == 1 && Energy <= 0) {
    GameOverTime += elSystem::FrameStep;
    GameOverFlag = 1;
    elMusic::Stop();
    elSystem::SetWait(GameOverTimer, GameOverWaitMs);
  }
  if (GameOverTime >= 30.0f) {
    GameOverTime = 0.0f;
    elSystem::SceneNumber = 1;
    elSystem::PreviousScene = 0;
  }
}

void ResetScoreState() {
  Score = HiScore = Energy = BombStock = 0;
  GameOverFlag = 0;
  GameOverTime = 0.0f;
}

}  // namespace score
