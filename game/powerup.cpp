// The power-up item.
#include "game/powerup.h"

#include "engine/frame.h"
#include "engine/random.h"
#include "engine/sound.h"
#include "game/assets.h"
#include "engine/draw_blend.h"
#include "game/player.h"
#include "game/reset.h"
#include "game/score.h"

using namespace assets;
using namespace bomb;
using namespace flow;
using namespace player;
using namespace score;
using namespace stage;

namespace powerup {

namespace {

constexpr int PowerUpPoints = 500;
// The item can be picked up only below this y, within this distance of the
// ship's corner on each axis, edges included.
constexpr float PickUpMinY = 50.0f;
constexpr int PickUpReach = 60;

}  // namespace

void SpawnPowerUp() {
  if (PowerUpItem.Active != 0) return;
  PowerUpItem.X = static_cast<float>(elRandom::Next() % 320 + 210);
  PowerUpItem.Y = -60.0f;
  PowerUpItem.Vy = static_cast<float>(elRandom::Next() % 130 + 100);
  PowerUpItem.Active = 1;
  PowerUpItem.Picked = 0;
  ++PowerUpCount;
}

void MovePowerUp() {
  if (PowerUpItem.Active != 0) PowerUpItem.Y += PowerUpItem.Vy * elSystem::FrameStep;
  if (PowerUpItem.Y > 600.0f) {
    // A touch already taken is still applied by the next DrawPowerUp.
    PowerUpItem.Active = 0;
    PowerUpItem.X = ParkX;
    PowerUpItem.Y = ParkY;
  }
}

void DrawPowerUp() {
  if (PowerUpItem.Picked == 0) {
    // A parked item lies outside the clip rectangle.
    elDraw::DrawAdd(static_cast<int>(PowerUpItem.X), static_cast<int>(PowerUpItem.Y), PicSpower1, 0, 0, 60, 60);
    return;
  }
  // Each step sees what the one before left: an item started before the
  // last death, or the third and every later one, gives two bombs.
  if (PowerUpCount == 0) {
    ShotPowerFlag = 1;
    PowerUpCount = 1;
    ++BombStock;
  }
  if (PowerUpCount == 1) {
    ShotPowerFlag = 1;
    ++BombStock;
  }
  if (PowerUpCount >= 2) {
    ShotPowerFlag = 1;
    ++BombStock;
  }
  if (PowerUpCount >= 3) {
    ShotPowerFlag = 1;
    ++BombStock;
  }
  ParkPowerUp();
}

void CollectPowerUp() {
  PowerUpItem.Picked = 1;
  elSound::Play(SndBom, -1);
}

void TestPowerUpPickup() {
  if (PowerUpItem.Active == 0 || !(PowerUpItem.Y > PickUpMinY)) return;
  const int px = static_cast<int>(PlayerPosition.X), py = static_cast<int>(PlayerPosition.Y);
  const int ix = static_cast<int>(PowerUpItem.X), iy = static_cast<int>(PowerUpItem.Y);
  if (ix - PickUpReach <= px && px <= ix + PickUpReach && iy - PickUpReach <= py && py <= iy + PickUpReach) {
    CollectPowerUp();
    AddScore(PowerUpPoints);
  }
}

void ParkPowerUp() { PowerUpItem = PowerUpRecord{ParkX, ParkY, 0.0f, 0, 0}; }

void ResetPowerUpForGame() {
  ParkPowerUp();
  ShotPowerFlag = ExtraPowerFlag = PowerUpCount = 0;
}

}  // namespace powerup
