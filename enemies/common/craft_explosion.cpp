#include "enemies/common/craft_explosion.h"

#include "engine/sound.h"
#include "world/assets.h"
#include "world/state.h"

namespace enemies {

void HitSlot(std::span<ObjectSlot> slots, int slot) {
  if (slot < 0 || static_cast<std::size_t>(slot) >= slots.size()) return;
  slots[static_cast<std::size_t>(slot)].Hit = 1;
}

namespace {

void DrawLayer(const ObjectSlot& s, const BlastLayer& l, int f) {
  const bool debris = l.Sheet == BlastSheet::Debris;
  const int sheet = l.Sheet == BlastSheet::Zbak3b ? assets::PicZbak3b : assets::PicZbak2b;
  const int picture = debris ? assets::PicZbak6b : sheet;
  const Cell cell = debris ? Cell{40, 40} : Cell{80, 80};
  const int dx = l.X + l.Ax * f, dy = l.Y + l.Ay * f;
  switch (l.How) {
    case Blit::Keyed: DrawCell(s.X, s.Y, dx, dy, picture, cell, f); break;
    case Blit::Add: DrawCellAdd(s.X, s.Y, dx, dy, picture, cell, f); break;
    case Blit::Half: DrawCellHalf(s.X, s.Y, dx, dy, picture, cell, f); break;
  }
}

}  // namespace

bool ExplosionStep(ObjectSlot& s, const ExplosionStyle& style) {
  const int f = s.ExplosionFrame;
  const bool blended = style.WhateverEffects || flow::EffectsFlag == 1;
  // Any other value of the flag draws nothing; the steps below still run.
  std::span<const BlastLayer> layers;
  if (blended)
    layers = style.Blended;
  else if (flow::EffectsFlag == 0)
    layers = style.Plain;
  for (const BlastLayer& l : layers) DrawLayer(s, l, f);

  if (style.Halting == Halt::Stops || (style.Halting == Halt::StopsWhenBlended && blended)) {
    s.Vx = 0.0f;
    s.Vy = 0.0f;
  }
  // Every cycle sounds at its start; a sound still playing starts over.
  if (f == 0) elSound::Play(assets::SndBom, -1);

  ++s.ExplosionFrame;
  if (s.ExplosionFrame > style.Frames - 1) {
    s.ExplosionFrame = 0;
    ++s.ExplosionCycle;
  }
  if (s.ExplosionCycle < ExplosionCycles) return false;
  s.Hit = 0;
  s.ExplosionFrame = 0;
  s.ExplosionCycle = 0;
  Park(s);
  return true;
}

}  // namespace enemies
