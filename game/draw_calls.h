// The blended picture draws the game calls: additive, 50 % and rotated.
//
// For now each forwards to the keyed copy elDraw::Draw, so pictures land in
// the right place, keyed with black, until the engine's software blend draws
// are in the tree. When they arrive, each body becomes the one call named in
// its comment, with the same arguments in the same order.
#pragma once

#include "engine/draw_hw.h"

namespace blend {

// Becomes elDraw::DrawAdd(x, y, obj, sx1, sy1, sx2, sy2).
inline void Add(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2) {
  elDraw::Draw(x, y, obj, sx1, sy1, sx2, sy2);
}

// Becomes elDraw::DrawHalf(x, y, obj, sx1, sy1, sx2, sy2).
inline void Half(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2) {
  elDraw::Draw(x, y, obj, sx1, sy1, sx2, sy2);
}

// Becomes return elDraw::DrawRotate(dx1, dy1, dx2, dy2, angle, obj, sx1, sy1, sx2, sy2).
// Until then the picture is drawn unturned at the destination's corner.
inline int Rotate(int dx1, int dy1, int /*dx2*/, int /*dy2*/, int /*angle*/, int obj, int sx1, int sy1, int sx2,
                  int sy2) {
  elDraw::Draw(dx1, dy1, obj, sx1, sy1, sx2, sy2);
  return 1;
}

}  // namespace blend
