// The lock points that the boss lock shots of the player's weapons place on a
// boss: one table per boss lock shot, one record per shot. The weapons write
// them; a boss's Draw only reads them, to mark every locked point.
#pragma once

#include "enemies/common/lock_on.h"

namespace bosses {

// The craft's record type: the lock shots fly at both alike.
using enemies::LockOnRecord;

inline LockOnRecord BossLockShot01LockOn[3];
inline LockOnRecord BossLockShot02LockOn[3];
inline LockOnRecord BossLockShot03LockOn[3];
inline LockOnRecord BossLockShot04LockOn[3];
inline LockOnRecord BossLockShot05LockOn[5];
inline LockOnRecord BossLockShot06LockOn[5];
inline LockOnRecord BossLockShot07LockOn[3];
inline LockOnRecord BossLockShot08LockOn[3];
inline LockOnRecord BossLockShot09LockOn[5];
inline LockOnRecord BossLockShot10LockOn[5];
inline LockOnRecord BossLockShot11LockOn[9];
inline LockOnRecord BossLockShot12LockOn[9];
inline LockOnRecord BossLockShot13LockOn[5];
inline LockOnRecord BossLockShot14LockOn[5];
inline LockOnRecord BossLockShot15LockOn[5];
inline LockOnRecord BossLockShot16LockOn[5];

}  // namespace bosses
