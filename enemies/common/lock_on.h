// The lock-on records of the lockable craft: one per slot, with the slot's
// index, holding the 60x60 marker's corner (the point the lock weapons aim
// at) and whether a lock weapon has locked it. The craft keep their records
// up to date: unlocked at Spawn, moved with the craft and drawn while
// locked, released when the craft explodes or leaves the field.
#pragma once
#include <climits>
#include <span>

#include "enemies/common/rules.h"

namespace enemies {

struct LockOnRecord {
  int X = -500;
  int Y = 500;
  int Locked = 0;
};

// Where an unlocked record waits: x 290 after a Spawn or an explosion, x 370
// after its craft left the field with the point outside its bounds. The rest
// y is 0 in most kinds (a kind's row gives its own).
constexpr int LockRestX = 290;
constexpr int LockLeftX = 370;

// The start state of a table of records.
void ResetLockOn(std::span<LockOnRecord> records);

// Unlocked at the rest point: at a Spawn and at the end of the explosion.
void Unlock(LockOnRecord& r, int restY = 0);

// The box, inclusive on every edge, inside which a record keeps its lock
// when its craft leaves the field.
struct LockBounds {
  int LoX, HiX, LoY, HiY;
};
constexpr LockBounds FallerLockBounds{150, 620, -70, 600};
constexpr LockBounds CrosserLockBounds{110, 620, INT_MIN, INT_MAX};  // no y test

// A craft leaving the field: a record whose point lies outside the bounds is
// released at x 370; one inside keeps its lock and its point.
void ReleaseLeaving(LockOnRecord& r, const LockBounds& bounds, int restY = 0);

// After a craft is drawn: a locked record of an active slot moves to the
// craft's truncated corner plus (ox, oy) and its marker is drawn there.
void FollowCraft(LockOnRecord& r, const ObjectSlot& s, int ox, int oy);

}  // namespace enemies
