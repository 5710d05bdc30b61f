// Drawing the ship, its death (an explosion of 80 fragments in five rings that
// costs 16 energy) and respawn period, the game-over label and the continue
// prompt.
#include <cmath>
#include <cstdint>

#include "engine/draw_hw.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/screen.h"
#include "engine/sound.h"
#include "game/assets.h"
#include "engine/draw_blend.h"
#include "game/player.h"
#include "game/powerup.h"
#include "game/reset.h"
#include "game/scenes.h"
#include "game/score.h"
#include "game/shots.h"
#include "game/stage.h"

using namespace assets;
using namespace bomb;
using namespace flow;
using namespace powerup;
using namespace score;
using namespace shots;
using namespace stage;

namespace player {

namespace {

constexpr float Pi = 3.14159265358979f;
constexpr int FragmentCell = 60;
constexpr float FragmentSpeed = 280.0f;
// The first fragment of every ring flies toward this screen point.
constexpr float FragmentAimX = 20.0f, FragmentAimY = 20.0f;
// The sequence count at which ring r starts.
constexpr int kRingStart[] = {1, 10, 20, 30, 40};
constexpr int EnergyRing = 4;  // each of its fragments takes 1 energy

constexpr int ContinueEnergy = 111;
// MainShotB slots that the prompt takes off the screen.
constexpr int PromptClearedShots = 39;

void ParkFragment(DeathFragmentRecord& f) {
  f.X = ParkX;
  f.Y = ParkY;
}

void StartFragment(int i) {
  DeathFragmentRecord& f = DeathFragment[i];
  f.Active = 1;
  f.X = PlayerPosition.X;
  f.Y = PlayerPosition.Y;
  f.Speed = FragmentSpeed;
  f.AimX = FragmentAimX - f.X;
  f.AimY = FragmentAimY - f.Y;
  const float spread = static_cast<float>(i) * 2.0f * Pi / FragmentsPerRing;
  f.Heading = (f.AimX == 0.0f ? Pi / 2.0f : std::atan(f.AimY / f.AimX)) + spread;
  if ((f.AimX <= 0.0f && f.AimY <= 0.0f) || (f.AimX < 0.0f && f.AimY > 0.0f)) f.Heading += Pi;
}

// The ship cell of a bank frame; a frame outside the sheet shows the level
// cell rather than reading past the picture.
int BankCellX(int bank) { return ShipCellWidth * (bank >= BankFullRight && bank <= BankFullLeft ? bank : BankLevel); }

void DrawShip() {
  const int sx = BankCellX(BankFrame);
  elDraw::Draw(static_cast<int>(PlayerPosition.X), static_cast<int>(PlayerPosition.Y), ShipPicture, sx, 0,
               sx + ShipCellWidth, ShipCellHeight);
}

// Draws the label's source rows scaled into the destination rows that lie on
// the screen: each source row fills its own band, so cutting a band at the
// screen's edge shows exactly the part of the label that is on it.
void DrawLabelClipped(int64_t top, int64_t height) {
  constexpr int x = 170, sx1 = 81, sx2 = 136, sy1 = 70, rows = 10, width = 300;
  const int64_t screen = elDraw::ScreenSize[1];
  if (top >= 0 && top + height <= screen) {
    elDraw::DrawScaled(x, static_cast<int>(top), PicMymy, sx1, sy1, sx2, sy1 + rows, width, static_cast<int>(height));
    return;
  }
  for (int r = 0; r < rows; ++r) {
    int64_t b0 = top + r * height / rows, b1 = top + (r + 1) * height / rows;
    if (b0 < 0) b0 = 0;
    if (b1 > screen) b1 = screen;
    if (b1 <= b0) continue;
    elDraw::DrawScaled(x, static_cast<int>(b0), PicMymy, sx1, sy1 + r, sx2, sy1 + r + 1, width,
                       static_cast<int>(b1 - b0));
  }
}

}  // namespace

void DrawPlayer() {
  if (KeyboardControlFlag == 1) DrawShip();
  if (MouseControlFlag == 1) {
    DrawShip();
    // The ship follows the mouse; the next MovePlayer clamps it.
    PlayerPosition = ShipPoint{static_cast<float>(elInput::MousePosition.x - 30),
                               static_cast<float>(elInput::MousePosition.y - 30)};
  }

  if (PlayerAliveFlag != 0 && RespawnFlag != 0) {
    ++RespawnCounter;
    if (RespawnCounter >= RespawnFrames) {
      RespawnCounter = 0;
      PlayerAliveFlag = 1;
      RespawnFlag = 0;
      ResetDeathFragments();
    }
  }

  if (PlayerAliveFlag == 0) {
    if (RespawnFlag == 1) {
      PlayerAliveFlag = 1;  // a hit during the respawn period is undone
    } else if (NoDeathFlag == 1) {
      // No death: the ship stays unhittable from now on.
    } else {
      UpdateDeathSequence();
      DrawDeathFragments();
      MoveDeathFragments();
      elSound::Play(SndBom, -1);
      ShotPowerFlag = 0;
      PowerUpCount = 0;
    }
  }
}

void UpdateDeathSequence() {
  for (DeathFragmentRecord& f : DeathFragment) ++f.SequenceCount;
  const int count = DeathFragment[0].SequenceCount;
  if (count == DeathSequenceFrames) {
    PlayerAliveFlag = 1;
    RespawnFlag = 1;
  }
  for (int ring = 0; ring < DeathFragmentCount / FragmentsPerRing; ++ring) {
    if (count != kRingStart[ring]) continue;
    for (int i = ring * FragmentsPerRing; i < (ring + 1) * FragmentsPerRing; ++i) {
      if (DeathFragment[i].Active != 0) continue;
      StartFragment(i);
      if (ring == EnergyRing) --Energy;
    }
  }
}

void DrawDeathFragments() {
  // Parked fragments lie outside the clip rectangle and draw nothing.
  for (DeathFragmentRecord& f : DeathFragment) {
    const int sx = FragmentCell * f.Column, sy = FragmentCell * f.Row;
    elDraw::DrawAdd(static_cast<int>(f.X), static_cast<int>(f.Y), PicGfbak1, sx, sy, sx + FragmentCell,
                    sy + FragmentCell);
    // Row 0 columns 0 to 7, then row 1 columns 1 to 7: 15 frames.
    const int c = ++f.AnimationCounter;
    if (c <= 7) {
      ++f.Column;
      f.Row = 0;
    }
    if (c == 8) f.Column = 0;
    if (c >= 8 && c <= 14) {
      ++f.Column;
      f.Row = 1;
    }
    if (c >= 15) f.Column = f.Row = f.AnimationCounter = 0;
  }
}

void MoveDeathFragments() {
  for (DeathFragmentRecord& f : DeathFragment) {
    if (f.Active == 0) continue;
    f.Y += std::sin(f.Heading) * f.Speed * elSystem::FrameStep;
    f.X += std::cos(f.Heading) * f.Speed * elSystem::FrameStep;
    if (f.X > 800.0f || f.X < -60.0f || f.Y > 600.0f || f.Y < -60.0f) {
      f.Active = 0;
      ParkFragment(f);
    }
  }
}

void DrawGameOverLabel() {
  if (GameOverFlag == 0) return;
  // The height has no upper limit; far past any screen it is held where its
  // whole number stays exact.
  const float grown = GameOverLabelHeight < 1e9f ? GameOverLabelHeight : 1e9f;
  const int64_t h = grown > 0.0f ? static_cast<int64_t>(grown) : 0;
  DrawLabelClipped((480 - h) / 2, h);
  GameOverLabelHeight += 30.0f * elSystem::FrameStep;
}

void ShowContinuePrompt() {
  if (Energy > 0 || ContinuePromptFlag != 0) return;
  // Drawn in this frame only: the paused stage keeps it on the screen.
  elDraw::Draw(220, 190, PicContinu1, 0, 0, 200, 100);
  ContinuePromptFlag = 1;
  PauseFlag = 1;
  PlayerAliveFlag = 0;
  PlayerVelocity = ShipPoint{0.0f, 0.0f};
  for (int i = 0; i < PromptClearedShots; ++i) {
    MainShotB[i].Active = 0;
    MainShotB[i].X = ShotParkX;
    MainShotB[i].Y = ShotParkY;
  }
}

void AnswerContinuePrompt(int bombs) {
  if (elInput::LastKey == 'Y') {
    PauseFlag = 0;
    ContinuePromptFlag = 0;
    BombStock = bombs;
    Energy = ContinueEnergy;
    Score = 0;
    // The respawn period starts at once; the rest of the explosion is skipped.
    RespawnFlag = 1;
    PlayerAliveFlag = 1;
  } else if (elInput::LastKey == 'N') {
    // The stage runs on with the prompt answered; the game-over check ends it.
    PauseFlag = 0;
    GiveUpFlag = 1;
  }
}

void ResetShipForGame() {
  PlayerPosition = ShipStart;
  for (LaunchIntroRecord& r : LaunchIntro) r = LaunchIntroRecord{ParkX, ParkY, 0, 0};
}

void ResetShipForStage() {
  PlayerVelocity = ShipPoint{0.0f, 0.0f};
  RespawnFlag = 0;
  RespawnCounter = 0;
  BankFrame = BankLevel;
  BankStep = 0;
  PlayerAliveFlag = 1;
}

void ResetDeathFragments() {
  // -3 degrees, as every heading of the object tables starts.
  const float startHeading = static_cast<float>(-3.0 * 3.14159265358979323846 / 180.0);
  for (DeathFragmentRecord& f : DeathFragment)
    f = DeathFragmentRecord{ParkX, ParkY, 0, 0, startHeading, 0, 0, 0, 0, 0, 0};
}

void ResetPlayerState() {
  ResetShipForGame();
  ResetShipForStage();
  ResetDeathFragments();
  ShipKeys = ShipKeyStates{};
  LaunchIntroPicture[0] = LaunchIntroPicture[1] = 0;
  GameOverLabelHeight = 0.0f;
}

}  // namespace player
