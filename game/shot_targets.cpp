#include "game/shot_targets.h"

#include <cstdint>

#include "engine/frame.h"
#include "bosses/boss.h"
#include "enemies/flame_faller.h"
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

// The rows of the craft that fall and cross: boxes of sets A, B and the
// special shots around a 60 to 80 pixel craft.
constexpr Target Faller(CraftTarget c, float minY, Range y, Range xa, int pa, Range xb, int pb, Range xs, int ps) {
  return Target{c, {}, minY, minY, y, xa, xb, xs, pa, pb, ps, false, false, 0.0f};
}

template <const bosses::BossInstance& B>
constexpr BossTarget Boss() {
  return {B.Row.Record, [] { B.Hit(); }};
}

// The bosses' rows: every set tests them from y 0 down and the same y box;
// the bomb's shards take `shard` hit points a second.
constexpr Target BossRow(BossTarget b, Range xa, int pa, Range xb, int pb, Range xs, int ps, float shard) {
  return Target{{}, b, 0.0f, 0.0f, {10, 200}, xa, xb, xs, pa, pb, ps, false, false, shard};
}

// In the order they are tested: the craft, then the bosses.
const Target kTargets[] = {
    Faller(Craft<enemies::FlameFaller01>(), -45, {-60, 50}, {-40, 50}, 100, {-60, 70}, 50, {-20, 70}, 50),
    Faller(Craft<enemies::FlameFaller02>(), -30, {-60, 50}, {-40, 60}, 100, {-60, 80}, 50, {-20, 80}, 50),
    Faller(Craft<enemies::FlameFaller03>(), -30, {-60, 50}, {-40, 60}, 100, {-60, 80}, 50, {-20, 80}, 50),
    BossRow(Boss<bosses::Scene2BossOps>(), {80, 300}, 100, {80, 300}, 50, {80, 340}, 50, 40.0f),
    BossRow(Boss<bosses::Scene4BossOps>(), {80, 300}, 100, {80, 300}, 50, {80, 340}, 50, 40.0f),
    BossRow(Boss<bosses::Scene8BossOps>(), {80, 320}, 100, {80, 320}, 50, {80, 360}, 50, 40.0f),
    BossRow(Boss<bosses::Scene5BossOps>(), {80, 300}, 100, {80, 300}, 50, {80, 340}, 50, 40.0f),
    BossRow(Boss<bosses::Scene6BossOps>(), {50, 270}, 100, {50, 270}, 50, {50, 310}, 50, 40.0f),
    BossRow(Boss<bosses::Scene7BossOps>(), {50, 330}, 250, {50, 330}, 50, {50, 370}, 50, 35.0f),
    BossRow(Boss<bosses::Scene3BossOps>(), {50, 390}, 250, {50, 390}, 60, {50, 430}, 60, 35.0f),
    BossRow(Boss<bosses::Scene9BossOps>(), {50, 370}, 100, {50, 370}, 50, {50, 410}, 50, 40.0f),
};

bool Inside(int v, int base, Range r) { return base + r.Lo <= v && v <= base + r.Hi; }

void AddDirect(int points) {
  const int64_t sum = static_cast<int64_t>(Score) + points;
  Score = sum > ScoreLimit ? ScoreLimit : static_cast<int>(sum);
  if (Score > HiScore) HiScore = Score;
}

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
    AddDirect(DirectPoints);
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
