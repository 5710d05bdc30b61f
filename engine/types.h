// Small types shared by the engine's parts.
#pragma once
#include "platform/backend.h"

using elRect = platform::Rect;  // left, top, right, bottom; right and bottom exclusive

struct elPoint {
  int x = 0, y = 0;
};
