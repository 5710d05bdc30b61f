// What the diagonal divers and the timed divers share: the field they fly
// in (its edges still inside) and the burst they explode in, with or
// without debris.
#pragma once
#include <array>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/craft_flight.h"

namespace enemies::diver_flight {

constexpr CraftBounds Field{90.0f, 620.0f, -90.0f, 600.0f};
constexpr Cell Sprite{90, 90};

using enum BlastSheet;
using enum Blit;

inline constexpr std::array<BlastLayer, 1> Blast{At(Zbak2b, Add)};
inline constexpr std::array<BlastLayer, 7> BlastAndDebris{
    At(Zbak2b, Add),           Spread(Debris, Add, -4, -6), Spread(Debris, Add, 1, 7), Spread(Debris, Add, 7, -1),
    Spread(Debris, Add, -6, 3), Spread(Debris, Add, 7, 6),   Spread(Debris, Add, 5, -8)};

constexpr ExplosionStyle Burst(bool debris, Halt halting) {
  return debris ? ExplosionStyle{BlastAndDebris, PlainBase, 8, halting}
                : ExplosionStyle{Blast, PlainBase, 8, halting};
}

}  // namespace enemies::diver_flight
