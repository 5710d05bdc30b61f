// The boss lock-on: while the centre of the lock sight lies on a boss, both
// lock-shot sets of that boss lock their records and place their points on
// the boss's body; the shots then fly like the craft lock shots, and each hit
// marks the boss as hit, takes hit points and scores.
#pragma once
#include <array>

#include "bosses/boss_lock_on.h"
#include "game/lock_shot.h"

namespace lockon {

// The boss sight's size: 300 x 240 for every ship type.
constexpr int BossSightW = 300, BossSightH = 240;

// Offers every record of both sets of each boss whose box holds the sight's
// centre (no-hit 0, y at least its lowest) to their Lock setters.
void LockOnBosses();

extern const std::array<LockShotRow, 16> BossLockShotRows;

inline std::array<LockShotRecord, 3> BossLockShot01Shots{};
inline std::array<LockShotRecord, 3> BossLockShot02Shots{};
inline std::array<LockShotRecord, 3> BossLockShot03Shots{};
inline std::array<LockShotRecord, 3> BossLockShot04Shots{};
inline std::array<LockShotRecord, 5> BossLockShot05Shots{};
inline std::array<LockShotRecord, 5> BossLockShot06Shots{};
inline std::array<LockShotRecord, 3> BossLockShot07Shots{};
inline std::array<LockShotRecord, 3> BossLockShot08Shots{};
inline std::array<LockShotRecord, 5> BossLockShot09Shots{};
inline std::array<LockShotRecord, 5> BossLockShot10Shots{};
inline std::array<LockShotRecord, 9> BossLockShot11Shots{};
inline std::array<LockShotRecord, 9> BossLockShot12Shots{};
inline std::array<LockShotRecord, 5> BossLockShot13Shots{};
inline std::array<LockShotRecord, 5> BossLockShot14Shots{};
inline std::array<LockShotRecord, 5> BossLockShot15Shots{};
inline std::array<LockShotRecord, 5> BossLockShot16Shots{};

inline const LockShotInstance BossLockShot01{BossLockShotRows[0], BossLockShot01Shots};
inline const LockShotInstance BossLockShot02{BossLockShotRows[1], BossLockShot02Shots};
inline const LockShotInstance BossLockShot03{BossLockShotRows[2], BossLockShot03Shots};
inline const LockShotInstance BossLockShot04{BossLockShotRows[3], BossLockShot04Shots};
inline const LockShotInstance BossLockShot05{BossLockShotRows[4], BossLockShot05Shots};
inline const LockShotInstance BossLockShot06{BossLockShotRows[5], BossLockShot06Shots};
inline const LockShotInstance BossLockShot07{BossLockShotRows[6], BossLockShot07Shots};
inline const LockShotInstance BossLockShot08{BossLockShotRows[7], BossLockShot08Shots};
inline const LockShotInstance BossLockShot09{BossLockShotRows[8], BossLockShot09Shots};
inline const LockShotInstance BossLockShot10{BossLockShotRows[9], BossLockShot10Shots};
inline const LockShotInstance BossLockShot11{BossLockShotRows[10], BossLockShot11Shots};
inline const LockShotInstance BossLockShot12{BossLockShotRows[11], BossLockShot12Shots};
inline const LockShotInstance BossLockShot13{BossLockShotRows[12], BossLockShot13Shots};
inline const LockShotInstance BossLockShot14{BossLockShotRows[13], BossLockShot14Shots};
inline const LockShotInstance BossLockShot15{BossLockShotRows[14], BossLockShot15Shots};
inline const LockShotInstance BossLockShot16{BossLockShotRows[15], BossLockShot16Shots};

}  // namespace lockon
