// The drop kinds' tables put back to their start state, instance by
// instance over a range of instance numbers, one pass each (the boss reset
// calls them in its order).
#pragma once

namespace patterns {

void ResetTwinDrops(int from, int to);
void ResetFormationDrops(int from, int to);
void ResetSmallDrops(int from, int to);

}  // namespace patterns
