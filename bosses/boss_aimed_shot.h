// Single bullets that leave guns on a boss's body in groups, each aimed at
// the ship by itself and flying straight at a random speed. A bullet that
// touches the ship is used up.
#pragma once
#include "bosses/boss_record.h"
#include "enemies/common/rules.h"

namespace bosses {

struct BossAimedShotSlot {
  int Frame = 0;        // drawn at the reset; nothing reads it
  int VolleyTimer = 0;  // Fire calls, in lock step over the table
  float X = enemies::ParkX, Y = enemies::ParkY;
  float AimDx = 0.0f, AimDy = 0.0f;
  float Heading = enemies::ResetHeading;
  float Speed = 0.0f;
  int Active = 0;
};

constexpr int BossAimedShotGroupSize = 4;
constexpr int BossAimedShotMaxGroups = 5;

struct BossAimedShotRow {
  const BossRecord* Boss;
  int SlotCount;                             // groups of BossAimedShotGroupSize slots
  int Period;                                // the volley timer wraps to 0 here
  int Keys[BossAimedShotMaxGroups];          // timer value that launches group g
  float GunX[BossAimedShotGroupSize];        // gun of slot k of a group, from the boss
  float GunY[BossAimedShotGroupSize];
  float AimOffset;                           // aim at the ship's corner plus this
  int SpeedBase, SpeedSpread;                // speed rand() % spread + base
  const int* Picture;
  enemies::Cell Size;
  enemies::PlayerHitWindow Box;
  float MinX, MinY, MaxX, MaxY;  // freed strictly outside
};

struct BossAimedShotInstance {
  const BossAimedShotRow& Row;
  BossAimedShotSlot* Slots;

  // Advances the volley timers and launches each free slot of a group whose
  // timer meets the group's key. The argument is the scene's unused int.
  void Fire(int = 0) const;
  void Update(int = 0) const;
  void Draw(int = 0) const;
  void Reset() const;
};

inline BossAimedShotSlot BossAimedShot01Slots[20];
extern const BossAimedShotRow BossAimedShot01Row;
inline constexpr BossAimedShotInstance BossAimedShot01{BossAimedShot01Row, BossAimedShot01Slots};

}  // namespace bosses
