#include "enemies/timed_diagonal_diver.h"

namespace enemies {

namespace {

constexpr int TimerWrap = 500;  // the timers reach 500, then 0
constexpr int KeyStep = 100;    // slot k starts at 100 (k + 1)
constexpr float StartY = 20.0f, Vy = 200.0f;

}  // namespace

void TimedDiagonalDiverInstance::Fire(int) const {
  for (ObjectSlot& s : Slots) StepCounterInclusive(s.Timer, TimerWrap);
  for (std::size_t k = 0; k < Slots.size(); ++k)
    if (Slots[k].Timer == KeyStep * static_cast<int>(k + 1)) Spawn(static_cast<int>(k));
}

void TimedDiagonalDiverInstance::Spawn(int slot) const {
  if (slot < 0 || static_cast<std::size_t>(slot) >= Slots.size()) return;
  ObjectSlot& s = Slots[static_cast<std::size_t>(slot)];
  if (s.Active != 0) return;  // still flying: it waits a whole cycle
  s.X = Row.StartX;
  s.Y = StartY;
  s.Vx = Row.Vx;
  s.Vy = Vy;
  s.Active = 1;
  s.Hit = 0;
  s.ExplosionFrame = 0;
}

void TimedDiagonalDiverInstance::Move(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) {
      s.Y += Step(s.Vy);
      s.X += Step(s.Vx);
    }
    if (Outside(s, diver_flight::Field)) Park(s);
  }
}

void TimedDiagonalDiverInstance::Draw(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Hit > 0 && s.Active != 0)
      ExplosionStep(s, Row.Explosion);
    else if (s.Active != 0)
      DrawCell(s.X, s.Y, 0, 0, *Row.Sprite, diver_flight::Sprite);
  }
}

void TimedDiagonalDiverInstance::Reset() const {
  for (ObjectSlot& s : Slots) s = ObjectSlot{};
}

}  // namespace enemies
