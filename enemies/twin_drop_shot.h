// Twin drop shots: on a fixed rhythm a large craft drops its shots in pairs,
// side by side 80 pixels apart, centred on its picture 130 pixels below its
// top. They fall straight, or, in the spreading sets, also move apart
// sideways. A touch ends the ship and the shot falls on.
#pragma once
#include <array>
#include <span>

#include "enemies/common/rules.h"
#include "enemies/large_craft.h"

namespace enemies {

struct TwinDropSlot {
  int Timer = 0;  // Fire calls, wrapping at 150
  float X = ParkX, Y = ParkY;
  float FallSpeed = 0.0f;  // px/s down
  int Active = 0;
};

struct TwinDropShotRow {
  const ObjectSlot& Parent;  // read at each launch, whatever its state
  float CentreX;             // the pair's centre, from the craft's x
  bool Spreading;
};

struct TwinDropShotInstance {
  const TwinDropShotRow& Row;
  std::span<TwinDropSlot> Slots;  // pair g is slots 2g (left) and 2g + 1

  // Advances every timer and starts the pairs whose key comes up.
  void Fire(int sceneParameter = 0) const;
  // Starts one member of the pair whose left member is `first`, unless it
  // is in flight; places both members' x.
  void Spawn(int slot, int first) const;
  void Update(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void ResetSlot(int i) const;
  int SlotCount() const { return static_cast<int>(Slots.size()); }
};

inline constexpr std::array<TwinDropShotRow, 4> TwinDropShotRows{{
    {LargeCraft02Record[0], 100.0f, false},
    {LargeCraft02Record[0], 100.0f, true},
    {LargeCraft03Record[0], 80.0f, false},
    {LargeCraft03Record[0], 80.0f, true},
}};

// Eight pairs.
inline std::array<TwinDropSlot, 16> TwinDropShot01Slots{};
inline std::array<TwinDropSlot, 16> TwinDropShot02Slots{};
inline std::array<TwinDropSlot, 16> TwinDropShot03Slots{};
inline std::array<TwinDropSlot, 16> TwinDropShot04Slots{};

inline constexpr TwinDropShotInstance TwinDropShot01{TwinDropShotRows[0], TwinDropShot01Slots};
inline constexpr TwinDropShotInstance TwinDropShot02{TwinDropShotRows[1], TwinDropShot02Slots};
inline constexpr TwinDropShotInstance TwinDropShot03{TwinDropShotRows[2], TwinDropShot03Slots};
inline constexpr TwinDropShotInstance TwinDropShot04{TwinDropShotRows[3], TwinDropShot04Slots};

}  // namespace enemies
