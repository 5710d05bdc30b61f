#include "game/lock_weapons.h"

#include "game/boss_lock_shot.h"
#include "game/lock_shot.h"
#include "game/missile_barrage.h"

namespace lockon {

namespace {

const LockShotInstance* const kBossSets[] = {&BossLockShot01, &BossLockShot02, &BossLockShot03, &BossLockShot04,
                                             &BossLockShot05, &BossLockShot06, &BossLockShot07, &BossLockShot08,
                                             &BossLockShot09, &BossLockShot10, &BossLockShot11, &BossLockShot12,
                                             &BossLockShot13, &BossLockShot14, &BossLockShot15, &BossLockShot16};

}  // namespace

void ResetLockWeapons() {
  // The boss sets' records, the two sets of a boss together.
  for (const LockShotInstance* set : kBossSets) set->ResetLocks();

  MissileBarrage01.Reset();
  LockShot01.Reset();
  LockShot02.Reset();
  MissileBarrage02.Reset();
  MissileBarrage03.Reset();
  MissileBarrage04.Reset();
  LockShot03.Reset();
  LockShot04.Reset();
  LockShot05.Reset();
  LockShot06.Reset();
  LockShot07.Reset();
  LockShot08.Reset();
  for (const LockShotInstance* set : kBossSets) set->Reset();
}

}  // namespace lockon
