// Diagonal divers: lockable craft that enter at a top corner or a side of
// the field and dive across it on a straight diagonal at a random speed
// until they leave it. The two-slot instances keep no lock-on records of
// their own: they use the first two of the three-slot instance on their
// side, so both write one and the same record.
#pragma once
#include <array>
#include <span>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/diver_flight.h"
#include "enemies/common/lock_on.h"
#include "enemies/common/rules.h"
#include "enemies/lockable_craft.h"
#include "world/assets.h"

namespace enemies {

struct DiagonalDiverRow {
  float StartX, StartY;
  int VxRange, VxBase;  // sideways speed = rand() % VxRange + VxBase, px/s
  int VyRange, VyBase;  // then the downward speed
  float Sign;           // +1 dives to the right, -1 to the left
  const int* Sprite;
  ExplosionStyle Explosion;
  bool OwnsLocks;  // its records are its own, not borrowed
};

struct DiagonalDiverInstance {
  const DiagonalDiverRow& Row;
  std::span<ObjectSlot> Slots;
  std::span<LockOnRecord> Locks;  // slot i uses record i, maybe another instance's

  // Starts every free slot at the start point and unlocks its record.
  void Spawn(int sceneParameter = 0) const;
  void Move(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void Hit(int slot) const { HitSlot(Slots, slot); }
  // The slots, and the records when they are its own.
  void Reset() const;
};

namespace diagonal_diver {

constexpr float LeftParkX = 355.0f;
constexpr LockMarker Marker{15, 15};

}  // namespace diagonal_diver

inline constexpr std::array<DiagonalDiverRow, 4> DiagonalDiverRows{{
    {90.0f, -90.0f, 70, 60, 70, 70, 1.0f, &assets::PicSzak21, diver_flight::Burst(false, Halt::FliesOn), true},
    {90.0f, 60.0f, 80, 70, 80, 80, 1.0f, &assets::PicSzak21, diver_flight::Burst(true, Halt::FliesOn), false},
    {620.0f, -90.0f, 70, 60, 70, 70, -1.0f, &assets::PicSzak22, diver_flight::Burst(false, Halt::FliesOn), true},
    {620.0f, 60.0f, 80, 70, 80, 80, -1.0f, &assets::PicSzak22, diver_flight::Burst(true, Halt::Stops), false},
}};

inline std::array<ObjectSlot, 3> DiagonalDiver01Slots{};
inline std::array<ObjectSlot, 2> DiagonalDiver02Slots{};
inline std::array<ObjectSlot, 3> DiagonalDiver03Slots{};
inline std::array<ObjectSlot, 2> DiagonalDiver04Slots{};
inline std::array<LockOnRecord, 3> DiagonalDiver01Locks{};
inline std::array<LockOnRecord, 3> DiagonalDiver03Locks{};

inline constexpr DiagonalDiverInstance DiagonalDiver01{DiagonalDiverRows[0], DiagonalDiver01Slots,
                                                       DiagonalDiver01Locks};
inline constexpr DiagonalDiverInstance DiagonalDiver02{DiagonalDiverRows[1], DiagonalDiver02Slots,
                                                       std::span(DiagonalDiver01Locks).first<2>()};
inline constexpr DiagonalDiverInstance DiagonalDiver03{DiagonalDiverRows[2], DiagonalDiver03Slots,
                                                       DiagonalDiver03Locks};
inline constexpr DiagonalDiverInstance DiagonalDiver04{DiagonalDiverRows[3], DiagonalDiver04Slots,
                                                       std::span(DiagonalDiver03Locks).first<2>()};

}  // namespace enemies
