// What the craft that fly a bent path of five legs share (the zig-zag
// fighters and the spinning lock targets): a phase that grows with time
// selects the leg and its speeds, a shot set may be fired from a leg, and a
// spawn timer releases slots 0 to 3 of a table one after the other.
#pragma once
#include <array>
#include <span>

#include "enemies/common/rules.h"
#include "enemies/common/shot_hook.h"

namespace enemies {

constexpr int LegCount = 5;

struct LegSpeed {
  float Vx, Vy;  // px/s
};

struct LegFlight {
  float Rate;  // phase per second
  std::array<LegSpeed, LegCount> Speeds;
  std::array<ShotHook, LegCount> Fire;  // called on every move inside the leg
};

namespace leg_flight {

// The phase band of each leg, both ends inside; between two bands the craft
// keeps the speeds it had.
struct Band {
  float Lo, Hi;
};
constexpr std::array<Band, LegCount> Legs{{{0, 10}, {11, 20}, {21, 30}, {31, 40}, {41, 100}}};
// The phase at which the legs start over.
constexpr float Wrap = 101.0f;

// The spawn timers run through 0..149; slot k is offered a start at 30 (k + 1).
constexpr int TimerCycle = 150;
constexpr int TimedSlots = 4;
constexpr int Key(int slot) { return 30 * (slot + 1); }

}  // namespace leg_flight

// One move of an active slot: it moves by the speeds it has (those of the
// leg set on the previous move), advances its phase, takes the speeds of the
// leg the phase lies in and fires that leg's hook with the slot's index.
inline void FlyLegs(ObjectSlot& s, const LegFlight& flight, int slot) {
  s.Y += Step(s.Vy);
  s.X += Step(s.Vx);
  s.PhaseTime += Step(flight.Rate);
  for (int leg = 0; leg < LegCount; ++leg) {
    const leg_flight::Band band = leg_flight::Legs[static_cast<std::size_t>(leg)];
    if (band.Lo <= s.PhaseTime && s.PhaseTime <= band.Hi) {
      s.Vx = flight.Speeds[static_cast<std::size_t>(leg)].Vx;
      s.Vy = flight.Speeds[static_cast<std::size_t>(leg)].Vy;
      flight.Fire[static_cast<std::size_t>(leg)](slot);
    }
  }
  if (s.PhaseTime >= leg_flight::Wrap) s.PhaseTime = 0.0f;
}

// The spawn timer's call: every slot's timer advances (free or not), then
// slots 0 to 3 whose key has come are offered to `spawn`.
template <class Spawn>
void RunSpawnTimers(std::span<ObjectSlot> slots, Spawn spawn) {
  for (ObjectSlot& s : slots) StepCounter(s.Timer, leg_flight::TimerCycle);
  for (int k = 0; k < leg_flight::TimedSlots && static_cast<std::size_t>(k) < slots.size(); ++k)
    if (slots[static_cast<std::size_t>(k)].Timer == leg_flight::Key(k)) spawn(k);
}

// Takes a free slot onto leg 0 at (x, y), standing still for its first move;
// `restartsTimer` sets its spawn timer back to 0. A cycle left from an
// explosion cut short is kept.
inline void StartLegs(ObjectSlot& s, float x, float y, bool restartsTimer) {
  s.PhaseTime = 0.0f;
  if (restartsTimer) s.Timer = 0;
  s.X = x;
  s.Y = y;
  s.Vx = 0.0f;
  s.Vy = 0.0f;
  s.Active = 1;
  s.Hit = 0;
  s.ExplosionFrame = 0;
}

}  // namespace enemies
