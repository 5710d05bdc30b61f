#include "engine/screen.h"

namespace elDraw {

int SetClip(int left, int top, int right, int bottom) {
  ClipRect = elRect{left, top, right, bottom};
  return 1;
}

void Release() { DirectDrawObject = 0; }

}  // namespace elDraw
