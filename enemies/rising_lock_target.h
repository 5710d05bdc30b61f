// Rising lock targets: lockable craft that would appear low in the field at a
// random x and climb straight up at a random speed until they leave at the
// top. No stage starts them; the stages still move and draw them, and the
// weapons still hit them.
#pragma once
#include <array>
#include <span>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/craft_flight.h"
#include "enemies/common/lock_on.h"
#include "enemies/common/rules.h"
#include "enemies/lockable_craft.h"
#include "world/assets.h"

namespace enemies {

struct RisingLockTargetRow {
  int XRange;       // start x = rand() % XRange + 180
  int VRange;       // climb speed = rand() % VRange + 120, px/s
  CraftBounds Field;  // leaving it frees the slot
  float LeftParkX;  // where a slot that left the field waits (y 2550)
  const int* Sprite;
  Cell SpriteCell;
  LockMarker Marker;  // its rest y is also where Spawn and the explosion put the record
};

struct RisingLockTargetInstance {
  const RisingLockTargetRow& Row;
  std::span<ObjectSlot> Slots;
  std::span<LockOnRecord> Locks;  // record i belongs to slot i

  // Starts every free slot at y 480 and unlocks its record.
  void Spawn(int sceneParameter = 0) const;
  void Move(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void Hit(int slot) const { HitSlot(Slots, slot); }
  void Reset() const;
};

namespace rising_lock_target {

inline constexpr std::array<BlastLayer, 1> Blended{At(BlastSheet::Zbak2b, Blit::Add)};
// It climbs on while it burns.
inline constexpr ExplosionStyle Explosion{Blended, PlainBase, 8, Halt::FliesOn};

}  // namespace rising_lock_target

inline constexpr std::array<RisingLockTargetRow, 2> RisingLockTargetRows{{
    {360, 100, CraftBounds{100.0f, 620.0f, -100.0f, 600.0f}, 360.0f, &assets::PicSzak3, Cell{80, 100},
     LockMarker{10, 20, 500}},
    {340, 80, CraftBounds{80.0f, 620.0f, -120.0f, 600.0f}, 350.0f, &assets::PicSzak4, Cell{100, 120},
     LockMarker{20, 30, 0}},
}};

inline std::array<ObjectSlot, 3> RisingLockTarget01Slots{};
inline std::array<ObjectSlot, 3> RisingLockTarget02Slots{};
inline std::array<LockOnRecord, 3> RisingLockTarget01Locks{};
inline std::array<LockOnRecord, 3> RisingLockTarget02Locks{};

inline constexpr RisingLockTargetInstance RisingLockTarget01{RisingLockTargetRows[0], RisingLockTarget01Slots,
                                                             RisingLockTarget01Locks};
inline constexpr RisingLockTargetInstance RisingLockTarget02{RisingLockTargetRows[1], RisingLockTarget02Slots,
                                                             RisingLockTarget02Locks};

}  // namespace enemies
