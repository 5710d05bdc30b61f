#include "enemies/reset.h"

namespace enemies {

void ResetSmallFry() {
  // Each kind's table joins here, in the order its random start values are
  // drawn.
}

}  // namespace enemies
