// The record of the small-fry shots that are aimed once, when they leave
// their craft, and then fly straight on that heading: the aimed needles and
// balls and the aimed lines. Also the launch, the flight and the screen
// bounds those shots share.
#pragma once
#include "enemies/common/rules.h"

namespace enemies {

struct AimedShotSlot {
  int Frame = 0;  // animation frame of the animated looks
  float X = ParkX, Y = ParkY;
  float AimDx = 0.0f, AimDy = 0.0f;  // from the start point to the aim point
  float Heading = ResetHeading;      // radians, pi / 2 straight down
  float Speed = 0.0f;                // pixels per second
  int Active = 0;
};

// Takes a slot into flight at (x, y), aimed at the ship's corner plus
// `aimOffset` on both axes.
inline void LaunchAimed(AimedShotSlot& s, float x, float y, float speed, float aimOffset) {
  s.Active = 1;
  s.X = x;
  s.Y = y;
  s.Speed = speed;
  s.Heading = AimHeading(x, y, aimOffset, 0.0, s.AimDx, s.AimDy);
}

inline void FlyAimed(AimedShotSlot& s) {
  s.Y += HeadedStepY(s.Heading, s.Speed);
  s.X += HeadedStepX(s.Heading, s.Speed);
}

// The screen an aimed shot flies in: it is out once its corner lies more
// than `Margin` left of or above the screen, right of `Right` or below the
// bottom; the edges themselves are still inside.
struct AimedBounds {
  float Margin;
  float Right;
};

inline bool OutOfBounds(const AimedShotSlot& s, const AimedBounds& b) {
  return s.X + b.Margin < 0.0f || s.X > b.Right || s.Y + b.Margin < 0.0f || s.Y > 600.0f;
}

}  // namespace enemies
