#include "patterns/drops/twin_drop.h"

#include "engine/frame.h"

namespace patterns {

void TwinDropInstance::Fire(int) const {
  FireVolley(Slots, TwinDropSlots, 2, Row.Timer, Row.Keys, [this](int slot, int first) { Spawn(slot, first); });
}

void TwinDropInstance::Spawn(int slot, int first) const {
  if (slot < 0 || slot >= TwinDropSlots || first < 0 || first + 1 >= TwinDropSlots) return;
  DropSlot& d = Slots[slot];
  if (d.Active != 0) return;
  d.Active = 1;
  // Both members' x, whichever member this is; its own y.
  Slots[first].X = Row.Boss->X + Row.Member0X;
  Slots[first + 1].X = Row.Boss->X + Row.Member1X;
  d.Y = Row.Boss->Y + Row.StartY;
}

void TwinDropInstance::Update(int) const {
  // The members move apart whether in flight or parked.
  for (int pass = 0; pass < Row.DriftPasses; ++pass)
    for (int first = 0; first < TwinDropSlots; first += 2) {
      Slots[first].X += -Row.Drift * elSystem::FrameStep;
      Slots[first + 1].X += Row.Drift * elSystem::FrameStep;
    }
  const DropFall fall{Row.Fall, true, Row.Box};
  for (int s = 0; s < TwinDropSlots; ++s)
    if (Slots[s].Active != 0) MoveDrop(Slots[s], fall);
}

void TwinDropInstance::Draw(int) const {
  const int picture = *Row.Picture;
  for (int pass = 0; pass < Row.DrawPasses; ++pass)
    for (int s = 0; s < TwinDropSlots; ++s) {
      const int cell = s % 2 == 0 ? Row.Member0Cell : Row.Member1Cell;
      enemies::DrawCellAdd(Slots[s].X, Slots[s].Y, 0, 0, picture, Row.Cell, cell);
    }
}

void TwinDropInstance::Reset() const { ResetDropSlots(Slots, TwinDropSlots); }

}  // namespace patterns
