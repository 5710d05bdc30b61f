// What the lock-on weapons share: the heading from a point toward a lock
// point, and whether a lock point lies on the part of the screen the homing
// shots follow it in.
#pragma once
#include <cmath>
#include <span>

#include "enemies/common/lock_on.h"
#include "enemies/common/rules.h"

namespace lockon {

// The craft a weapon flies at: its slots, its lock-on records (record i for
// slot i) and its Hit.
struct CraftTarget {
  std::span<enemies::ObjectSlot> Slots;
  std::span<enemies::LockOnRecord> Locks;
  void (*Hit)(int slot);
};

// The target of a craft instance object (one with Slots, Locks and Hit).
template <const auto& Craft>
constexpr CraftTarget TargetOf() {
  return {Craft.Slots, Craft.Locks, [](int slot) { Craft.Hit(slot); }};
}

// The weapons aim at the lock point plus this on both axes: the middle of
// the 60x60 marker's upper part.
constexpr int LockAim = 20;

// atan(dy / dx), a quarter turn when dx is 0, and a half turn more when the
// target lies left of the point (or straight above it).
inline float HomingHeading(float dx, float dy) {
  constexpr float Pi = static_cast<float>(enemies::Pi);
  float heading = dx == 0.0f ? Pi / 2.0f : std::atan(dy / dx);
  if ((dx <= 0.0f && dy <= 0.0f) || (dx < 0.0f && dy > 0.0f)) heading += Pi;
  return heading;
}

// The heading from (x, y) toward the record's aim point.
inline float HeadingToward(const enemies::LockOnRecord& r, float x, float y) {
  return HomingHeading(static_cast<float>(r.X + LockAim) - x, static_cast<float>(r.Y + LockAim) - y);
}

// Strictly inside 0..540 x 0..480: only there is a point followed.
inline bool OnScreen(const enemies::LockOnRecord& r) { return 0 < r.X && r.X < 540 && 0 < r.Y && r.Y < 480; }

// A record let go after its weapon hit: unlocked at the reset point.
inline void Release(enemies::LockOnRecord& r) { r = enemies::LockOnRecord{}; }

}  // namespace lockon
