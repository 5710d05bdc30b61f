#include "patterns/reset.h"

namespace patterns {

void ResetPatternTables() {
  // Each drop and stream kind's tables join here.
}

}  // namespace patterns
