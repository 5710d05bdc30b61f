#include "enemies/flame_faller.h"

#include "engine/random.h"

namespace enemies {

static_assert(SheetsHoldFrames(FlameFallerRows[0].Explosion));
static_assert(SheetsHoldFrames(FlameFallerRows[1].Explosion));
static_assert(SheetsHoldFrames(FlameFallerRows[2].Explosion));
static_assert(FlameFallerRows[0].FlameCount <= 2 && FlameFallerRows[1].FlameCount <= 2 &&
              FlameFallerRows[2].FlameCount <= 2);

void FlameFallerInstance::Spawn(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) continue;
    s.X = static_cast<float>(elRandom::Next() % Row.XRange + Row.XBase);
    s.Y = Row.StartY;
    s.Vy = static_cast<float>(elRandom::Next() % Row.VRange + Row.VBase);
    s.Active = 1;
    s.Hit = 0;
    s.ExplosionFrame = 0;
    s.AnimationFrame = 0;
  }
}

void FlameFallerInstance::Move(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) s.Y += Step(s.Vy);
    // Free slots are tested too: a parked one is simply parked again.
    if (s.Y > 600.0f) Park(s);
    if (s.X < Row.MinX) Park(s);
  }
}

void FlameFallerInstance::Draw(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Hit > 0) {
      ExplosionStep(s, Row.Explosion);
      continue;
    }
    // Every slot is drawn, active or not: a parked one lies outside the clip.
    const auto flames = [&] {
      for (int i = 0; i < Row.FlameCount; ++i)
        DrawCell(s.X, s.Y, Row.Flames[i].X, Row.Flames[i].Y, *Row.Flame, flame_faller::FlameCell, s.AnimationFrame);
    };
    if (Row.FlamesFirst) flames();
    DrawCell(s.X, s.Y, 0, 0, *Row.Sprite, Row.SpriteCell);
    if (!Row.FlamesFirst) flames();
    StepFrame(s.AnimationFrame, flame_faller::FlameFrames);
  }
}

void FlameFallerInstance::Reset() const {
  for (ObjectSlot& s : Slots) {
    const int flameFrame = s.AnimationFrame;
    s = ObjectSlot{};
    s.X = ParkX;
    s.Y = Row.ResetY;
    if (!Row.ResetsFlameFrame) s.AnimationFrame = flameFrame;
  }
}

}  // namespace enemies
