// What the lockable craft that cross the field from a side edge share: the
// way they leave it. A slot below the screen (only a parked one lies there)
// is parked again at x 360 before the side test, so a slot that never flew
// does not release its record; a slot past either side is parked at x 360,
// and its record is released when its point lies outside x 110..620.
#pragma once
#include "enemies/common/craft_flight.h"
#include "enemies/common/lock_on.h"
#include "enemies/common/rules.h"

namespace enemies::side_entry {

constexpr float EntryLeft = 90.0f, EntryRight = 620.0f;
constexpr float LeftParkX = 360.0f;

inline void Leave(ObjectSlot& s, LockOnRecord& lock) {
  if (s.Y > 600.0f) LeaveField(s, LeftParkX);
  if (s.X < EntryLeft || s.X > EntryRight) {
    LeaveField(s, LeftParkX);
    ReleaseLeaving(lock, CrosserLockBounds);
  }
}

}  // namespace enemies::side_entry
