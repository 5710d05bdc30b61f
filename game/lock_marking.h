// Lock marking: every lockable craft slot whose lock box overlaps the lock
// sight gets its record locked, through the Lock of the weapon that reads
// the record. Nothing in the game moves the sight or calls the marking; the
// boss weapons lock their bosses themselves (LockOnBosses).
#pragma once
#include <array>

#include "enemies/common/lock_on.h"

namespace lockon {

// The sight's size by ship type; any other type takes that of type 1.
struct SightSize {
  int W, H;
};
SightSize CraftSightSize();

// Locks every lockable slot (no-hit 0, y at least -30) whose box overlaps
// the sight rectangle, edges included. It never unlocks.
void MarkLockTargets();

// Two tables of records that belong to no craft; nothing reads them.
constexpr int SpareLockRecordCount = 5;
inline std::array<enemies::LockOnRecord, SpareLockRecordCount> SpareLockRecordsA{};
inline std::array<enemies::LockOnRecord, SpareLockRecordCount> SpareLockRecordsB{};
void MarkSpareLockRecordA(int slot);
void MarkSpareLockRecordB(int slot);

}  // namespace lockon
