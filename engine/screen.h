// The screen: set-up, clip rectangle, restore and release.
#pragma once
#include "engine/types.h"

namespace elDraw {

inline int DirectDrawObject = 0;  // 1 between a successful Screen and Release
inline int ScreenSize[2] = {0, 0};
inline elRect ClipRect{};

int SetClip(int left, int top, int right, int bottom);
void Release();

}  // namespace elDraw
