// Presentation of the back buffer and the screen transitions.
#pragma once

namespace elDraw {

inline int VSyncFlag = 0;
inline int TransitionState = 0;    // 1 while a fade-out runs
inline int TransitionCounter = 0;  // not 0 while a transition runs
inline int ViewerFlag = 0;         // the picture viewer is on

void SetVSync(int on);
int Flip();

}  // namespace elDraw
