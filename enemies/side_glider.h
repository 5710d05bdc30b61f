// Side gliders: lockable craft that enter at a side edge at a random height
// in the upper field and glide straight across it at a random speed until
// they leave at the far side. Their slots are the gun points of several shot
// sets and the targets of the homing missiles.
#pragma once
#include <array>
#include <span>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/lock_on.h"
#include "enemies/common/rules.h"
#include "enemies/lockable_craft.h"

namespace enemies {

struct SideGliderRow {
  float EntryX;
  float Sign;  // +1 glides to the right, -1 to the left
};

struct SideGliderInstance {
  const SideGliderRow& Row;
  std::span<ObjectSlot> Slots;
  std::span<LockOnRecord> Locks;  // record i belongs to slot i

  // Starts every free slot at the entry edge; the records are left alone.
  void Spawn(int sceneParameter = 0) const;
  void Move(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void Hit(int slot) const { HitSlot(Slots, slot); }
  void Reset() const;
};

namespace side_glider {

using enum BlastSheet;
using enum Blit;

inline constexpr std::array<BlastLayer, 5> Blended{At(Zbak3b, Add), Spread(Zbak3b, Add, -6, -6),
                                                   Spread(Zbak3b, Add, 6, 2), Spread(Zbak3b, Add, -6, 6),
                                                   Spread(Zbak3b, Add, 1, -6)};
inline constexpr ExplosionStyle Explosion{Blended, PlainBase};
constexpr Cell Sprite{80, 60};
constexpr LockMarker Marker{10, 10};

}  // namespace side_glider

inline constexpr std::array<SideGliderRow, 2> SideGliderRows{{{90.0f, 1.0f}, {620.0f, -1.0f}}};

inline std::array<ObjectSlot, 3> SideGlider01Slots{};
inline std::array<ObjectSlot, 3> SideGlider02Slots{};
inline std::array<LockOnRecord, 3> SideGlider01Locks{};
inline std::array<LockOnRecord, 3> SideGlider02Locks{};

inline constexpr SideGliderInstance SideGlider01{SideGliderRows[0], SideGlider01Slots, SideGlider01Locks};
inline constexpr SideGliderInstance SideGlider02{SideGliderRows[1], SideGlider02Slots, SideGlider02Locks};

}  // namespace enemies
