// The animated clip window: ClipRect opened or closed step by step from an
// edge, a centre line, the centre point or a bar, while the rectangle it
// replaced is kept to be put back. The main loop puts it back when the scene
// changes during an animation.
#pragma once
#include "engine/types.h"

namespace elDraw {

// 0 idle, 1 opening, 2 closing, -1 closed.
inline int ClipWindow = 0;
inline elRect SavedClipRect{};
inline int ClipWindowDirection = 0;  // 0 opens, anything else closes
inline int ClipWindowKind = 0;       // 1..9
inline int ClipWindowSpeed = 0;      // pixels per second beyond the one per step
inline int ClipWindowSize = 0;       // the bar of kinds 8 and 9

// Kinds: 1 from the bottom edge up, 2 from the top down, 3 from the right
// edge leftward, 4 from the left rightward, 5 a horizontal line growing up
// and down, 6 a vertical line growing sideways, 7 the centre point growing
// both ways, 8 a horizontal bar of width size, 9 a vertical bar of height
// size; 0 picks one at random. Closing runs the same shape backwards. 0 (and
// nothing changed) while an animation runs or for an unknown kind, else 1.
int OpenClipWindow(int direction, int kind, int speed, int size);
// One step, once per frame; 0 when no animation runs, else 1.
int AnimateClipWindow();
// Closes ClipRect at once: nothing is drawn until the next OpenClipWindow.
void CloseClipWindow();
void ResetClipWindow();

}  // namespace elDraw
