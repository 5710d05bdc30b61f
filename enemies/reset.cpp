#include "enemies/reset.h"

#include <algorithm>

#include "enemies/crossing_spinner.h"
#include "enemies/diagonal_diver.h"
#include "enemies/diagonal_large_craft.h"
#include "enemies/flame_faller.h"
#include "enemies/rising_lock_target.h"
#include "enemies/side_glider.h"
#include "enemies/timed_diagonal_diver.h"

namespace enemies {

namespace {

// Shot tables reset together: slot i of each, in the order given, before
// slot i + 1, which fixes the order of their random start frames.
template <class... Shots>
void ResetTogether(const Shots&... shots) {
  const int n = std::max({shots.SlotCount()...});
  for (int i = 0; i < n; ++i) (shots.ResetSlot(i), ...);
}

}  // namespace

void ResetSmallFry() {
  // Each kind's table joins here, in the order its random start values are
  // drawn: each craft followed by the shots it carries. The lock-on records
  // draw nothing and are reset with their craft.
  FlameFaller01.Reset();
  RisingLockTarget01.Reset();
  RisingLockTarget02.Reset();
  FlameFaller02.Reset();
  CrossingSpinner01.Reset();
  CrossingSpinner02.Reset();
  FlameFaller03.Reset();
  SideGlider01.Reset();
  SideGlider02.Reset();
  DiagonalLargeCraft01.Reset();
  DiagonalLargeCraft02.Reset();
  DiagonalDiver01.Reset();
  DiagonalDiver02.Reset();
  TimedDiagonalDiver01.Reset();
  DiagonalDiver03.Reset();
  DiagonalDiver04.Reset();
  TimedDiagonalDiver02.Reset();
}

}  // namespace enemies
