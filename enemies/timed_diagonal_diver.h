// Timed diagonal divers: craft that enter at a top corner of the field and
// cross it on a 45-degree diagonal at a fixed speed. A spawn timer releases
// the five slots of a table one after the other, one every 100 calls.
#pragma once
#include <array>
#include <span>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/diver_flight.h"
#include "enemies/common/rules.h"
#include "world/assets.h"

namespace enemies {

struct TimedDiagonalDiverRow {
  float StartX;
  float Vx;  // signed: the side it flies to
  const int* Sprite;
  ExplosionStyle Explosion;
};

struct TimedDiagonalDiverInstance {
  const TimedDiagonalDiverRow& Row;
  std::span<ObjectSlot> Slots;

  // Advances every slot's spawn timer (they run in step, 0..500) and starts
  // slot k when the timers stand at 100 (k + 1).
  void Fire(int sceneParameter = 0) const;
  // Starts slot k if it is free; only Fire calls it.
  void Spawn(int slot) const;
  void Move(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void Hit(int slot) const { HitSlot(Slots, slot); }
  void Reset() const;
};

inline constexpr std::array<TimedDiagonalDiverRow, 2> TimedDiagonalDiverRows{{
    {90.0f, 200.0f, &assets::PicSzak21, diver_flight::Burst(true, Halt::FliesOn)},
    {620.0f, -200.0f, &assets::PicSzak22, diver_flight::Burst(true, Halt::Stops)},
}};

inline std::array<ObjectSlot, 5> TimedDiagonalDiver01Slots{};
inline std::array<ObjectSlot, 5> TimedDiagonalDiver02Slots{};

inline constexpr TimedDiagonalDiverInstance TimedDiagonalDiver01{TimedDiagonalDiverRows[0],
                                                                 TimedDiagonalDiver01Slots};
inline constexpr TimedDiagonalDiverInstance TimedDiagonalDiver02{TimedDiagonalDiverRows[1],
                                                                 TimedDiagonalDiver02Slots};

}  // namespace enemies
