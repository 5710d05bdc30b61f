// What the big craft that fly alone share: one record each (a table of one
// slot, so the player's weapons test it like any other), a Hit that takes no
// slot, the craft picture or, once hit, a ring of blasts at fixed places
// around its body that does not spread and ignores the effects setting.
#pragma once
#include <array>
#include <cstddef>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/rules.h"

namespace enemies {

// The eight blasts around a large body: four big ones at the middles of its
// sides, then its four corners. `corner` is the sheet of the first three
// corners; (c, e) pushes the corners out (c to the left only, e on every
// side); (dx, dy) shifts the whole ring.
constexpr std::array<BlastLayer, 8> EightBlasts(Blit how, BlastSheet corner, int c = 2, int e = 0, int dx = 0,
                                                int dy = 0) {
  using enum BlastSheet;
  return {At(Zbak3b, how, dx - 25, dy + 35),        At(Zbak3b, how, dx + 135, dy + 35),
          At(Zbak3b, how, dx + 55, dy - 45),        At(Zbak3b, how, dx + 55, dy + 115),
          At(corner, how, dx - c, dy - 22 - e),     At(corner, how, dx + 112 + e, dy - 22 - e),
          At(corner, how, dx - c, dy + 92 + e),     At(Zbak3b, how, dx + 112 + e, dy + 92 + e)};
}

// The same blasts whatever EffectsFlag holds; the craft flies on meanwhile.
template <std::size_t N>
constexpr ExplosionStyle BlastRing(const std::array<BlastLayer, N>& blasts) {
  return ExplosionStyle{blasts, blasts, 8, Halt::FliesOn, true};
}

// Draw of a single craft: its explosion step once hit, else its picture
// (a free record lies parked outside the clip and shows nothing).
inline void DrawSingleCraft(ObjectSlot& s, const ExplosionStyle& style, int picture, Cell cell) {
  if (s.Hit > 0)
    ExplosionStep(s, style);
  else
    DrawCell(s.X, s.Y, 0, 0, picture, cell);
}

}  // namespace enemies
