#include "enemies/spiral_shot.h"

#include "enemies/common/turn_angle.h"
#include "engine/random.h"

namespace enemies {

namespace {

constexpr int Cycle = 70;
constexpr int FirstIndex = 1, LastIndex = 34;
constexpr double IndexTurn = (Pi + Pi) / 36;  // 10 degrees
constexpr float GunY = 100.0f, Speed = 110.0f, Margin = 30.0f;
constexpr Cell Needle{30, 30};

float Sign(const SpiralShotRow& row) { return row.Mirrored ? 1.0f : -1.0f; }

}  // namespace

void SpiralShotInstance::Fire(int) const {
  const int c = StepCounter(Row.Parent.*Row.Counter, Cycle);
  for (int k = FirstIndex; k <= LastIndex; ++k)
    if (c == 2 * k) Spawn(k, k);
}

void SpiralShotInstance::Spawn(int slot, int k) const {
  if (slot < 0 || slot >= SlotCount()) return;
  SpiralShotSlot& s = Slots[static_cast<std::size_t>(slot)];
  // A shot still in flight leaves a gap in the spiral.
  if (s.Active != 0) return;
  s.Active = 1;
  s.X = Row.Parent.X + Row.GunX;
  s.Y = Row.Parent.Y + GunY;
  s.Speed = Speed;
  s.Heading = static_cast<float>(Sign(Row) * k * IndexTurn);
}

void SpiralShotInstance::Update(int) const {
  const float sign = Sign(Row);
  for (SpiralShotSlot& s : Slots) {
    if (s.Active == 0) continue;
    s.Y += sign * HeadedStepY(s.Heading, s.Speed);
    s.X += sign * HeadedStepX(s.Heading, s.Speed);
    // The screen's bounds, not the play field's.
    if (s.X > 800.0f || s.X < -Margin || s.Y > 600.0f || s.Y < -Margin || BombClears()) {
      Park(s);
      continue;
    }
    TestPlayer(s.X, s.Y, Box30);
  }
}

void SpiralShotInstance::Draw(int) const {
  for (const SpiralShotSlot& s : Slots)
    DrawCellRotated(s.X, s.Y, 0, 0, TurnAngle(s.Heading, Row.Mirrored), *Row.Picture, Needle);
}

void SpiralShotInstance::ResetSlot(int i) const {
  if (i < 0 || i >= SlotCount()) return;
  // The reset draws a start frame for every slot of this record family,
  // which a spiral shot does not animate: the draw keeps the random sequence
  // of the tables after it.
  elRandom::Next();
  Slots[static_cast<std::size_t>(i)] = SpiralShotSlot{};
}

}  // namespace enemies
