#include "patterns/drops/formation_drop.h"

#include "engine/frame.h"

namespace patterns {

namespace {
constexpr enemies::Cell Ball20{20, 20};
constexpr enemies::Cell Drop40{40, 40};
constexpr int AnimatedFrames = 24;  // VAL20241
}  // namespace

void FormationDropInstance::Fire(int) const {
  FireVolley(Slots, Row.SlotCount(), Row.GroupSize, Row.Timer, Row.Keys,
             [this](int slot, int first) { Spawn(slot, first); });
}

void FormationDropInstance::Spawn(int slot, int first) const {
  const int count = Row.SlotCount();
  if (slot < 0 || slot >= count || first < 0 || first + Row.GroupSize > count) return;
  if (Slots[slot].Active != 0) return;
  Slots[slot].Active = 1;
  const float bossX = Row.Boss->X, bossY = Row.Boss->Y;
  // The whole group is placed again, members in flight included.
  if (Row.HorizontalArc)
    for (int m = 0; m < Row.GroupSize; ++m) Slots[first + m].X = bossX + Row.StartX[m];
  else
    Slots[slot].X = bossX + Row.StartX[0];
  for (int m = 0; m < Row.GroupSize; ++m) Slots[first + m].Y = bossY + Row.StartY[m];
}

void FormationDropInstance::Update(int) const {
  const float step = elSystem::FrameStep;
  for (int g = 0; g < Row.Groups; ++g) {
    DropSlot* group = Slots + g * Row.GroupSize;
    const int passes = g == 0 && Row.Group0DriftPasses != 0 ? Row.Group0DriftPasses : Row.GroupSize;
    for (int pass = 0; pass < passes; ++pass)
      for (int m = 0; m < Row.GroupSize; ++m)
        if (Row.Drift[m] != 0.0f) group[m].X += Row.Drift[m] * step;
  }
  const DropFall fall{Row.Fall, Row.BombTest, Row.Box};
  for (int s = 0; s < Row.SlotCount(); ++s)
    if (Slots[s].Active != 0) MoveDrop(Slots[s], fall, Row.Slide);
}

void FormationDropInstance::Draw(int) const {
  const int picture = *Row.Picture;
  const auto blit = Row.Additive ? enemies::DrawCellAdd : enemies::DrawCell;
  for (int pass = 0; pass < Row.DrawPasses; ++pass)
    for (int first = 0; first < Row.SlotCount(); first += Row.GroupSize)
      for (int k = 0; k < Row.GroupSize; ++k) {
        const int m = Row.MembersReversed ? Row.GroupSize - 1 - k : k;
        DropSlot& d = Slots[first + m];
        switch (Row.Form) {
          case FormationDrawForm::FixedCell:
            blit(d.X, d.Y, 0, 0, picture, Ball20, 0);
            break;
          case FormationDrawForm::Animated:
            blit(d.X, d.Y, 0, 0, picture, Ball20, d.Frame);
            enemies::StepFrame(d.Frame, AnimatedFrames);
            break;
          case FormationDrawForm::MemberCells:
            blit(d.X, d.Y, 0, 0, picture, Drop40, Row.Cells[m]);
            break;
        }
      }
}

void FormationDropInstance::Reset() const { ResetDropSlots(Slots, Row.SlotCount()); }

}  // namespace patterns
