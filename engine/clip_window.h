// The animated clip window: while it is open ClipRect is animated and the
// rectangle it replaced is kept to be put back.
#pragma once
#include "engine/types.h"

namespace elDraw {

inline int ClipWindow = 0;
inline elRect SavedClipRect{};

}  // namespace elDraw
