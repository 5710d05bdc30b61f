#include "enemies/volley_shot.h"

#include "engine/random.h"

namespace enemies {

namespace {

constexpr Cell Ball{16, 16};
constexpr int BallFrames = 16;
constexpr Cell Needle{30, 30};

}  // namespace

void VolleyShotInstance::Fire(int) const {
  for (VolleyShotSlot& s : Slots) StepCounter(s.VolleyTimer, Row.Cycle);
  const int n = Row.FanSize;
  for (int v = 0; v < Row.Groups && v < volley_shot::MaxGroups; ++v)
    for (int s = v * n; s < v * n + n && s < SlotCount(); ++s)
      if (Slots[static_cast<std::size_t>(s)].VolleyTimer == Row.Keys[static_cast<std::size_t>(v)]) Spawn(s, v * n);
}

void VolleyShotInstance::Spawn(int slot, int first) const {
  if (slot < 0 || slot >= SlotCount()) return;
  VolleyShotSlot& s = Slots[static_cast<std::size_t>(slot)];
  if (s.Active != 0) return;
  s.Active = 1;
  s.X = Row.Parent.X + Row.GunX;
  s.Y = Row.Parent.Y + Row.GunY;
  s.Speed = Row.Speed;
  const int member = Row.CountsFromTableStart ? slot : slot - first;
  const double turn = member * Row.Spread - Row.Lead * Row.Spread;
  s.Heading = AimHeading(s.X, s.Y, Row.AimOffset, turn, s.AimDx, s.AimDy);
}

void VolleyShotInstance::Update(int) const {
  const float margin = -Row.Look.Margin;
  for (VolleyShotSlot& s : Slots) {
    if (s.Active == 0) continue;
    s.Y += HeadedStepY(s.Heading, s.Speed);
    s.X += HeadedStepX(s.Heading, s.Speed);
    if (s.X > 800.0f || s.X < margin || s.Y > 600.0f || s.Y < margin || BombClears()) {
      Park(s);
      continue;
    }
    TestPlayer(s.X, s.Y, Row.Look.Box);
  }
}

void VolleyShotInstance::Draw(int) const {
  const int picture = *Row.Look.Picture;
  for (VolleyShotSlot& s : Slots) {
    if (Row.Look.Needle) {
      // An aim line near straight up gives an angle past 0..359, which
      // DrawRotate brings back round.
      if (s.Active != 0) DrawCellRotated(s.X, s.Y, 0, 0, NeedleAngle(s.Heading), picture, Needle);
      continue;
    }
    // A ball animates free or not; a parked one is clipped away.
    DrawCellAdd(s.X, s.Y, 0, 0, picture, Ball, s.Frame);
    StepFrame(s.Frame, BallFrames);
  }
}

void VolleyShotInstance::ResetSlot(int i) const {
  if (i < 0 || i >= SlotCount()) return;
  Slots[static_cast<std::size_t>(i)] = VolleyShotSlot{Row.RandomStartFrame ? elRandom::Next() % 7 : 0};
}

}  // namespace enemies
