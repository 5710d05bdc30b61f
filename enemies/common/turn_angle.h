// The rotation of the spiral and chain bullets, whose headings turn the
// other way round from the needles': -deg(h), or 360 - deg(h) for the
// mirrored kinds, the whole double expression truncated toward zero (a value
// just below a whole degree gives the degree below). DrawRotate wraps it.
#pragma once
#include "enemies/common/rules.h"

namespace enemies {

inline int TurnAngle(float heading, bool mirrored) {
  const double degrees = heading * DegreesPerRadian;
  const double r = mirrored ? 360.0 - degrees : -degrees;
  // Headings stay within a few turns; anything wilder is held far out.
  constexpr double limit = 1e6;
  return static_cast<int>(r > limit ? limit : (r < -limit ? -limit : r));
}

}  // namespace enemies
