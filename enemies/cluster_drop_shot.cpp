#include "enemies/cluster_drop_shot.h"

#include "engine/random.h"

namespace enemies {

namespace {

constexpr Cell Bullet{20, 20};
constexpr float BottomY = 600.0f;

}  // namespace

void ClusterDropShotInstance::Fire(int) const {
  const ClusterFormation& f = Row.Formation;
  for (ShotSlot& free : Slots) {
    if (free.Active != 0) continue;
    free.Active = 1;
    // The whole cluster, in flight or not, back under the parent.
    for (std::size_t k = 0; k < Slots.size(); ++k) {
      Slots[k].X = Row.Parent.X + f.Ax + f.Bx[k];
      Slots[k].Y = Row.Parent.Y + f.Ay + f.By[k];
    }
  }
}

void ClusterDropShotInstance::Update(int) const {
  for (ShotSlot& s : Slots) {
    if (s.Active == 0) continue;
    s.Vy = Row.FallSpeed;
    // Every bullet in flight drifts the outer ones once more, so the
    // cluster opens faster while it is whole.
    for (std::size_t k = 0; k < Slots.size(); ++k) Slots[k].X += Step(Row.Drift[k]);
    s.Y += Step(s.Vy);
    // Only the bottom: a bullet drifted off the side falls on.
    if (s.Y > BottomY || BombClears()) {
      Park(s);
      continue;
    }
    TestPlayer(s.X, s.Y, Box20);
  }
}

void ClusterDropShotInstance::Draw(int) const {
  for (ShotSlot& s : Slots) {
    if (Row.How == Blit::Keyed)
      DrawCell(s.X, s.Y, 0, 0, *Row.Picture, Bullet, s.Frame);
    else
      DrawCellAdd(s.X, s.Y, 0, 0, *Row.Picture, Bullet, s.Frame);
    StepFrame(s.Frame, Row.Frames);
  }
}

void ClusterDropShotInstance::ResetSlot(int i) const {
  if (i < 0 || static_cast<std::size_t>(i) >= Slots.size()) return;
  Slots[static_cast<std::size_t>(i)] = ShotSlot{elRandom::Next() % 10};
}

}  // namespace enemies
