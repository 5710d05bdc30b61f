// Spinning lock targets: lockable craft, drawn turning 7 degrees a frame,
// that fly a bent path of five legs: they enter vertically, from above the
// play field or from its bottom edge, turn sideways in three steps and leave
// horizontally. Those from above fire aimed line sets from their first two
// legs. A spawn timer releases slots 0 to 3 one after another; slot 4 never
// starts.
#pragma once
#include <array>
#include <span>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/leg_flight.h"
#include "enemies/common/lock_on.h"
#include "enemies/common/rules.h"

namespace enemies {

struct SpinningLockTargetRow {
  float StartX, StartY;
  const int* Picture;  // 119x119, turned
  LegFlight Flight;
  int LockRight;       // a record right of it is released (its other bounds are shared)
  bool RestartsTimer;  // a start sets the slot's spawn timer back to 0
};

struct SpinningLockTargetInstance {
  const SpinningLockTargetRow& Row;
  std::span<ObjectSlot> Slots;
  std::span<LockOnRecord> Locks;  // record i belongs to slot i

  // The spawn timer: starts slots 0 to 3 at their keys.
  void Fire(int sceneParameter = 0) const;
  // Starts slot `slot` if it is free, and unlocks its record.
  void Spawn(int slot) const;
  // Flies the legs, fires the legs' shot sets, frees the slots that left
  // the field and releases the records outside their bounds.
  void Move(int sceneParameter = 0) const;
  // Draws each slot turned by its spin angle, which then turns on, and its
  // marker while locked; or its explosion.
  void Draw(int sceneParameter = 0) const;
  void Hit(int slot) const { HitSlot(Slots, slot); }
  // The spin angle keeps its value.
  void Reset() const;
};

inline std::array<ObjectSlot, 5> SpinningLockTarget01Slots{};
inline std::array<ObjectSlot, 5> SpinningLockTarget02Slots{};
inline std::array<ObjectSlot, 5> SpinningLockTarget03Slots{};
inline std::array<ObjectSlot, 5> SpinningLockTarget04Slots{};
inline std::array<LockOnRecord, 5> SpinningLockTarget01Locks{};
inline std::array<LockOnRecord, 5> SpinningLockTarget02Locks{};
inline std::array<LockOnRecord, 5> SpinningLockTarget03Locks{};
inline std::array<LockOnRecord, 5> SpinningLockTarget04Locks{};

// Their rows name the aimed line sets they fire, which in turn fly from
// these slots: the instances are defined with the rows, beside the shots.
extern const SpinningLockTargetInstance SpinningLockTarget01;
extern const SpinningLockTargetInstance SpinningLockTarget02;
extern const SpinningLockTargetInstance SpinningLockTarget03;
extern const SpinningLockTargetInstance SpinningLockTarget04;

}  // namespace enemies
