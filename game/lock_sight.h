// The lock sight: the top-left corner of the rectangle in which craft would
// be locked as targets. Only UpdateLockSight moves it, and nothing calls that.
#pragma once

namespace player {

struct LockSightPoint {
  int X, Y;
};
inline LockSightPoint LockSight{-500, 500};

}  // namespace player
