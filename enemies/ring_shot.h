// Ring shots: at each key of a repeating timer a ring of 12 shots, 30
// degrees apart, leaves one gun of the parent craft, its first member aimed
// at a point near the ship; each flies straight on until it leaves the
// screen. A ring is a volley whose members turn by their index in the whole
// table, so every ring starts on the aim line.
#pragma once
#include <array>

#include "enemies/large_craft.h"
#include "enemies/volley_shot.h"
#include "world/assets.h"

namespace enemies {

using RingShotSlot = VolleyShotSlot;
using RingShotInstance = VolleyShotInstance;

inline constexpr VolleyShotRow RingShotRow01{LargeCraft03Record[0],
                                             92.0f,
                                             32.0f,
                                             volley_shot::Ball(assets::PicVal3),
                                             12,
                                             10,
                                             {60, 120, 180, 240, 300, 360, 420, 480, 540, 600},
                                             660,
                                             150.0f,
                                             20.0f,
                                             TwoPiOver12,
                                             0,
                                             true,
                                             true};

inline std::array<RingShotSlot, 120> RingShot01Slots{};

inline constexpr RingShotInstance RingShot01{RingShotRow01, RingShot01Slots};

}  // namespace enemies
