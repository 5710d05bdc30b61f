#include "game/lock_weapons.h"

#include "game/lock_shot.h"
#include "game/missile_barrage.h"

namespace lockon {

void ResetLockWeapons() {
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
}

}  // namespace lockon
