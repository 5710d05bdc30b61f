#include "game/lock_marking.h"

#include <span>

#include "enemies/crossing_spinner.h"
#include "enemies/diagonal_diver.h"
#include "enemies/rising_lock_target.h"
#include "enemies/side_glider.h"
#include "enemies/spinning_lock_target.h"
#include "game/lock_shot.h"
#include "game/lock_sight.h"
#include "game/missile_barrage.h"
#include "game/options.h"

namespace lockon {

namespace {

// A lockable craft instance as the marking sees it: its slots, its lock box
// (x from ex + A to ex + C, y from ey + B to ey + D around the truncated
// corner) and the Lock of the weapon that reads its records.
struct MarkRow {
  std::span<enemies::ObjectSlot> Slots;
  int A, C, B, D;
  void (*Lock)(int slot);
};

constexpr float LowestLockY = -30.0f;

// In the order they are marked.
const MarkRow kMarkRows[] = {
    {enemies::RisingLockTarget01Slots, 20, 60, 40, 60, [](int i) { LockShot01.Lock(i); }},
    {enemies::RisingLockTarget02Slots, 40, 60, 60, 60, [](int i) { LockShot02.Lock(i); }},
    {enemies::CrossingSpinner01Slots, 20, 60, 20, 60, [](int i) { MissileBarrage01.Lock(i); }},
    {enemies::CrossingSpinner02Slots, 20, 60, 20, 60, [](int i) { MissileBarrage02.Lock(i); }},
    {enemies::SideGlider01Slots, 20, 60, 0, 60, [](int i) { MissileBarrage03.Lock(i); }},
    {enemies::SideGlider02Slots, 20, 60, 0, 60, [](int i) { MissileBarrage04.Lock(i); }},
    // The two-slot divers share these records and are not tested themselves.
    {enemies::DiagonalDiver01Slots, 30, 60, 30, 60, [](int i) { LockShot03.Lock(i); }},
    {enemies::DiagonalDiver03Slots, 30, 60, 30, 60, [](int i) { LockShot04.Lock(i); }},
    {enemies::SpinningLockTarget01Slots, 40, 80, 40, 80, [](int i) { LockShot05.Lock(i); }},
    {enemies::SpinningLockTarget02Slots, 40, 80, 40, 80, [](int i) { LockShot06.Lock(i); }},
    {enemies::SpinningLockTarget03Slots, 40, 80, 40, 80, [](int i) { LockShot07.Lock(i); }},
    {enemies::SpinningLockTarget04Slots, 40, 80, 40, 80, [](int i) { LockShot08.Lock(i); }},
};

void MarkSpare(std::span<enemies::LockOnRecord> records, int slot) {
  if (slot >= 0 && slot < static_cast<int>(records.size())) records[static_cast<size_t>(slot)].Locked = 1;
}

}  // namespace

SightSize CraftSightSize() { return flow::ShipType == 2 ? SightSize{300, 240} : SightSize{640, 500}; }

void MarkLockTargets() {
  const SightSize size = CraftSightSize();
  const int sx = player::LockSight.X, sy = player::LockSight.Y;
  for (const MarkRow& row : kMarkRows) {
    const int n = static_cast<int>(row.Slots.size());
    for (int i = 0; i < n; ++i) {
      // The active flag is not read: a parked slot lies far below any sight.
      const enemies::ObjectSlot& s = row.Slots[static_cast<size_t>(i)];
      if (s.NoHit != 0 || s.Y < LowestLockY) continue;
      const int ex = enemies::Px(s.X), ey = enemies::Px(s.Y);
      if (ex + row.A - size.W <= sx && sx <= ex + row.C && ey + row.B - size.H <= sy && sy <= ey + row.D) row.Lock(i);
    }
  }
}

void MarkSpareLockRecordA(int slot) { MarkSpare(SpareLockRecordsA, slot); }
void MarkSpareLockRecordB(int slot) { MarkSpare(SpareLockRecordsB, slot); }

}  // namespace lockon
