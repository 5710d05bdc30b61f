// Crossing spinners: lockable craft, drawn turning 7 degrees a frame, that
// enter at a side edge near the top of the field and cross it diagonally,
// sideways and down at random speeds, until they leave at the far side or
// the bottom. Their slots are the gun points of several shot sets and the
// targets of the homing missiles.
#pragma once
#include <array>
#include <span>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/lock_on.h"
#include "enemies/common/rules.h"
#include "enemies/lockable_craft.h"

namespace enemies {

struct CrossingSpinnerRow {
  float EntryX;
  float Sign;  // +1 crosses to the right, -1 to the left
};

struct CrossingSpinnerInstance {
  const CrossingSpinnerRow& Row;
  std::span<ObjectSlot> Slots;
  std::span<LockOnRecord> Locks;  // record i belongs to slot i

  // Starts every free slot at the entry edge; the records are left alone.
  void Spawn(int sceneParameter = 0) const;
  void Move(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void Hit(int slot) const { HitSlot(Slots, slot); }
  // The spin angle and the animation frame keep their values.
  void Reset() const;
};

namespace crossing_spinner {

using enum BlastSheet;
using enum Blit;

inline constexpr std::array<BlastLayer, 7> Blended{
    At(Zbak2b, Add),           Spread(Debris, Add, -4, -6), Spread(Debris, Add, -1, 7), Spread(Debris, Add, -7, -1),
    Spread(Debris, Add, -6, 3), Spread(Debris, Add, 7, 6),   Spread(Debris, Add, 5, -8)};
inline constexpr ExplosionStyle Explosion{Blended, PlainBase};
constexpr Cell Sprite{79, 79};
constexpr LockMarker Marker{10, 10};

}  // namespace crossing_spinner

inline constexpr std::array<CrossingSpinnerRow, 2> CrossingSpinnerRows{{{90.0f, 1.0f}, {620.0f, -1.0f}}};

inline std::array<ObjectSlot, 3> CrossingSpinner01Slots{};
inline std::array<ObjectSlot, 3> CrossingSpinner02Slots{};
inline std::array<LockOnRecord, 3> CrossingSpinner01Locks{};
inline std::array<LockOnRecord, 3> CrossingSpinner02Locks{};

inline constexpr CrossingSpinnerInstance CrossingSpinner01{CrossingSpinnerRows[0], CrossingSpinner01Slots,
                                                           CrossingSpinner01Locks};
inline constexpr CrossingSpinnerInstance CrossingSpinner02{CrossingSpinnerRows[1], CrossingSpinner02Slots,
                                                           CrossingSpinner02Locks};

}  // namespace enemies
