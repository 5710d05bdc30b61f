#include "enemies/diagonal_diver.h"

#include "engine/random.h"

namespace enemies {

void DiagonalDiverInstance::Spawn(int) const {
  for (std::size_t i = 0; i < Slots.size() && i < Locks.size(); ++i) {
    ObjectSlot& s = Slots[i];
    if (s.Active != 0) continue;
    s.X = Row.StartX;
    s.Y = Row.StartY;
    s.Vx = static_cast<float>(elRandom::Next() % Row.VxRange + Row.VxBase);
    s.Vy = static_cast<float>(elRandom::Next() % Row.VyRange + Row.VyBase);
    StartFlight(s);
    Unlock(Locks[i]);
  }
}

void DiagonalDiverInstance::Move(int) const {
  for (std::size_t i = 0; i < Slots.size() && i < Locks.size(); ++i) {
    ObjectSlot& s = Slots[i];
    if (s.Active != 0) {
      s.Y += Step(s.Vy);
      s.X += Row.Sign * Step(s.Vx);
    }
    if (Outside(s, diver_flight::Field)) {
      LeaveField(s, diagonal_diver::LeftParkX);
      ReleaseLeaving(Locks[i], FallerLockBounds);
    }
  }
}

void DiagonalDiverInstance::Draw(int) const {
  const int* sprite = Row.Sprite;
  DrawLockable(Slots, Locks, Row.Explosion, diagonal_diver::Marker, [sprite](ObjectSlot& s) {
    if (s.Active != 0) DrawCell(s.X, s.Y, 0, 0, *sprite, diver_flight::Sprite);
  });
}

void DiagonalDiverInstance::Reset() const {
  for (ObjectSlot& s : Slots) s = ObjectSlot{};
  if (Row.OwnsLocks) ResetLockOn(Locks);
}

}  // namespace enemies
