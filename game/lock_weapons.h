// The start state of the lock-on weapons, in the object reset's order: the
// boss weapons' records, then every missile and lock shot with the missiles'
// launch counters. The craft keep their own records and reset them.
#pragma once

namespace lockon {

void ResetLockWeapons();

}  // namespace lockon
