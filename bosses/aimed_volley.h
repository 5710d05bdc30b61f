// What the boss's aimed patterns share: the gun on the boss's body from which
// a bullet starts aimed at the ship, the volley timers of the ring and fan
// tables, their bullets' flight with its bounds and the ship test, the
// spinning ball they draw, and the reset of a slot. Written once over any
// slot record that has the fields they use.
#pragma once
#include <span>

#include "bosses/boss_record.h"
#include "enemies/common/rules.h"
#include "engine/random.h"
#include "world/assets.h"

namespace bosses {

// A gun: an offset from its boss's top-left corner, read at each launch, so
// a pattern follows the boss as it moves.
struct Gun {
  BossRecord* Boss;
  float X, Y;
};

// Starts one bullet at the gun, aimed at the ship's corner plus `aimOffset`
// and turned by `turn` radians before the half-turn test of the aim.
template <class Slot>
void LaunchAimed(Slot& s, const Gun& gun, float speed, float aimOffset, double turn) {
  s.Active = 1;
  s.X = gun.Boss->X + gun.X;
  s.Y = gun.Boss->Y + gun.Y;
  s.Speed = speed;
  s.Heading = enemies::AimHeading(s.X, s.Y, aimOffset, turn, s.AimDx, s.AimDy);
}

// One Fire of a volley table: every timer advances and wraps at `cycle`
// before any key is compared; then group g (the slots g * groupSize ...)
// starts each of its slots whose timer equals key g, through
// start(slot, first slot of the group).
template <class Slot, class Start>
void FireVolleys(std::span<Slot> slots, int cycle, std::span<const int> keys, int groupSize, Start start) {
  for (Slot& s : slots) enemies::StepCounter(s.VolleyTimer, cycle);
  const int count = static_cast<int>(slots.size());
  for (int g = 0; g < static_cast<int>(keys.size()); ++g) {
    const int first = g * groupSize;
    for (int i = first; i < first + groupSize && i < count; ++i)
      if (slots[static_cast<size_t>(i)].VolleyTimer == keys[static_cast<size_t>(g)]) start(i, first);
  }
}

// The flight of the bullets in flight: straight along the heading; freed
// (and parked) beyond the strict bounds `low`..800 and `low`..600 or while
// the bomb runs; then the ship test, which leaves the bullet flying.
template <class Slot>
void FlyVolleys(std::span<Slot> slots, float low, const enemies::PlayerHitWindow& box) {
  for (Slot& s : slots) {
    if (s.Active == 0) continue;
    s.Y += enemies::HeadedStepY(s.Heading, s.Speed);
    s.X += enemies::HeadedStepX(s.Heading, s.Speed);
    if (s.X > 800.0f || s.X < low || s.Y > 600.0f || s.Y < low || enemies::BombClears()) enemies::Park(s);
    enemies::TestPlayer(s.X, s.Y, box);
  }
}

// The spinning 20x20 ball, additive, one frame of 24 a call, for every slot
// (a parked one draws nothing but spins on).
constexpr enemies::Cell BallCell{20, 20};
constexpr int SpinningBallFrames = 24;

template <class Slot>
void DrawSpinningBalls(std::span<Slot> slots) {
  for (Slot& s : slots) {
    enemies::DrawCellAdd(s.X, s.Y, 0, 0, assets::PicVal20241, BallCell, s.Frame);
    enemies::StepFrame(s.Frame, SpinningBallFrames);
  }
}

// A slot's start state: a random animation frame below `frames`, free and
// parked, no aim, the reset heading; everything else the record's own zero.
template <class Slot>
void ResetAimedSlot(Slot& s, int frames, float heading) {
  s = Slot{};
  s.Frame = elRandom::Next() % frames;
  s.Heading = heading;
}

}  // namespace bosses
