#include "enemies/rising_lock_target.h"

#include "engine/random.h"

namespace enemies {

namespace {

constexpr float StartX = 180.0f, StartY = 480.0f;
constexpr int SlowestClimb = 120;

}  // namespace

void RisingLockTargetInstance::Spawn(int) const {
  for (std::size_t i = 0; i < Slots.size() && i < Locks.size(); ++i) {
    ObjectSlot& s = Slots[i];
    if (s.Active != 0) continue;
    s.X = static_cast<float>(elRandom::Next() % Row.XRange) + StartX;
    s.Y = StartY;
    s.Vx = 0.0f;
    s.Vy = static_cast<float>(-(elRandom::Next() % Row.VRange + SlowestClimb));
    StartFlight(s);
    Unlock(Locks[i], Row.Marker.RestY);
  }
}

void RisingLockTargetInstance::Move(int) const {
  for (std::size_t i = 0; i < Slots.size() && i < Locks.size(); ++i) {
    ObjectSlot& s = Slots[i];
    if (s.Active != 0) {
      s.Y += Step(s.Vy);
      s.X -= Step(s.Vx);
    }
    if (Outside(s, Row.Field)) {
      LeaveField(s, Row.LeftParkX);
      ReleaseLeaving(Locks[i], FallerLockBounds, Row.Marker.RestY);
    }
  }
}

void RisingLockTargetInstance::Draw(int) const {
  const RisingLockTargetRow& row = Row;
  DrawLockable(Slots, Locks, rising_lock_target::Explosion, row.Marker, [&row](ObjectSlot& s) {
    if (s.Active != 0) DrawCell(s.X, s.Y, 0, 0, *row.Sprite, row.SpriteCell);
  });
}

void RisingLockTargetInstance::Reset() const {
  for (ObjectSlot& s : Slots) s = ObjectSlot{};
  ResetLockOn(Locks);
}

}  // namespace enemies
