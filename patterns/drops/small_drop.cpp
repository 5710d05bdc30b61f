#include "patterns/drops/small_drop.h"

#include "engine/frame.h"

namespace patterns {

namespace {
constexpr enemies::Cell SmallCell{16, 16};
constexpr int SmallFrames = 16;  // VAL1
}  // namespace

void SmallDropInstance::Spawn(int) const {
  for (int s = 0; s < Row.Slots; ++s) {
    DropSlot& d = Slots[s];
    if (d.Active != 0) continue;
    d.Active = 1;
    d.X = Row.Boss->X + Row.StartX;
    d.Y = Row.Boss->Y + Row.StartY;
  }
}

void SmallDropInstance::Update(int) const {
  const DropFall fall{Row.Fall, true, enemies::Box16};
  // The drift runs inside the slot loop: once before each slot is moved,
  // whether that slot and the drifting ones are in flight or not.
  for (int s = 0; s < Row.Slots; ++s) {
    for (int m = 0; m < Row.Slots; ++m)
      if (Row.Drift[m] != 0.0f) Slots[m].X += Row.Drift[m] * elSystem::FrameStep;
    if (Slots[s].Active != 0) MoveDrop(Slots[s], fall);
  }
}

void SmallDropInstance::Draw(int) const {
  const int picture = *Row.Picture;
  for (int s = 0; s < Row.Slots; ++s) {
    DropSlot& d = Slots[s];
    if (!Row.Animated) {
      enemies::DrawCell(d.X, d.Y, 0, 0, picture, SmallCell);
      continue;
    }
    enemies::DrawCell(d.X, d.Y, 0, 0, picture, SmallCell, d.Frame);
    enemies::StepFrame(d.Frame, SmallFrames);
  }
}

bool InScene5SmallDropWindow(float hitPoints) {
  for (const HitPointWindow& w : Scene5SmallDropHitPoints)
    if (w.Low <= hitPoints && hitPoints <= w.High) return true;
  return false;
}

void SmallDropInstance::Reset() const { ResetDropSlots(Slots, Row.Slots); }

}  // namespace patterns
