#include "enemies/diagonal_large_craft.h"

#include "enemies/common/craft_flight.h"
#include "engine/random.h"
#include "world/assets.h"

namespace enemies {

namespace {

constexpr float StartY = -160.0f;

}  // namespace

void DiagonalLargeCraftInstance::Spawn(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) continue;
    s.X = Row.EntryX;
    s.Y = StartY;
    // One speed for both axes, kept in the y speed.
    s.Vy = static_cast<float>(elRandom::Next() % 80 + 80);
    StartFlight(s);
  }
}

void DiagonalLargeCraftInstance::Move(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) {
      s.Y += Step(s.Vy);
      s.X += Row.Sign * Step(s.Vy);
    }
    // No side bound: it flies on past the side until it passes the bottom.
    if (s.Y > 600.0f) Park(s);
  }
}

void DiagonalLargeCraftInstance::Draw(int) const {
  for (ObjectSlot& s : Slots) {
    // A craft parked while it burns finishes its explosion unseen.
    if (s.Hit > 0)
      ExplosionStep(s, Row.Explosion);
    else
      DrawCell(s.X, s.Y, 0, 0, assets::PicSzak52, diagonal_large_craft::Sprite);
  }
}

void DiagonalLargeCraftInstance::Reset() const {
  for (ObjectSlot& s : Slots) s = ObjectSlot{};
}

}  // namespace enemies
