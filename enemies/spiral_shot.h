// Spiral shots: while their window is open, one shot leaves a gun of the
// parent sweeping craft on every second frame, each turned 10 degrees
// further than the one before, so the shots in flight draw a spiral arm
// that sweeps a full turn about the gun. The counter that paces them lives
// in the parent's record and no reset clears it.
#pragma once
#include <array>
#include <span>

#include "enemies/common/rules.h"
#include "enemies/single_craft_record.h"
#include "world/assets.h"

namespace enemies {

struct SpiralShotSlot {
  float X = ParkX, Y = ParkY;
  float Heading = ResetHeading;  // radians
  float Speed = 0.0f;            // px/s
  int Active = 0;
};

struct SpiralShotRow {
  SweepingCraftRecord& Parent;
  int SweepingCraftRecord::*Counter;  // this spiral's counter in the parent's record
  float GunX;
  // The minus spirals turn counter-clockwise on the screen starting
  // leftward; the mirrored (plus) ones clockwise starting rightward.
  bool Mirrored;
  const int* Picture;
};

struct SpiralShotInstance {
  const SpiralShotRow& Row;
  std::span<SpiralShotSlot> Slots;

  // Advances the counter; every second count launches the next slot.
  void Fire(int sceneParameter = 0) const;
  // Launches `slot` at heading index k (k * 10 degrees), unless in flight.
  void Spawn(int slot, int k) const;
  void Update(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void ResetSlot(int i) const;
  int SlotCount() const { return static_cast<int>(Slots.size()); }
};

inline constexpr std::array<SpiralShotRow, 4> SpiralShotRows{{
    {SweepingCraft01Record, &SweepingCraftRecord::SpiralCountLeft, 35.0f, false, &assets::PicVall3013},
    {SweepingCraft01Record, &SweepingCraftRecord::SpiralCountRight, 135.0f, true, &assets::PicVall3014},
    {SweepingCraft02Record, &SweepingCraftRecord::SpiralCountLeft, 35.0f, false, &assets::PicVall3013},
    {SweepingCraft02Record, &SweepingCraftRecord::SpiralCountRight, 135.0f, true, &assets::PicVall3014},
}};

// Slots 1 to 34 fly; 0 and 35 stay parked.
inline std::array<SpiralShotSlot, 36> SpiralShot01Slots{};
inline std::array<SpiralShotSlot, 36> SpiralShot02Slots{};
inline std::array<SpiralShotSlot, 36> SpiralShot03Slots{};
inline std::array<SpiralShotSlot, 36> SpiralShot04Slots{};

inline constexpr SpiralShotInstance SpiralShot01{SpiralShotRows[0], SpiralShot01Slots};
inline constexpr SpiralShotInstance SpiralShot02{SpiralShotRows[1], SpiralShot02Slots};
inline constexpr SpiralShotInstance SpiralShot03{SpiralShotRows[2], SpiralShot03Slots};
inline constexpr SpiralShotInstance SpiralShot04{SpiralShotRows[3], SpiralShot04Slots};

}  // namespace enemies
