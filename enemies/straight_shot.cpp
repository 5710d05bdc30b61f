#include "enemies/straight_shot.h"

#include "engine/random.h"

namespace enemies {

namespace {

constexpr float BottomY = 600.0f;
constexpr float TopMargin = 16.0f;

}  // namespace

void StraightShotInstance::Fire(int) const {
  const StraightShotFlight& f = Row.Flight;
  for (std::size_t i = 0; i < Slots.size() && i < Row.Look.Parent.size(); ++i) {
    ShotSlot& s = Slots[i];
    if (s.Active != 0) continue;
    const ObjectSlot& parent = Row.Look.Parent[i];
    s.Active = 1;
    s.X = parent.X + f.Dx;
    s.Y = parent.Y + f.Dy;
    s.Vy = static_cast<float>(f.Fall.Range > 0 ? elRandom::Next() % f.Fall.Range + f.Fall.Base : f.Fall.Base);
    s.Vx = f.Vx;
  }
}

void StraightShotInstance::Update(int) const {
  const StraightShotFlight& f = Row.Flight;
  for (ShotSlot& s : Slots) {
    if (s.Active != 0) {
      s.Y += Step(s.Vy);
      if (f.Direction == Slant::Left) s.X -= Step(s.Vx);
      if (f.Direction == Slant::Right) s.X += Step(s.Vx);
    }
    // Only the bottom and the top: a slanted bullet off the side flies on.
    if (s.Y + TopMargin < 0.0f || s.Y > BottomY || (Row.Look.BombClears && BombClears())) Park(s);
    TestPlayer(s.X, s.Y, f.Box);
  }
}

void StraightShotInstance::Draw(int) const {
  for (ShotSlot& s : Slots) {
    if (s.Active == 0) continue;
    if (Row.Look.Animated) {
      DrawCellAdd(s.X, s.Y, 0, 0, *Row.Look.Picture, straight_shot::Bullet, s.Frame);
      StepFrame(s.Frame, straight_shot::AnimationFrames);
    } else {
      DrawCellAdd(s.X, s.Y, 0, 0, *Row.Look.Picture, straight_shot::Bullet);
    }
  }
}

void StraightShotInstance::ResetSlot(int i) const {
  if (i < 0 || static_cast<std::size_t>(i) >= Slots.size()) return;
  Slots[static_cast<std::size_t>(i)] = ShotSlot{Row.Look.RandomStartFrame ? elRandom::Next() % 10 : 0};
}

}  // namespace enemies
