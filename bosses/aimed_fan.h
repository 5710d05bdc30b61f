// Aimed fans: a boss gun fires fans of n bullets (3 to 15), 12 degrees apart
// and centred on the line from the gun to a point by the ship, in volleys
// that a timer starts at the keys of its cycle. A bullet is needle, spinning
// ball or plain ball; the look sets its picture, aim point, box and bounds.
#pragma once
#include <array>
#include <span>
#include <type_traits>

#include "bosses/aimed_ring.h"
#include "bosses/aimed_volley.h"
#include "bosses/boss_record.h"
#include "world/assets.h"

namespace bosses {

// One member of a fan.
struct AimedFanSlot {
  int Frame = 0;  // spinning balls only, 0..23
  int VolleyTimer = 0;
  int HeadingDegrees = 0;  // written by the needle draw
  float X = enemies::ParkX, Y = enemies::ParkY;
  float AimDx = 0.0f, AimDy = 0.0f;
  float Heading = enemies::ResetHeading;
  float Speed = 0.0f;
  int Active = 0;
};

enum class FanLook { Needle, SpinningBall, PlainBall };

constexpr int MaxFanVolleys = 5;

struct AimedFanRow {
  Gun From;
  int Members;  // n, odd, centred on the aim line
  int Volleys;  // groups of n consecutive slots
  std::array<int, MaxFanVolleys> Keys;
  int Cycle;
  float Speed;
  FanLook Look;
  const int* Needle = nullptr;  // the needle look's picture id
  bool RingRecord = false;      // its table holds RingBullet records
  float StartHeading = enemies::ResetHeading;

  constexpr int SlotCount() const { return Members * Volleys; }
};

namespace fan_rows {

using enum FanLook;
constexpr std::array<int, 5> Every40{40, 80, 120, 160, 200};
constexpr std::array<int, 5> Every30{30, 60, 90, 120};
constexpr std::array<int, 5> Every20{20, 40, 60, 80, 100};
constexpr std::array<int, 5> Paired{20, 40, 90, 110, 160};
constexpr const int* L0 = &assets::PicVal40l;   // scene 2's needle
constexpr const int* L1 = &assets::PicVal40l1;  // scene 5's
constexpr const int* L2 = &assets::PicVal40l2;  // scene 3's
constexpr float Narrow = enemies::ResetHeadingNarrow;

// Scene 5's needle fans: a centre gun at x 200 and pairs mirrored about it.
constexpr AimedFanRow Scene5Needles(float gunX, int members) {
  return {{&Scene5Boss, gunX, 130}, members, 5, Every40, 260, 220, Needle, L1};
}
// Scene 3's needle fans, pairs mirrored about x 230.
constexpr AimedFanRow Scene3Needles(float gunX, int members) {
  return {{&Scene3Boss, gunX, 130}, members, 5, Every40, 260, 220, Needle, L2};
}

inline constexpr AimedFanRow Rows[] = {
    {{&Scene2Boss, 200, 130}, 5, 5, Every40, 260, 220, Needle, L0},
    {{&Scene2Boss, 210, 130}, 5, 5, Every40, 260, 220, SpinningBall},
    {{&Scene2Boss, 210, 130}, 7, 4, Every30, 150, 200, PlainBall},
    {{&Scene2Boss, 210, 130}, 7, 5, Every20, 130, 200, SpinningBall},
    Scene5Needles(200, 3),
    Scene5Needles(100, 3),
    Scene5Needles(300, 3),
    Scene5Needles(200, 5),
    Scene5Needles(80, 5),
    Scene5Needles(320, 5),
    Scene5Needles(200, 7),
    Scene5Needles(80, 7),
    Scene5Needles(320, 7),
    Scene5Needles(200, 9),
    Scene5Needles(70, 9),
    Scene5Needles(330, 9),
    Scene5Needles(200, 11),
    Scene5Needles(70, 11),
    Scene5Needles(330, 11),
    Scene5Needles(200, 13),
    Scene5Needles(60, 13),
    Scene5Needles(340, 13),
    Scene5Needles(200, 15),
    Scene5Needles(50, 15),
    Scene5Needles(350, 15),
    {{&Scene5Boss, 60, 100}, 3, 5, Paired, 200, 150, SpinningBall, nullptr, true, Narrow},
    {{&Scene5Boss, 360, 100}, 3, 5, Paired, 200, 150, SpinningBall, nullptr, true, Narrow},
    {{&Scene6Boss, 50, 80}, 7, 4, Every30, 150, 200, SpinningBall},
    {{&Scene6Boss, 210, 80}, 7, 4, Every30, 150, 200, SpinningBall},
    {{&Scene6Boss, 30, 130}, 5, 5, Paired, 200, 150, SpinningBall, nullptr, true, Narrow},
    {{&Scene6Boss, 330, 130}, 5, 5, Paired, 200, 150, SpinningBall, nullptr, true, Narrow},
    Scene3Needles(130, 3),
    Scene3Needles(330, 3),
    Scene3Needles(110, 7),
    Scene3Needles(350, 7),
    Scene3Needles(230, 11),
    Scene3Needles(100, 11),
    Scene3Needles(360, 11),
};

}  // namespace fan_rows

inline constexpr const auto& AimedFanRows = fan_rows::Rows;

// The slots of every instance whose table holds records of `Slot`, in
// instance order: the fan's own record, or the ring's for four of them.
template <class Slot>
constexpr bool HoldsRingRecords = std::is_same_v<Slot, RingBullet>;

template <class Slot>
constexpr int AimedFanSlotTotal() {
  int n = 0;
  for (const AimedFanRow& r : AimedFanRows)
    if (r.RingRecord == HoldsRingRecords<Slot>) n += r.SlotCount();
  return n;
}
inline AimedFanSlot AimedFanSlots[AimedFanSlotTotal<AimedFanSlot>()];
inline RingBullet AimedFanRingSlots[AimedFanSlotTotal<RingBullet>()];

// An instance: its row and its own table. The int of Fire, Update and Draw
// is the stage's scene parameter, which they ignore.
template <class Slot>
struct AimedFanInstance {
  const AimedFanRow& Row;
  std::span<Slot> Slots;

