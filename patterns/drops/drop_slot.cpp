#include "patterns/drops/drop_slot.h"

#include "engine/frame.h"
#include "engine/random.h"

namespace patterns {

namespace {
// The bottom of the field: a bullet whose top lies below it is gone.
constexpr float FieldBottom = 600.0f;
}  // namespace

void ResetDropSlots(DropSlot* slots, int count) {
  for (int s = 0; s < count; ++s) {
    slots[s] = DropSlot{};
    slots[s].Frame = elRandom::Next() % 10;
  }
}

void MoveDrop(DropSlot& d, const DropFall& fall, DropSlide slide) {
  const float step = elSystem::FrameStep;
  d.Vy = fall.Fall;
  d.Y += step * d.Vy;
  if (slide.Sign != 0) {
    d.Vx = slide.Vx;
    if (slide.Sign > 0)
      d.X += step * d.Vx;
    else
      d.X -= step * d.Vx;
  }
  if (d.Y > FieldBottom || (fall.BombTest && enemies::BombClears())) enemies::Park(d);
  // A kind whose touch has no effect compares and moves on: nothing to do.
  if (fall.EndsShip) enemies::TestPlayer(d.X, d.Y, fall.Box);
}

}  // namespace patterns
