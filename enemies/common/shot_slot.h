// The record of the plainest bullets (the straight, line and cluster drop
// shots): a picture frame, the top-left corner, the speeds and the active
// flag. A free record lies at the park position (Park frees it).
#pragma once
#include "enemies/common/rules.h"

namespace enemies {

struct ShotSlot {
  int Frame = 0;  // animation frame of an animated bullet
  float X = ParkX, Y = ParkY;
  float Vx = 0.0f, Vy = 0.0f;  // pixels per second
  int Active = 0;
};

}  // namespace enemies
