// The lock sight: the top-left corner of the rectangle in which craft would
// be locked as targets. Only UpdateLockSight moves it, and nothing calls that.
#pragma once
#include "engine/park.h"

namespace player {

struct LockSightPoint {
  int X, Y;
};
inline LockSightPoint LockSight{elDraw::WholeParkX, elDraw::WholeParkY};

}  // namespace player
