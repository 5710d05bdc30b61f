// The Draw of the lockable craft: a hit slot that is still active runs its
// explosion (and its record is unlocked when the explosion ends); any other
// slot draws its craft and then, while its record is locked and the slot
// active, moves the record onto the craft and draws the marker there. A hit
// slot that is no longer active (it left the field while exploding) counts
// as not exploding.
#pragma once
#include <span>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/lock_on.h"
#include "enemies/common/rules.h"

namespace enemies {

// Where a kind's marker sits on its craft, and the y its records rest at.
struct LockMarker {
  int Ox, Oy;
  int RestY = 0;
};

template <class DrawCraft>
void DrawLockable(std::span<ObjectSlot> slots, std::span<LockOnRecord> locks, const ExplosionStyle& explosion,
                  const LockMarker& marker, DrawCraft drawCraft) {
  for (std::size_t i = 0; i < slots.size() && i < locks.size(); ++i) {
    ObjectSlot& s = slots[i];
    if (s.Hit > 0 && s.Active != 0) {
      if (ExplosionStep(s, explosion)) Unlock(locks[i], marker.RestY);
      continue;
    }
    drawCraft(s);
    FollowCraft(locks[i], s, marker.Ox, marker.Oy);
  }
}

}  // namespace enemies
