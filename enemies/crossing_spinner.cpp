#include "enemies/crossing_spinner.h"

#include "enemies/common/craft_flight.h"
#include "enemies/lockable_craft.h"
#include "enemies/side_entry.h"
#include "engine/random.h"
#include "world/assets.h"

namespace enemies {

void CrossingSpinnerInstance::Spawn(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) continue;
    s.X = Row.EntryX;
    s.Y = static_cast<float>(elRandom::Next() % 100);
    s.Vx = static_cast<float>(100 - elRandom::Next() % 50);
    s.Vy = static_cast<float>(90 - elRandom::Next() % 50);
    StartFlight(s);
  }
}

void CrossingSpinnerInstance::Move(int) const {
  for (std::size_t i = 0; i < Slots.size() && i < Locks.size(); ++i) {
    ObjectSlot& s = Slots[i];
    if (s.Active != 0) {
      s.X += Row.Sign * Step(s.Vx);
      s.Y += Step(s.Vy);
    }
    side_entry::Leave(s, Locks[i]);
  }
}

void CrossingSpinnerInstance::Draw(int) const {
  using namespace crossing_spinner;
  DrawLockable(Slots, Locks, Explosion, Marker, [](ObjectSlot& s) {
    // Every slot turns, a parked one unseen.
    DrawCellRotated(s.X, s.Y, 0, 0, s.SpinAngle, assets::PicSzak6, Sprite);
    StepSpin(s.SpinAngle);
  });
}

void CrossingSpinnerInstance::Reset() const {
  for (ObjectSlot& s : Slots) {
    const int spin = s.SpinAngle, animation = s.AnimationFrame;
    s = ObjectSlot{};
    s.SpinAngle = spin;
    s.AnimationFrame = animation;
  }
  ResetLockOn(Locks);
}

}  // namespace enemies
