#include "enemies/lane_diver.h"

#include "enemies/common/craft_flight.h"
#include "engine/random.h"
#include "world/assets.h"

namespace enemies {

static_assert(SheetsHoldFrames(lane_diver::Explosion));

void LaneDiverInstance::Spawn(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) continue;
    s.X = Row.LaneX;
    s.Y = lane_diver::StartY;
    s.Vx = static_cast<float>(elRandom::Next() % 10);
    s.Vy = static_cast<float>(elRandom::Next() % 180 + 60);
    StartFlight(s);
  }
}

void LaneDiverInstance::Move(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) {
      s.Y += Step(s.Vy);
      s.X += Row.Sign * Step(s.Vx);
    }
    if (s.Y > 600.0f) Park(s);
  }
}

void LaneDiverInstance::Draw(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Hit > 0)
      ExplosionStep(s, lane_diver::Explosion);
    else
      DrawCell(s.X, s.Y, 0, 0, assets::PicSzak1, lane_diver::Sprite);  // a parked slot lies outside the clip
  }
}

void LaneDiverInstance::Reset() const {
  for (ObjectSlot& s : Slots) {
    const int animation = s.AnimationFrame;
    s = ObjectSlot{};
    s.AnimationFrame = animation;
  }
}

}  // namespace enemies
