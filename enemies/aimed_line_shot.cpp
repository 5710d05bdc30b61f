#include "enemies/aimed_line_shot.h"

#include "engine/random.h"

namespace enemies {

namespace {

constexpr bool Fits(const AimedLineShotRow& row) {
  const bool rows = row.Variant == LineVariant::Rows;
  return row.Members > 0 && row.Members <= 5 && aimed_line_shot::SlotsOf(row) <= aimed_line_shot::MaxSlots &&
         (rows || (row.ParentSlot >= 0 && static_cast<std::size_t>(row.ParentSlot) < row.Parent.size()));
}
static_assert([] {
  for (const AimedLineShotRow& row : AimedLineShotRows)
    if (!Fits(row)) return false;
  return true;
}());

// The rows: needles aimed 15 px into the ship's cell, within the screen
// and 30 px beyond its left and top edges. The sets: balls aimed 22 px in,
// within the play field's right edge and 20 px beyond the left and top.
struct LineLook {
  float AimOffset;
  AimedBounds Bounds;
  PlayerHitWindow Box;
};
constexpr LineLook RowLook{15.0f, {30.0f, 800.0f}, Box30};
constexpr LineLook SetLook{22.0f, {20.0f, 620.0f}, Box20};
constexpr Cell NeedleCell{30, 30};
constexpr Cell BallCell{20, 20};

const LineLook& LookOf(const AimedLineShotRow& row) { return row.Variant == LineVariant::Rows ? RowLook : SetLook; }

int Lines(const AimedLineShotRow& row, std::span<AimedShotSlot> slots) {
  return static_cast<int>(slots.size()) / row.Members;
}

}  // namespace

void AimedLineShotInstance::Fire(int) const {
  const LineLook& look = LookOf(Row);
  for (int p = 0; p < Lines(Row, Slots); ++p) {
    const auto from = static_cast<std::size_t>(Row.Variant == LineVariant::Rows ? p : Row.ParentSlot);
    if (from >= Row.Parent.size()) return;
    const ObjectSlot& parent = Row.Parent[from];
    for (int k = 0; k < Row.Members; ++k) {
      AimedShotSlot& s = Slots[static_cast<std::size_t>(p * Row.Members + k)];
      if (s.Active != 0) continue;
      // Members started together share the start point, and so the heading.
      LaunchAimed(s, parent.X + Row.Dx, parent.Y + Row.Dy, Row.Ladder[static_cast<std::size_t>(k)], look.AimOffset);
    }
  }
}

void AimedLineShotInstance::Update(int) const {
  const LineLook& look = LookOf(Row);
  for (int p = 0; p < Lines(Row, Slots); ++p) {
    const AimedShotSlot& lead = Slots[static_cast<std::size_t>(p * Row.Members)];
    for (int k = 0; k < Row.Members; ++k) {
      AimedShotSlot& s = Slots[static_cast<std::size_t>(p * Row.Members + k)];
      if (s.Active != 0) FlyAimed(s);
      switch (Row.Variant) {
        case LineVariant::Single:
          if (OutOfBounds(s, look.Bounds) || BombClears()) Park(s);
          break;
        // A whole line goes when its slowest member (already moved) leaves;
        // its members stay where they are.
        case LineVariant::Rows:
          if (OutOfBounds(lead, look.Bounds) || BombClears()) s.Active = 0;
          break;
        case LineVariant::Kept:
          if (OutOfBounds(lead, look.Bounds)) s.Active = 0;
          break;
      }
      // Also a freed member, where it stopped.
      TestPlayer(s.X, s.Y, look.Box);
    }
  }
}

void AimedLineShotInstance::Draw(int) const {
  if (Row.Variant == LineVariant::Rows) {
    for (const AimedShotSlot& s : Slots)
      if (s.Active != 0)
        DrawCellRotated(s.X, s.Y, 0, 0, NeedleAngleWholeDegrees(s.Heading), *Row.Picture, NeedleCell);
    return;
  }
  // Every member, in flight or free: a free one lies outside the field.
  for (AimedShotSlot& s : Slots) {
    DrawCellAdd(s.X, s.Y, 0, 0, *Row.Picture, BallCell, s.Frame);
    StepFrame(s.Frame, Row.Frames);
  }
}

void AimedLineShotInstance::ResetSlot(int i) const {
  if (i < 0 || static_cast<std::size_t>(i) >= Slots.size()) return;
  Slots[static_cast<std::size_t>(i)] = AimedShotSlot{elRandom::Next() % 10};
}

}  // namespace enemies
