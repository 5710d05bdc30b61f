#include "bosses/aimed_ring.h"

namespace bosses {

void AimedRingInstance::Fire(int) const {
  FireVolleys(Slots, Row.Cycle, std::span<const int>(Row.Keys.data(), static_cast<size_t>(Row.Rings)), Row.Bullets,
              [this](int slot, int) { Spawn(slot); });
}

void AimedRingInstance::Spawn(int slot) const {
  if (slot < 0 || slot >= SlotCount()) return;
  RingBullet& s = Slots[static_cast<size_t>(slot)];
  if (s.Active != 0) return;
  // The turn counts the slot across the whole table: the whole turns of
  // later rings change nothing, so ball k of every ring lies k steps from
  // the aim line.
  LaunchAimed(s, Row.From, Row.Speed, RingAimOffset, slot * ((enemies::Pi + enemies::Pi) / Row.Bullets));
}

void AimedRingInstance::Update(int) const { FlyVolleys(Slots, RingLowBound, enemies::Box20); }

void AimedRingInstance::Draw(int) const { DrawSpinningBalls(Slots); }

void AimedRingInstance::ResetSlot(int slot) const {
  if (slot < 0 || slot >= SlotCount()) return;
  ResetAimedSlot(Slots[static_cast<size_t>(slot)], 10, Row.StartHeading);
}

}  // namespace bosses
