// How a craft dies: a Hit only marks its slot, and from the next frame on the
// kind's Draw shows an explosion in its place for two cycles of a blast
// sheet, sounding at the start of each cycle, and then frees the slot. What
// differs between kinds is data: the layers drawn with effects on and off,
// the sheet's frame count and whether the craft stops while it burns.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "enemies/common/rules.h"

namespace enemies {

// Hit(slot) of a craft table: marks the slot; the kind's next Draw starts
// (or goes on with) its explosion. An index outside the table does nothing.
void HitSlot(std::span<ObjectSlot> slots, int slot);

// The explosion sheets: 80x80 blast frames side by side, and 40x40 debris.
enum class BlastSheet : uint8_t { Zbak2b, Zbak3b, Debris };
enum class Blit : uint8_t { Keyed, Add, Half };

// The frames each sheet holds.
constexpr int SheetFrames(BlastSheet s) { return s == BlastSheet::Zbak3b ? 10 : 8; }

// One layer: frame f of its sheet at int(x) + X + Ax * f, int(y) + Y + Ay * f.
struct BlastLayer {
  BlastSheet Sheet;
  Blit How;
  int X, Y;
  int Ax = 0, Ay = 0;
};

// A blast at a fixed offset from the craft's corner.
constexpr BlastLayer At(BlastSheet sheet, Blit how, int x = 0, int y = 0) { return {sheet, how, x, y}; }
// A piece that starts at (20, 20) and flies outward by (a, b) a frame.
constexpr BlastLayer Spread(BlastSheet sheet, Blit how, int a, int b) { return {sheet, how, 20, 20, a, b}; }

// The same layers drawn with the keyed blit: the plain look of the kinds
// whose effects-off explosion keeps every layer.
template <std::size_t N>
constexpr std::array<BlastLayer, N> KeyedCopy(const std::array<BlastLayer, N>& layers) {
  std::array<BlastLayer, N> keyed = layers;
  for (BlastLayer& l : keyed) l.How = Blit::Keyed;
  return keyed;
}

// The plain look of most kinds: only the base blast, keyed.
inline constexpr std::array<BlastLayer, 1> PlainBase{At(BlastSheet::Zbak2b, Blit::Keyed)};

// What the speeds do while the craft explodes: kept (it flies on), zeroed
// on every step, or zeroed only on the steps drawn with effects on.
enum class Halt : uint8_t { FliesOn, Stops, StopsWhenBlended };

struct ExplosionStyle {
  std::span<const BlastLayer> Blended;  // drawn while EffectsFlag is 1
  std::span<const BlastLayer> Plain;    // drawn while EffectsFlag is 0
  int Frames = 8;                       // frames of one cycle
  Halt Halting = Halt::Stops;
  // The large craft draw their blended layers whatever EffectsFlag holds.
  bool WhateverEffects = false;
};

// Whether every layer's sheet holds the style's frames; for static_assert.
constexpr bool SheetsHoldFrames(const ExplosionStyle& style) {
  for (std::span<const BlastLayer> layers : {style.Blended, style.Plain})
    for (const BlastLayer& l : layers)
      if (style.Frames > SheetFrames(l.Sheet)) return false;
  return style.Frames > 0;
}

// Two cycles of a style; a cycle already counted (a slot restarted before
// its explosion ended) leaves one.
constexpr int ExplosionCycles = 2;

// One step of a slot's explosion, run by the kind's Draw in place of the
// craft: draws frame f's layers, stops the craft as the style says, plays
// the explosion sound at frame 0, advances the frame and, after the second
// cycle, frees and parks the slot. Returns true when this step freed it (a
// lockable kind then releases its record).
bool ExplosionStep(ObjectSlot& s, const ExplosionStyle& style);

}  // namespace enemies
