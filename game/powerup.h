// The power-up item: one at a time falls from the top of the field; touching
// it gives the side shots of both main sets, bombs and 500 points.
#pragma once
#include "engine/park.h"

namespace powerup {

struct PowerUpRecord {
  float X, Y;  // top-left corner of the 60 x 60 picture
  float Vy;    // pixels per second, downward
  int Active;
  int Picked;  // touched; applied by the next DrawPowerUp
};
inline PowerUpRecord PowerUpItem{elDraw::ParkX, elDraw::ParkY, 0.0f, 0, 0};

// Items started since the last death (a spawn counts, a pick-up does not).
inline int PowerUpCount = 0;
// 1 after any pick-up: the main sets fire their side streams.
inline int ShotPowerFlag = 0;
// Cleared with the power-up by a new game; nothing else uses it.
inline int ExtraPowerFlag = 0;

void SpawnPowerUp();
void MovePowerUp();
void DrawPowerUp();
void CollectPowerUp();
// The collision pass's first step: the ship touching the falling item.
void TestPowerUpPickup();

// The item parked, inactive and untouched.
void ParkPowerUp();
// The new game's part: the item parked, no power.
void ResetPowerUpForGame();

}  // namespace powerup
