#include "enemies/side_glider.h"

#include "enemies/common/craft_flight.h"
#include "enemies/lockable_craft.h"
#include "enemies/side_entry.h"
#include "engine/random.h"
#include "world/assets.h"

namespace enemies {

void SideGliderInstance::Spawn(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) continue;
    s.X = Row.EntryX;
    s.Y = static_cast<float>(elRandom::Next() % 200);
    s.Vx = static_cast<float>(elRandom::Next() % 50 + 50);
    StartFlight(s);
  }
}

void SideGliderInstance::Move(int) const {
  for (std::size_t i = 0; i < Slots.size() && i < Locks.size(); ++i) {
    ObjectSlot& s = Slots[i];
    if (s.Active != 0) s.X += Row.Sign * Step(s.Vx);
    side_entry::Leave(s, Locks[i]);
  }
}

void SideGliderInstance::Draw(int) const {
  using namespace side_glider;
  DrawLockable(Slots, Locks, Explosion, Marker, [](ObjectSlot& s) {
    if (s.Active != 0) DrawCell(s.X, s.Y, 0, 0, assets::PicSzak13, Sprite);
  });
}

void SideGliderInstance::Reset() const {
  for (ObjectSlot& s : Slots) s = ObjectSlot{};
  ResetLockOn(Locks);
}

}  // namespace enemies
