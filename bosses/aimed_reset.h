// How the aimed patterns' tables are put back to their start state: a pass
// over tables reset together sets slot i of each, in the order given, before
// slot i + 1, so that their random start frames are drawn in the game's
// order.
#pragma once
#include <algorithm>

namespace bosses {

template <class... Table>
void Pass(const Table&... tables) {
  const int most = std::max({tables.SlotCount()...});
  for (int i = 0; i < most; ++i) (tables.ResetSlot(i), ...);
}

}  // namespace bosses
