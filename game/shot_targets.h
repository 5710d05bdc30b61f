// What the player's shots and the bomb's shards can hit: one table of
// targets, in the order they are tested, each with its records, the lowest y
// at which it can be hit, its box around the truncated position per shot set
// and the points it gives.
#pragma once
#include <span>

#include "bosses/boss_record.h"
#include "enemies/common/rules.h"

namespace shots {

enum class ShotSet { A, B, Special, Shard };

// An inclusive range of offsets from a target's truncated x or y.
struct Range {
  int Lo, Hi;
};

// A craft kind's records as the collision sees them: its slots (the active
// flag is not read: a free slot is parked out of reach) and its Hit.
struct CraftTarget {
  std::span<enemies::ObjectSlot> Slots;
  void (*Hit)(int slot);
};

struct BossTarget {
  bosses::BossRecord* Record;
  void (*Hit)();
};

struct Target {
  CraftTarget Craft;  // empty for a boss
  BossTarget Boss;    // Record nullptr for a craft
  float MinY;
  float MinYSpecial;  // the special shots' own lowest y
  Range Y;
  Range XA, XB, XS;  // the shards use the boxes of set B
  int PointsA, PointsB, PointsS;
  bool DirectA;         // set A adds its points to the score directly, whatever the modes
  bool CountsTouches;   // only the 25th touch (the slot's hit counter) hits
  float ShardDamage;    // hit points a shard takes from a boss per second of frame step
};

std::span<const Target> Targets();

// Tests one shot at (sx, sy) against every target in order, calling the Hit
// operations and giving the points. Returns true when the shot is used up
// (a main shot on a boss).
bool HitTargets(int sx, int sy, ShotSet set);

}  // namespace shots
