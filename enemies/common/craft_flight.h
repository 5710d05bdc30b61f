// A craft's flight: the fields every Spawn clears, the box it leaves the
// field through (its edges themselves are still inside: every compare is
// strict), and the slot freed below the screen at an x of the kind's
// choosing.
#pragma once
#include "enemies/common/rules.h"

namespace enemies {

// A slot taken into flight: active, no hit, its explosion from frame 0 (a
// cycle counted before is kept) and its animation from frame 0.
inline void StartFlight(ObjectSlot& s) {
  s.Active = 1;
  s.Hit = 0;
  s.ExplosionFrame = 0;
  s.AnimationFrame = 0;
}

struct CraftBounds {
  float LoX, HiX, LoY, HiY;
};

inline bool Outside(const ObjectSlot& s, const CraftBounds& b) {
  return s.X < b.LoX || s.X > b.HiX || s.Y < b.LoY || s.Y > b.HiY;
}

// Frees a slot that left the field: inactive, below the screen at `parkX`.
inline void LeaveField(ObjectSlot& s, float parkX = ParkX) {
  s.Active = 0;
  s.X = parkX;
  s.Y = ParkY;
}

}  // namespace enemies
