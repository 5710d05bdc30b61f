#include "enemies/giant_craft.h"

#include "enemies/common/craft_flight.h"
#include "engine/random.h"
#include "world/assets.h"

namespace enemies {

static_assert(SheetsHoldFrames(GiantCraftRow01.Explosion));

namespace {

constexpr float StartY = -300.0f;
constexpr float Descent = 130.0f, SlowDescent = 60.0f;
// Frame counts of the bands: descend to 20, stop and drop 21 to 50, sink
// slowly 51 to 60; at 61 the count goes back to 8, so later passes descend
// for 12 frames only.
constexpr int DescentEnd = 20, StopStart = 21, StopEnd = 50, SlowStart = 51, SlowEnd = 60, Wrap = 61, WrapTo = 8;
constexpr Cell Sprite{300, 300};

}  // namespace

void GiantCraftInstance::Spawn(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) continue;
    s.X = static_cast<float>(elRandom::Next() % 140 + 180);
    s.Y = StartY;
    s.HitCounter = 0;
    StartFlight(s);
    s.Timer = 0;
  }
}

void GiantCraftInstance::Move(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) {
      int& count = s.Timer;
      ++count;
      if (0 <= count && count <= DescentEnd) s.Y += Step(Descent);
      if (StopStart <= count && count <= StopEnd) Row.Cluster.Fire();
      if (SlowStart <= count && count <= SlowEnd) s.Y += Step(SlowDescent);
      if (count >= Wrap) count = WrapTo;
    }
    if (s.X < -120.0f || s.X > 620.0f || s.Y < StartY || s.Y > 600.0f) Park(s);
  }
}

void GiantCraftInstance::Draw(int) const {
  for (ObjectSlot& s : Slots) DrawSingleCraft(s, Row.Explosion, assets::PicSzak60, Sprite);
}

void GiantCraftInstance::Reset() const {
  for (ObjectSlot& s : Slots) s = ObjectSlot{};
}

}  // namespace enemies
