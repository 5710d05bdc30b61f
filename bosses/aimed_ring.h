// Aimed rings: a boss gun fires whole rings of R spinning balls (12, 20 or
// 30) at one speed, spread evenly around the circle with the first ball
// aimed at the ship; a volley timer starts up to ten rings at the keys of its
// cycle. A bullet still in flight when its ring comes again leaves a gap.
#pragma once
#include <array>
#include <span>

#include "bosses/aimed_volley.h"
#include "bosses/boss_record.h"

namespace bosses {

// One ball of a ring; also the bullet record of four aimed fan tables.
struct RingBullet {
  int Frame = 0;  // 0..23 of the spinning ball
  int VolleyTimer = 0;
  float X = enemies::ParkX, Y = enemies::ParkY;
  float AimDx = 0.0f, AimDy = 0.0f;
  float Heading = enemies::ResetHeading;
  float Speed = 0.0f;
  int Active = 0;
};

constexpr int MaxRings = 10;

struct AimedRingRow {
  Gun From;
  int Bullets;  // R, the balls of a ring
  int Rings;    // G, each ring R consecutive slots
  std::array<int, MaxRings> Keys;
  int Cycle;
  float Speed;
  float StartHeading = enemies::ResetHeading;

  constexpr int SlotCount() const { return Bullets * Rings; }
};

// The ring's aim point is the ship's corner plus this on both axes; every
// ring frees its balls beyond -20 and tests the 20x20 ball's box.
constexpr float RingAimOffset = 20.0f;
constexpr float RingLowBound = -20.0f;

inline constexpr AimedRingRow AimedRingRows[] = {
    {{&Scene4Boss, 110, 130}, 12, 6, {20, 40, 60, 80, 100, 120}, 140, 140},
    {{&Scene4Boss, 310, 130}, 12, 6, {20, 40, 60, 80, 100, 120}, 140, 140},
    {{&Scene8Boss, 220, 220}, 20, 10, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, 340, 140},
    {{&Scene8Boss, 220, 220}, 30, 10, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, 340, 120},
    {{&Scene8Boss, 220, 220}, 20, 10, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 1000, 140},
    {{&Scene8Boss, 220, 220}, 30, 9, {10, 20, 30, 40, 50, 60, 70, 80, 90}, 100, 120},
    {{&Scene5Boss, 110, 130}, 12, 6, {30, 60, 90, 120, 150, 180}, 250, 140},
    {{&Scene5Boss, 310, 130}, 12, 6, {30, 60, 90, 120, 150, 180}, 250, 140},
    {{&Scene7Boss, 220, 190},
     30,
     10,
     {30, 60, 120, 150, 180, 210, 240, 300, 330, 360},
     390,
     100,
     enemies::ResetHeadingNarrow},
    {{&Scene3Boss, 140, 130}, 12, 6, {30, 50, 90, 110, 130, 150}, 200, 140},
    {{&Scene3Boss, 340, 130}, 12, 6, {30, 50, 90, 110, 130, 150}, 200, 140},
    {{&Scene8Boss, 220, 180}, 30, 10, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, 340, 100},
};

// Every instance's table, one after another.
constexpr int AimedRingSlotTotal = [] {
  int n = 0;
  for (const AimedRingRow& r : AimedRingRows) n += r.SlotCount();
  return n;
}();
inline RingBullet AimedRingSlots[AimedRingSlotTotal];

// An instance: its row and its own table. The int of Fire, Update and Draw
// is the stage's scene parameter, which they ignore.
struct AimedRingInstance {
  const AimedRingRow& Row;
  std::span<RingBullet> Slots;

  // Advances the volley timers and starts the rings whose key is reached.
  void Fire(int = 0) const;
  // Starts the ball of slot `slot` unless it is in flight.
  void Spawn(int slot) const;
  // Flies the balls, frees those out of bounds, tests the ship.
  void Update(int = 0) const;
  // Draws every slot and spins its ball.
  void Draw(int = 0) const;

  int SlotCount() const { return static_cast<int>(Slots.size()); }
  void ResetSlot(int slot) const;
};

// Instance `number` (1-based) with its slice of the tables.
constexpr AimedRingInstance AimedRingNumber(int number) {
  int first = 0;
  for (int i = 0; i < number - 1; ++i) first += AimedRingRows[i].SlotCount();
  const AimedRingRow& row = AimedRingRows[number - 1];
  return {row, std::span<RingBullet>(AimedRingSlots + first, static_cast<size_t>(row.SlotCount()))};
}

inline constexpr AimedRingInstance AimedRing01 = AimedRingNumber(1);
inline constexpr AimedRingInstance AimedRing02 = AimedRingNumber(2);
inline constexpr AimedRingInstance AimedRing03 = AimedRingNumber(3);
inline constexpr AimedRingInstance AimedRing04 = AimedRingNumber(4);
inline constexpr AimedRingInstance AimedRing05 = AimedRingNumber(5);
inline constexpr AimedRingInstance AimedRing06 = AimedRingNumber(6);
inline constexpr AimedRingInstance AimedRing07 = AimedRingNumber(7);
inline constexpr AimedRingInstance AimedRing08 = AimedRingNumber(8);
inline constexpr AimedRingInstance AimedRing09 = AimedRingNumber(9);
inline constexpr AimedRingInstance AimedRing10 = AimedRingNumber(10);
inline constexpr AimedRingInstance AimedRing11 = AimedRingNumber(11);
inline constexpr AimedRingInstance AimedRing12 = AimedRingNumber(12);

}  // namespace bosses
