// A reset pass over tables reset together: slot i of every table, in the
// order given, before slot i + 1, so that their random start values are
// drawn in the game's order. A table shorter than the others is left out
// once its slots are done. Each table offers SlotCount() and ResetSlot(i).
#pragma once
#include <algorithm>

namespace enemies {

template <class... Table>
void ResetTogether(const Table&... tables) {
  const int most = std::max({tables.SlotCount()...});
  for (int i = 0; i < most; ++i) ((i < tables.SlotCount() ? tables.ResetSlot(i) : void()), ...);
}

}  // namespace enemies
