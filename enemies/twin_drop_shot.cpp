#include "enemies/twin_drop_shot.h"

#include "engine/random.h"
#include "world/assets.h"

namespace enemies {

namespace {

constexpr int Cycle = 150;
// Three pairs 10 calls apart, a pause, three more, a pause, two more.
constexpr std::array<int, 8> Keys{10, 20, 30, 70, 80, 90, 130, 140};
constexpr float HalfGap = 40.0f, Below = 130.0f;
constexpr float FallStraight = 280.0f, FallSpreading = 250.0f, Drift = 120.0f;
constexpr PlayerHitWindow Box{0.0f, 20.0f, 0.0f, 20.0f};
constexpr Cell Drop{40, 40};
// Cells of the sheet: straight down, slanting left, slanting right.
constexpr int StraightCell = 3, LeftCell = 2, RightCell = 4;

bool IsLeft(std::size_t slot) { return slot % 2 == 0; }

}  // namespace

void TwinDropShotInstance::Fire(int) const {
  for (TwinDropSlot& s : Slots) StepCounter(s.Timer, Cycle);
  for (int g = 0; g < static_cast<int>(Keys.size()); ++g)
    for (int s = 2 * g; s < 2 * g + 2 && s < SlotCount(); ++s)
      if (Slots[static_cast<std::size_t>(s)].Timer == Keys[static_cast<std::size_t>(g)]) Spawn(s, 2 * g);
}

void TwinDropShotInstance::Spawn(int slot, int first) const {
  if (slot < 0 || slot >= SlotCount() || first < 0 || first + 1 >= SlotCount()) return;
  TwinDropSlot& s = Slots[static_cast<std::size_t>(slot)];
  if (s.Active != 0) return;
  s.Active = 1;
  const float cx = Row.Parent.X + Row.CentreX;
  Slots[static_cast<std::size_t>(first)].X = cx - HalfGap;
  Slots[static_cast<std::size_t>(first) + 1].X = cx + HalfGap;
  s.Y = Row.Parent.Y + Below;
}

void TwinDropShotInstance::Update(int) const {
  if (Row.Spreading) {
    // Free slots drift too, far below the screen; a Spawn places them anew.
    for (std::size_t i = 0; i < Slots.size(); ++i) Slots[i].X += IsLeft(i) ? -Step(Drift) : Step(Drift);
  }
  for (TwinDropSlot& s : Slots) {
    if (s.Active == 0) continue;
    s.FallSpeed = Row.Spreading ? FallSpreading : FallStraight;
    s.Y += Step(s.FallSpeed);
    // Only the bottom: a spreading shot off the side falls on unseen.
    if (s.Y > 600.0f || BombClears()) {
      Park(s);
      continue;
    }
    TestPlayer(s.X, s.Y, Box);
  }
}

void TwinDropShotInstance::Draw(int) const {
  for (std::size_t i = 0; i < Slots.size(); ++i) {
    const int cell = !Row.Spreading ? StraightCell : (IsLeft(i) ? LeftCell : RightCell);
    DrawCellAdd(Slots[i].X, Slots[i].Y, 0, 0, assets::PicVal405, Drop, cell);
  }
}

void TwinDropShotInstance::ResetSlot(int i) const {
  if (i < 0 || i >= SlotCount()) return;
  // The reset draws a start frame for every slot of this record family,
  // which a twin drop does not animate: the draw keeps the random sequence
  // of the tables after it.
  elRandom::Next();
  Slots[static_cast<std::size_t>(i)] = TwinDropSlot{};
}

}  // namespace enemies
