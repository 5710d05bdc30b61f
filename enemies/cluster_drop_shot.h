// Cluster drop shots: when a large single craft stops mid-screen its Move
// places a cluster of 4 or 6 animated 20x20 bullets in a fixed formation
// below it, and the cluster falls straight down, its upper outer bullets
// drifting sideways so that it opens out (or closes in) as it falls. A
// bullet is freed below the screen; a touch ends the ship and it falls on.
#pragma once
#include <array>
#include <span>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/rules.h"
#include "enemies/common/shot_slot.h"
#include "enemies/single_craft_record.h"
#include "world/assets.h"

namespace enemies {

namespace cluster_drop_shot {
constexpr int MaxSlots = 6;
}

// The formation around (parent + (Ax, Ay)): bullet k at (Bx[k], By[k]) from
// there, added in that order.
struct ClusterFormation {
  float Ax, Ay;
  std::array<float, cluster_drop_shot::MaxSlots> Bx, By;
};

struct ClusterDropShotRow {
  const ObjectSlot& Parent;
  const ClusterFormation& Formation;
  float FallSpeed;
  // Sideways px/s of each bullet, applied once for every bullet in flight.
  std::array<float, cluster_drop_shot::MaxSlots> Drift;
  const int* Picture;
  int Frames;
  Blit How;  // additive, or keyed
};

struct ClusterDropShotInstance {
  const ClusterDropShotRow& Row;
  std::span<ShotSlot> Slots;  // bullet k at formation point k

  // Starts every free bullet and puts the whole cluster back in formation
  // under the parent, wherever it is.
  void Fire(int = 0) const;
  void Update(int = 0) const;
  // Draws every bullet, free or not, and steps every bullet's animation.
  void Draw(int = 0) const;
  void ResetSlot(int i) const;
  int SlotCount() const { return static_cast<int>(Slots.size()); }
};

namespace cluster_drop_shot {

inline constexpr ClusterFormation Square{90.0f, 120.0f, {30, 30, -30, -30}, {-30, 0, 0, -30}};
inline constexpr ClusterFormation Columns{90.0f, 120.0f, {30, 30, 30, -30, -30, -30}, {-60, -15, 0, 0, -15, -60}};
inline constexpr ClusterFormation WideColumns{140.0f, 120.0f, {100, 100, 100, -100, -100, -100},
                                              {-60, -15, 0, 0, -15, -60}};

constexpr std::array<float, MaxSlots> NoDrift{};
constexpr std::array<float, MaxSlots> SquareOpens{20, 0, 0, -20};
constexpr std::array<float, MaxSlots> ColumnsOpen{28, 14, 0, 0, -14, -28};
constexpr std::array<float, MaxSlots> ColumnsClose{-28, -14, 0, 0, 14, 28};

}  // namespace cluster_drop_shot

inline constexpr std::array<ClusterDropShotRow, 7> ClusterDropShotRows{{
    {SweepingCraft01Record, cluster_drop_shot::Square, 140.0f, cluster_drop_shot::NoDrift, &assets::PicVal20241, 24,
     Blit::Add},
    {SweepingCraft02Record, cluster_drop_shot::Square, 140.0f, cluster_drop_shot::NoDrift, &assets::PicVal20241, 24,
     Blit::Add},
    {SweepingCraft03Record, cluster_drop_shot::Square, 150.0f, cluster_drop_shot::SquareOpens, &assets::PicVal20241,
     24, Blit::Add},
    {SweepingCraft04Record, cluster_drop_shot::Square, 140.0f, cluster_drop_shot::SquareOpens, &assets::PicVal20241,
     24, Blit::Add},
    {SweepingCraft05Record, cluster_drop_shot::Columns, 150.0f, cluster_drop_shot::ColumnsOpen, &assets::PicVal20241,
     24, Blit::Add},
    {SweepingCraft06Record, cluster_drop_shot::Columns, 150.0f, cluster_drop_shot::ColumnsOpen, &assets::PicVal20241,
     24, Blit::Add},
    {GiantCraft01Record, cluster_drop_shot::WideColumns, 180.0f, cluster_drop_shot::ColumnsClose, &assets::PicVal201,
     7, Blit::Keyed},
}};

inline std::array<ShotSlot, 4> ClusterDropShot01Slots{};
inline std::array<ShotSlot, 4> ClusterDropShot02Slots{};
inline std::array<ShotSlot, 4> ClusterDropShot03Slots{};
inline std::array<ShotSlot, 4> ClusterDropShot04Slots{};
inline std::array<ShotSlot, 6> ClusterDropShot05Slots{};
inline std::array<ShotSlot, 6> ClusterDropShot06Slots{};
inline std::array<ShotSlot, 6> ClusterDropShot07Slots{};

inline constexpr ClusterDropShotInstance ClusterDropShot01{ClusterDropShotRows[0], ClusterDropShot01Slots};
inline constexpr ClusterDropShotInstance ClusterDropShot02{ClusterDropShotRows[1], ClusterDropShot02Slots};
inline constexpr ClusterDropShotInstance ClusterDropShot03{ClusterDropShotRows[2], ClusterDropShot03Slots};
inline constexpr ClusterDropShotInstance ClusterDropShot04{ClusterDropShotRows[3], ClusterDropShot04Slots};
inline constexpr ClusterDropShotInstance ClusterDropShot05{ClusterDropShotRows[4], ClusterDropShot05Slots};
inline constexpr ClusterDropShotInstance ClusterDropShot06{ClusterDropShotRows[5], ClusterDropShot06Slots};
inline constexpr ClusterDropShotInstance ClusterDropShot07{ClusterDropShotRows[6], ClusterDropShot07Slots};

}  // namespace enemies
