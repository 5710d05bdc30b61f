#include "enemies/reset.h"

#include "enemies/flame_faller.h"

namespace enemies {

void ResetSmallFry() {
  // Each kind's table joins here, in the order its random start values are
  // drawn.
  FlameFaller01.Reset();
  FlameFaller02.Reset();
  FlameFaller03.Reset();
}

}  // namespace enemies
