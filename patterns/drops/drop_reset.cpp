#include "patterns/drops/drop_reset.h"

#include "patterns/drops/formation_drop.h"
#include "patterns/drops/small_drop.h"
#include "patterns/drops/twin_drop.h"

namespace patterns {

void ResetTwinDrops(int from, int to) {
  for (int i = from; i <= to; ++i) TwinDropInstance{TwinDropRows[i - 1], TwinDropTables[i - 1]}.Reset();
}

void ResetFormationDrops(int from, int to) {
  for (int i = from; i <= to; ++i) FormationDropInstance{FormationDropRows[i - 1], FormationDropTables[i - 1]}.Reset();
}

void ResetSmallDrops(int from, int to) {
  for (int i = from; i <= to; ++i) SmallDropInstance{SmallDropRows[i - 1], SmallDropTables[i - 1]}.Reset();
}

}  // namespace patterns
