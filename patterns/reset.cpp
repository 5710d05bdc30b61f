#include "patterns/reset.h"

#include "patterns/drops/drop_reset.h"

namespace patterns {

void ResetPatternTables() {
  // Each drop and stream kind's tables join here.
  ResetDropTables();
}

}  // namespace patterns
