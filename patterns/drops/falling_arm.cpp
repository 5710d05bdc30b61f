#include "patterns/drops/falling_arm.h"

namespace patterns {

void FallingArmInstance::Fire(int) const {
  FireVolley(Slots, FallingArmSlots, 1, FallingArmTimer, FallingArmKeys,
             [this](int slot, int first) { Spawn(slot, first); });
}

void FallingArmInstance::Spawn(int slot, int first) const {
  if (slot < 0 || slot >= FallingArmSlots || first < 0 || first >= FallingArmSlots) return;
  if (Slots[slot].Active != 0) return;
  Slots[slot].Active = 1;
  Slots[first].X = Row.Boss->X + Row.StartX;
  Slots[first].Y = Row.Boss->Y + Row.StartY;
}

void FallingArmInstance::Update(int) const {
  const DropFall fall{Row.Fall, true, Row.Box, Row.EndsShip};
  const DropSlide slide{Row.Slide, Row.Slide != 0.0f ? 1 : 0};
  for (int s = 0; s < FallingArmSlots; ++s)
    if (Slots[s].Active != 0) MoveDrop(Slots[s], fall, slide);
}

void FallingArmInstance::Draw(int) const {
  const int picture = *Row.Picture;
  for (int s = 0; s < FallingArmSlots; ++s) enemies::DrawCellAdd(Slots[s].X, Slots[s].Y, 0, 0, picture, Row.Cell);
}

void FallingArmInstance::Reset() const { ResetDropSlots(Slots, FallingArmSlots); }

int FallingArmInstance::SlotCount() const { return FallingArmSlots; }

void FallingArmInstance::ResetSlot(int slot) const {
  if (slot < 0 || slot >= FallingArmSlots) return;
  ResetDropSlots(Slots + slot, 1);
}

}  // namespace patterns
