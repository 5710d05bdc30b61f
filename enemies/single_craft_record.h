// The records of the sweeping craft and the giant craft, apart from their
// kinds: those craft start the clusters and chains they carry from their own
// Move, and the shots read the records back when they launch.
#pragma once
#include "enemies/common/rules.h"

namespace enemies {

// A sweeping craft's record: the common craft fields (its phase is
// PhaseTime, a float) and the counters of the two spirals fired from it,
// which only those spirals advance and nothing ever resets.
struct SweepingCraftRecord : ObjectSlot {
  int SpiralCountLeft = 0;
  int SpiralCountRight = 0;
};

inline SweepingCraftRecord SweepingCraft01Record{};
inline SweepingCraftRecord SweepingCraft02Record{};
inline SweepingCraftRecord SweepingCraft03Record{};
inline SweepingCraftRecord SweepingCraft04Record{};
inline SweepingCraftRecord SweepingCraft05Record{};
inline SweepingCraftRecord SweepingCraft06Record{};

// The giant craft's frame counter is Timer; HitCounter counts the touches
// of the player's shots before one of them counts as a hit.
inline ObjectSlot GiantCraft01Record{};

}  // namespace enemies
