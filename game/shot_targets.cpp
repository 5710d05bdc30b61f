#include "game/shot_targets.h"

#include "bosses/boss.h"
#include "enemies/crossing_spinner.h"
#include "enemies/diagonal_diver.h"
#include "enemies/diagonal_large_craft.h"
#include "enemies/flame_faller.h"
#include "enemies/giant_craft.h"
#include "enemies/lane_diver.h"
#include "enemies/large_craft.h"
#include "enemies/rising_lock_target.h"
#include "enemies/side_glider.h"
#include "enemies/spinning_faller.h"
#include "enemies/spinning_lock_target.h"
#include "enemies/sweeping_craft.h"
#include "enemies/timed_diagonal_diver.h"
#include "enemies/zigzag_fighter.h"
#include "engine/frame.h"
#include "game/score.h"

using namespace score;

namespace shots {

namespace {

// Touches counted before a counting target takes its Hit and its points.
constexpr int TouchesToHit = 25;
constexpr int DirectPoints = 20;

template <const auto& I>
constexpr CraftTarget Craft() {
  return {I.Slots, [](int slot) { I.Hit(slot); }};
}

// A craft row: the lowest y, the y box, and per set its x box and points.
constexpr Target CraftRow(CraftTarget c, float minY, Range y, Range xa, int pa, Range xb, int pb, Range xs, int ps,
                          float minYSpecial) {
  return Target{c, {}, minY, minYSpecial, y, xa, xb, xs, pa, pb, ps, false, false, 0.0f};
}
constexpr Target CraftRow(CraftTarget c, float minY, Range y, Range xa, int pa, Range xb, int pb, Range xs, int ps) {
  return CraftRow(c, minY, y, xa, pa, xb, pb, xs, ps, minY);
}
// The divers: set A adds its 20 points to the score directly.
constexpr Target DiverRow(CraftTarget c) {
  Target t = CraftRow(c, -30, {-60, 50}, {0, 30}, DirectPoints, {0, 30}, 50, {0, 70}, 50);
  t.DirectA = true;
  return t;
}
constexpr Target Fighter(CraftTarget c, float minY = -30) {
  return CraftRow(c, minY, {-60, 50}, {0, 40}, 100, {0, 40}, 50, {0, 80}, 50);
}
constexpr Target LockTarget(CraftTarget c) {
  return CraftRow(c, -30, {-60, 50}, {0, 60}, 250, {0, 60}, 250, {0, 100}, 250);
}
constexpr Target Sweeper(CraftTarget c) {
  return CraftRow(c, -30, {-60, 50}, {60, 80}, 300, {60, 80}, 300, {40, 140}, 300);
}
// The giant craft takes its Hit and points only from its 25th touch on.
constexpr Target Giant(CraftTarget c) {
  Target t = CraftRow(c, -30, {-60, 200}, {60, 180}, 500, {60, 180}, 500, {40, 240}, 500);
  t.CountsTouches = true;
  return t;
}
// A boss: a shard takes `shard` hit points per second of frame step.
template <const auto& Ops>
constexpr Target BossRow(bosses::BossRecord& r, Range xa, int pa, Range xb, int pb, Range xs, int ps, float shard) {
  return Target{{}, {&r, [] { Ops.Hit(); }}, 0, 0, {10, 200}, xa, xb, xs, pa, pb, ps, false, false, shard};
}

// Faller-sized craft: the boxes of sets A, B and the special shots.
constexpr Range Y60{-60, 50};
constexpr Range X40{-40, 60}, X60{-60, 80}, X20{-20, 80};

using namespace enemies;
using namespace bosses;

// In the order they are tested: the craft, then the bosses.
const Target kTargets[] = {
    CraftRow(Craft<FlameFaller01>(), -45, Y60, {-40, 50}, 100, {-60, 70}, 50, {-20, 70}, 50),
    CraftRow(Craft<RisingLockTarget01>(), -30, {-60, 60}, {-40, 60}, 250, {-40, 60}, 250, {0, 60}, 250),
    CraftRow(Craft<RisingLockTarget02>(), -30, {-60, 60}, {-40, 80}, 250, {-40, 80}, 250, {0, 80}, 250),
    CraftRow(Craft<LaneDiver01>(), -50, Y60, {-40, 40}, 100, {-60, 60}, 50, {-20, 60}, 50),
    CraftRow(Craft<LaneDiver02>(), -50, Y60, {-40, 40}, 100, {-60, 60}, 50, {-20, 60}, 50),
    CraftRow(Craft<SpinningFaller01>(), -30, Y60, X40, 100, X60, 50, X20, 50),
    CraftRow(Craft<SpinningFaller02>(), -30, Y60, X40, 100, X60, 50, X20, 50),
    CraftRow(Craft<SpinningFaller03>(), -30, Y60, X40, 100, X60, 50, X20, 50),
    CraftRow(Craft<FlameFaller02>(), -30, Y60, X40, 100, X60, 50, X20, 50),
    CraftRow(Craft<CrossingSpinner01>(), -60, Y60, X40, 150, X60, 50, X20, 50),
    CraftRow(Craft<CrossingSpinner02>(), -60, Y60, X40, 150, X60, 50, X20, 50),
    CraftRow(Craft<FlameFaller03>(), -30, Y60, X40, 100, X60, 50, X20, 50),
    CraftRow(Craft<SideGlider01>(), -30, Y60, X40, 200, X60, 50, X20, 50),
    CraftRow(Craft<SideGlider02>(), -30, Y60, X40, 200, X60, 50, X20, 50),
    CraftRow(Craft<DiagonalLargeCraft01>(), -30, Y60, {0, 140}, 100, {0, 140}, 50, {0, 180}, 50, 5),
    CraftRow(Craft<DiagonalLargeCraft02>(), -30, Y60, {0, 140}, 100, {0, 140}, 50, {0, 180}, 50, 5),
    DiverRow(Craft<DiagonalDiver01>()),
    DiverRow(Craft<DiagonalDiver02>()),
    DiverRow(Craft<TimedDiagonalDiver01>()),
    DiverRow(Craft<DiagonalDiver03>()),
    DiverRow(Craft<DiagonalDiver04>()),
    DiverRow(Craft<TimedDiagonalDiver02>()),
    Fighter(Craft<ZigzagFighter01>()),
    Fighter(Craft<ZigzagFighter02>()),
    Fighter(Craft<ZigzagFighter03>()),
    Fighter(Craft<ZigzagFighter04>()),
    Fighter(Craft<ZigzagFighter05>()),
    Fighter(Craft<ZigzagFighter06>()),
    Fighter(Craft<ZigzagFighter07>(), -32),
    Fighter(Craft<ZigzagFighter08>()),
    LockTarget(Craft<SpinningLockTarget01>()),
    LockTarget(Craft<SpinningLockTarget02>()),
    LockTarget(Craft<SpinningLockTarget03>()),
    LockTarget(Craft<SpinningLockTarget04>()),
    // The first large craft's x boxes for sets A and B run backwards (their
    // left edge past their right), so those sets never hit it: only the
    // special shots can.
    CraftRow(Craft<LargeCraft01>(), -30, Y60, {60, 20}, 100, {60, 20}, 50, {40, 80}, 50),
    CraftRow(Craft<LargeCraft02>(), -30, Y60, {60, 120}, 100, {60, 120}, 50, {40, 180}, 50, 5),
    CraftRow(Craft<LargeCraft03>(), -30, Y60, {60, 80}, 100, {60, 80}, 50, {40, 140}, 50, 5),
    Sweeper(Craft<SweepingCraft01>()),
    Sweeper(Craft<SweepingCraft02>()),
    Sweeper(Craft<SweepingCraft03>()),
    Sweeper(Craft<SweepingCraft04>()),
    Sweeper(Craft<SweepingCraft05>()),
    Sweeper(Craft<SweepingCraft06>()),
    Giant(Craft<GiantCraft01>()),
    BossRow<Scene2BossOps>(Scene2Boss, {80, 300}, 100, {80, 300}, 50, {80, 340}, 50, 40),
    BossRow<Scene4BossOps>(Scene4Boss, {80, 300}, 100, {80, 300}, 50, {80, 340}, 50, 40),
    BossRow<Scene8BossOps>(Scene8Boss, {80, 320}, 100, {80, 320}, 50, {80, 360}, 50, 40),
    BossRow<Scene5BossOps>(Scene5Boss, {80, 300}, 100, {80, 300}, 50, {80, 340}, 50, 40),
    BossRow<Scene6BossOps>(Scene6Boss, {50, 270}, 100, {50, 270}, 50, {50, 310}, 50, 40),
    BossRow<Scene7BossOps>(Scene7Boss, {50, 330}, 250, {50, 330}, 50, {50, 370}, 50, 35),
    BossRow<Scene3BossOps>(Scene3Boss, {50, 390}, 250, {50, 390}, 60, {50, 430}, 60, 35),
    BossRow<Scene9BossOps>(Scene9Boss, {50, 370}, 100, {50, 370}, 50, {50, 410}, 50, 40),
};

bool Inside(int v, int base, Range r) { return base + r.Lo <= v && v <= base + r.Hi; }

// One record's test; returns true when the shot is used up.
bool TestRecord(const Target& t, float x, float y, int noHit, int sx, int sy, ShotSet set, int slot) {
  const float minY = set == ShotSet::Special ? t.MinYSpecial : t.MinY;
  if (noHit != 0 || y < minY) return false;
  const int ex = enemies::Px(x), ey = enemies::Px(y);
  const Range& xr = set == ShotSet::A ? t.XA : set == ShotSet::Special ? t.XS : t.XB;
  if (!Inside(sx, ex, xr) || !Inside(sy, ey, t.Y)) return false;
  const int points = set == ShotSet::A ? t.PointsA : set == ShotSet::Special ? t.PointsS : t.PointsB;
  if (t.Boss.Record) {
    t.Boss.Hit();
    AddScore(points);
    // The record is read afresh: the Hit cannot reset the tables, but a
    // boss's hit points are the global's own.
    bosses::BossRecord& r = *t.Boss.Record;
    switch (set) {
      case ShotSet::A:
      case ShotSet::B: r.BossHitPoints -= 100.0f * elSystem::FrameStep; return true;
      case ShotSet::Special: r.BossHitPoints -= 3.0f * elSystem::FrameStep; return false;
      case ShotSet::Shard: r.BossHitPoints -= t.ShardDamage * elSystem::FrameStep; return false;
    }
    return false;
  }
  if (t.CountsTouches) {
    int& touches = t.Craft.Slots[static_cast<size_t>(slot)].HitCounter;
    ++touches;
    if (touches < TouchesToHit) return false;
  }
  t.Craft.Hit(slot);
  if (set == ShotSet::A && t.DirectA)
    AddScoreInAnyMode(DirectPoints);
  else
    AddScore(points);
  return false;
}

}  // namespace

std::span<const Target> Targets() { return kTargets; }

bool HitTargets(int sx, int sy, ShotSet set) {
  bool usedUp = false;
  for (const Target& t : kTargets) {
    if (t.Boss.Record) {
      const bosses::BossRecord& r = *t.Boss.Record;
      usedUp |= TestRecord(t, r.X, r.Y, r.NoHit, sx, sy, set, 0);
      continue;
    }
    const int n = static_cast<int>(t.Craft.Slots.size());
    for (int i = 0; i < n; ++i) {
      const enemies::ObjectSlot& s = t.Craft.Slots[static_cast<size_t>(i)];
      usedUp |= TestRecord(t, s.X, s.Y, s.NoHit, sx, sy, set, i);
    }
  }
  return usedUp;
}

}  // namespace shots
