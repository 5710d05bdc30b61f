// The record of each stage's boss: where its body is, how far its movement
// script and its attack timeline have run, its hit points and its death. The
// boss patterns fire from points relative to its x and y.
#pragma once

#include "enemies/common/rules.h"

namespace bosses {

// The most emit counters a boss holds (the scene-8 boss: ten spiral and
// eight wiggle streams). Each stream instance owns one index of its boss's.
constexpr int MaxEmitCounters = 18;

struct BossRecord {
  int FlameFrame = 0;     // 0..9, the damage flames' animation
  int AttackCounter = 0;  // advanced and wrapped only by the stage frame
  int EmitCounter[MaxEmitCounters] = {};
  float X = enemies::ParkX, Y = enemies::ParkY;  // top-left corner of the body
  float MovePhase = 0.0f;                        // 10 units a second
  float BossHitPoints = 0.0f;
  float DeathTimer = 0.0f;
  int NoHit = 0;
  int BossHitFlag = 0;
};

inline BossRecord Scene2Boss{};
inline BossRecord Scene3Boss{};
inline BossRecord Scene4Boss{};
inline BossRecord Scene5Boss{};
inline BossRecord Scene6Boss{};
inline BossRecord Scene7Boss{};
inline BossRecord Scene8Boss{};
inline BossRecord Scene9Boss{};

}  // namespace bosses
