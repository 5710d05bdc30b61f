// The craft lock shots: which craft each flies at, how it leaves the ship and
// the small differences of the four that fly at the spinning lock targets.
#include "enemies/diagonal_diver.h"
#include "enemies/rising_lock_target.h"
#include "enemies/spinning_lock_target.h"
#include "game/lock_shot.h"

namespace lockon {

namespace {

using enum Look;

// The first four drift aside after their launch at a speed that depends on
// the ship; the others fly at 750 from the start.
constexpr LockShotRow Drifting(CraftTarget t, DriftSigns drift) {
  return LockShotRow{t.Locks, t.Hit,
                     nullptr, 0.0f,
                     300,     {},
                     false,   0.0f,
                     10.0f,   {600.0f, 700.0f, KeepSpeed},
                     true,    drift,
                     30.0f,   {1.0f, 2.0f},
                     {1.0f, 10.0f}, false,
                     540.0f,
                     20.0f,   {Picture, Lightning, None}};
}
constexpr LockShotRow Fast(CraftTarget t, float startY, float leaveX, float hitLoY) {
  return LockShotRow{t.Locks, t.Hit,
                     nullptr, 0.0f,
                     300,     {},
                     false,   0.0f,
                     startY,  {750.0f, 750.0f, 750.0f},
                     false,   {},
                     0.0f,    {},
                     {},      false,
                     leaveX,
                     hitLoY,  {Picture, Lightning, None}};
}

// The spinning lock targets' instances are not constants: their tables are
// named directly.
template <const enemies::SpinningLockTargetInstance& I>
void HitSpinning(int slot) {
  I.Hit(slot);
}
template <const enemies::SpinningLockTargetInstance& I, auto& Slots, auto& Locks>
constexpr CraftTarget Spinning() {
  return {Slots, Locks, &HitSpinning<I>};
}

}  // namespace

constinit const std::array<LockShotRow, 8> LockShotRows{{
    Drifting(TargetOf<enemies::RisingLockTarget01>(), {-1, -1, 1}),
    Drifting(TargetOf<enemies::RisingLockTarget02>(), {1, 1, -1}),
    Drifting(TargetOf<enemies::DiagonalDiver01>(), AllDrift(-1)),
    Drifting(TargetOf<enemies::DiagonalDiver03>(), AllDrift(1)),
    Fast(Spinning<enemies::SpinningLockTarget01, enemies::SpinningLockTarget01Slots,
                  enemies::SpinningLockTarget01Locks>(),
         10.0f, 540.0f, 20.0f),
    Fast(Spinning<enemies::SpinningLockTarget02, enemies::SpinningLockTarget02Slots,
                  enemies::SpinningLockTarget02Locks>(),
         9.0f, 541.0f, 21.0f),
    Fast(Spinning<enemies::SpinningLockTarget03, enemies::SpinningLockTarget03Slots,
                  enemies::SpinningLockTarget03Locks>(),
         9.0f, 542.0f, 22.0f),
    Fast(Spinning<enemies::SpinningLockTarget04, enemies::SpinningLockTarget04Slots,
                  enemies::SpinningLockTarget04Locks>(),
         8.0f, 543.0f, 23.0f),
}};

}  // namespace lockon
