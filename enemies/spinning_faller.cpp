#include "enemies/spinning_faller.h"

#include "enemies/common/craft_flight.h"
#include "engine/random.h"
#include "world/assets.h"
#include "world/state.h"

namespace enemies {

static_assert(SheetsHoldFrames(SpinningFallerRows[0].Explosion));
static_assert(SheetsHoldFrames(SpinningFallerRows[1].Explosion));
static_assert(SheetsHoldFrames(SpinningFallerRows[2].Explosion));

void SpinningFallerInstance::Spawn(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) continue;
    s.X = static_cast<float>(elRandom::Next() % 360 + 180);
    s.Y = spinning_faller::StartY;
    s.Vx = static_cast<float>(elRandom::Next() % 10);
    s.Vy = static_cast<float>(elRandom::Next() % 80 + Row.FallBase);
    StartFlight(s);
  }
}

void SpinningFallerInstance::Move(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) {
      s.Y += Step(s.Vy);
      if (Row.Steer != 0.0f) {
        // The new sideways speed moves the craft from the next call on; the
        // first move after a start drifts by the random start speed.
        s.X += Step(s.Vx);
        if (s.X > player::PlayerPosition.X) s.Vx = -Row.Steer;
        if (s.X < player::PlayerPosition.X) s.Vx = Row.Steer;
      }
    }
    if (s.Y > 600.0f) Park(s);
  }
}

void SpinningFallerInstance::Draw(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Hit > 0) {
      ExplosionStep(s, Row.Explosion);
      continue;
    }
    // Every slot turns, a parked one unseen.
    DrawCellRotated(s.X, s.Y, 0, 0, s.SpinAngle, assets::PicSzak6, spinning_faller::Sprite);
    StepSpin(s.SpinAngle);
  }
}

void SpinningFallerInstance::Reset() const {
  for (ObjectSlot& s : Slots) {
    const int spin = s.SpinAngle, animation = s.AnimationFrame;
    s = ObjectSlot{};
    s.SpinAngle = spin;
    if (!Row.ResetsAnimationFrame) s.AnimationFrame = animation;
  }
}

}  // namespace enemies
