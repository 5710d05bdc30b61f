// Arm strikes: a tall arm the scene-6 boss shows below itself for three
// frames (three pictures), hidden for the fourth, struck again while its
// window stays open. It ends the ship only in the frame it is put in place.
#pragma once

#include "bosses/boss_record.h"
#include "enemies/common/rules.h"

namespace patterns {

struct StrikeObject {
  int Frame = 0;  // 1, 2, 3 show the three pictures
  float X = enemies::ParkX, Y = enemies::ParkY;
  int Active = 0;
};

struct ArmStrikeRow {
  bosses::BossRecord* Boss;
  float StartX, StartY;  // offsets from the boss's x and y
  enemies::PlayerHitWindow Box;
};

struct ArmStrikeInstance {
  const ArmStrikeRow& Row;
  StrikeObject* Strike;

  void Spawn() const;
  void Draw() const;
  void Reset() const;
};

inline constexpr enemies::PlayerHitWindow ArmStrikeBox{-60.0f, 30.0f, -220.0f, 30.0f};

inline constexpr ArmStrikeRow ArmStrikeRows[] = {
    {&bosses::Scene6Boss, 36, 205, ArmStrikeBox},
    {&bosses::Scene6Boss, 254, 205, ArmStrikeBox},
};
constexpr int ArmStrikeCount = sizeof(ArmStrikeRows) / sizeof(ArmStrikeRows[0]);

inline StrikeObject ArmStrikeObjects[ArmStrikeCount];

inline constexpr ArmStrikeInstance ArmStrike01{ArmStrikeRows[0], &ArmStrikeObjects[0]};
inline constexpr ArmStrikeInstance ArmStrike02{ArmStrikeRows[1], &ArmStrikeObjects[1]};

}  // namespace patterns
