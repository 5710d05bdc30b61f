#include "enemies/line_shot.h"

#include "engine/random.h"

namespace enemies {

namespace {

constexpr float BottomY = 600.0f;
constexpr PlayerHitWindow BoxFrom(float loX) { return {loX, 30.0f, 10.0f, 30.0f}; }

// Shot k of a row, the slowest first: 140, 160, ..., 220 px/s.
constexpr float RowSpeed(std::size_t k) { return static_cast<float>(140 + 20 * static_cast<int>(k)); }

}  // namespace

void LineShotInstance::Fire(int, int) const {
  for (std::size_t i = 0; i < Row.Parent.size(); ++i) {
    const ObjectSlot& parent = Row.Parent[i];
    for (std::size_t k = 0; k < line_shot::RowShots; ++k) {
      const std::size_t n = i * line_shot::RowShots + k;
      if (n >= Shots.size()) return;
      ShotSlot& s = Shots[n];
      if (s.Active != 0) continue;
      s.Active = 1;
      s.X = parent.X + Row.Dx;
      s.Y = parent.Y + Row.Dy;
      // A shot's speeds belong to its place in the row: one in flight
      // always carries them already.
      s.Vy = RowSpeed(k);
      switch (Row.Motion) {
        case LineMotion::Straight: s.Vx = 0.0f; break;
        case LineMotion::Drifting: s.Vx = Row.Side; break;
        case LineMotion::Diagonal: s.Vx = Row.Side * RowSpeed(k); break;
      }
    }
  }
}

void LineShotInstance::Update(int, int) const {
  const PlayerHitWindow box = BoxFrom(Row.BoxLoX);
  for (ShotSlot& s : Shots) {
    if (s.Active != 0) {
      s.Y += Step(s.Vy);
      if (Row.Motion != LineMotion::Straight) s.X += Step(s.Vx);
    }
    // x is never tested: a shot off the side flies on, clipped away.
    if (s.Y + Row.TopMargin < 0.0f || s.Y > BottomY || BombClears()) Park(s);
    TestPlayer(s.X, s.Y, box);
  }
}

void LineShotInstance::Draw(int, int) const {
  for (const ShotSlot& s : Shots)
    if (s.Active != 0) DrawCellAdd(s.X, s.Y, 0, 0, *Row.Picture, Row.Bullet, Row.BulletFrame);
}

void LineShotInstance::ResetSlot(int i) const {
  if (i < 0 || static_cast<std::size_t>(i) >= Shots.size()) return;
  Shots[static_cast<std::size_t>(i)] = ShotSlot{elRandom::Next() % 10};
}

}  // namespace enemies