  // Advances the volley timers and starts the volleys whose key is reached.
  void Fire(int = 0) const;
  // Starts member slot - first of the fan whose first slot is `first`,
  // unless its slot is in flight.
  void Spawn(int slot, int first) const;
  // Flies the bullets, frees those out of bounds, tests the ship.
  void Update(int = 0) const;
  // Draws every slot in its look.
  void Draw(int = 0) const;

  int SlotCount() const { return static_cast<int>(Slots.size()); }
  void ResetSlot(int slot) const;
};

extern template struct AimedFanInstance<AimedFanSlot>;
extern template struct AimedFanInstance<RingBullet>;

// Instance `number` (1-based) with its slice of the tables of its record.
template <class Slot>
constexpr AimedFanInstance<Slot> AimedFanNumber(int number) {
  const AimedFanRow& row = AimedFanRows[number - 1];
  if (row.RingRecord != HoldsRingRecords<Slot>) throw "the instance holds the other record";
  if (row.RingRecord && row.Look == FanLook::Needle) throw "a ring record keeps no needle heading";
  int first = 0;
  for (int i = 0; i < number - 1; ++i)
    if (AimedFanRows[i].RingRecord == row.RingRecord) first += AimedFanRows[i].SlotCount();
  Slot* table = nullptr;
  if constexpr (HoldsRingRecords<Slot>)
    table = AimedFanRingSlots;
  else
    table = AimedFanSlots;
  return {row, std::span<Slot>(table + first, static_cast<size_t>(row.SlotCount()))};
}

using AimedFan = AimedFanInstance<AimedFanSlot>;
using AimedRingFan = AimedFanInstance<RingBullet>;

inline constexpr AimedFan AimedFan01 = AimedFanNumber<AimedFanSlot>(1);
inline constexpr AimedFan AimedFan02 = AimedFanNumber<AimedFanSlot>(2);
inline constexpr AimedFan AimedFan03 = AimedFanNumber<AimedFanSlot>(3);
inline constexpr AimedFan AimedFan04 = AimedFanNumber<AimedFanSlot>(4);
inline constexpr AimedFan AimedFan05 = AimedFanNumber<AimedFanSlot>(5);
inline constexpr AimedFan AimedFan06 = AimedFanNumber<AimedFanSlot>(6);
inline constexpr AimedFan AimedFan07 = AimedFanNumber<AimedFanSlot>(7);
inline constexpr AimedFan AimedFan08 = AimedFanNumber<AimedFanSlot>(8);
inline constexpr AimedFan AimedFan09 = AimedFanNumber<AimedFanSlot>(9);
inline constexpr AimedFan AimedFan10 = AimedFanNumber<AimedFanSlot>(10);
inline constexpr AimedFan AimedFan11 = AimedFanNumber<AimedFanSlot>(11);
inline constexpr AimedFan AimedFan12 = AimedFanNumber<AimedFanSlot>(12);
inline constexpr AimedFan AimedFan13 = AimedFanNumber<AimedFanSlot>(13);
inline constexpr AimedFan AimedFan14 = AimedFanNumber<AimedFanSlot>(14);
inline constexpr AimedFan AimedFan15 = AimedFanNumber<AimedFanSlot>(15);
inline constexpr AimedFan AimedFan16 = AimedFanNumber<AimedFanSlot>(16);
inline constexpr AimedFan AimedFan17 = AimedFanNumber<AimedFanSlot>(17);
inline constexpr AimedFan AimedFan18 = AimedFanNumber<AimedFanSlot>(18);
inline constexpr AimedFan AimedFan19 = AimedFanNumber<AimedFanSlot>(19);
inline constexpr AimedFan AimedFan20 = AimedFanNumber<AimedFanSlot>(20);
inline constexpr AimedFan AimedFan21 = AimedFanNumber<AimedFanSlot>(21);
inline constexpr AimedFan AimedFan22 = AimedFanNumber<AimedFanSlot>(22);
inline constexpr AimedFan AimedFan23 = AimedFanNumber<AimedFanSlot>(23);
inline constexpr AimedFan AimedFan24 = AimedFanNumber<AimedFanSlot>(24);
inline constexpr AimedFan AimedFan25 = AimedFanNumber<AimedFanSlot>(25);
inline constexpr AimedRingFan AimedFan26 = AimedFanNumber<RingBullet>(26);
inline constexpr AimedRingFan AimedFan27 = AimedFanNumber<RingBullet>(27);
inline constexpr AimedFan AimedFan28 = AimedFanNumber<AimedFanSlot>(28);
inline constexpr AimedFan AimedFan29 = AimedFanNumber<AimedFanSlot>(29);
inline constexpr AimedRingFan AimedFan30 = AimedFanNumber<RingBullet>(30);
inline constexpr AimedRingFan AimedFan31 = AimedFanNumber<RingBullet>(31);
inline constexpr AimedFan AimedFan32 = AimedFanNumber<AimedFanSlot>(32);
inline constexpr AimedFan AimedFan33 = AimedFanNumber<AimedFanSlot>(33);
inline constexpr AimedFan AimedFan34 = AimedFanNumber<AimedFanSlot>(34);
inline constexpr AimedFan AimedFan35 = AimedFanNumber<AimedFanSlot>(35);
inline constexpr AimedFan AimedFan36 = AimedFanNumber<AimedFanSlot>(36);
inline constexpr AimedFan AimedFan37 = AimedFanNumber<AimedFanSlot>(37);
inline constexpr AimedFan AimedFan38 = AimedFanNumber<AimedFanSlot>(38);

}  // namespace bosses
