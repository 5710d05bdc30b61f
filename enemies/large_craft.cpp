#include "enemies/large_craft.h"

#include "enemies/common/craft_flight.h"
#include "engine/random.h"

namespace enemies {

static_assert(SheetsHoldFrames(LargeCraftRows[0].Explosion) && SheetsHoldFrames(LargeCraftRows[1].Explosion));

namespace {

constexpr int LeftEdge = 180;
constexpr int SinkRange = 60, SinkBase = 60;
constexpr float LeftBound = 100.0f;

}  // namespace

void LargeCraftInstance::Spawn(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) continue;
    s.X = static_cast<float>(elRandom::Next() % Row.XRange + LeftEdge);
    s.Y = Row.StartY;
    s.Vy = static_cast<float>(elRandom::Next() % SinkRange + SinkBase);
    StartFlight(s);
  }
}

void LargeCraftInstance::Move(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) s.Y += Step(s.Vy);
    // Tested whether active or not; a parked record is parked again.
    if (s.Y > 600.0f) Park(s);
    if (s.X < LeftBound) Park(s);
  }
}

void LargeCraftInstance::Draw(int) const {
  for (ObjectSlot& s : Slots) DrawSingleCraft(s, Row.Explosion, *Row.Picture, Row.Sprite);
}

void LargeCraftInstance::Reset() const {
  for (ObjectSlot& s : Slots) s = ObjectSlot{};
}

}  // namespace enemies
